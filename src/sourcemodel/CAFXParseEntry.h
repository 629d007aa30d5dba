#pragma once

#include <cstdint>
#include <string>

namespace morva {

// A generated block opened by a "//{{AFX_" marker: its name (AFX_MSG, AFX_VIRTUAL, ...), the
// offsets of its start and end markers and the file holding it.
class CAFXParseEntry {
public:
    std::string m_strName;
    int64_t m_nStart = -1;
    int64_t m_nEnd = -1; // -1 until the end marker is found
    std::string m_strFile;
};

} // namespace morva
