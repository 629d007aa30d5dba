#pragma once

#include <string>
#include <vector>

namespace morva {

// A parsed source file: its path and the names of the classes whose declaration it holds, so
// that a re-parse knows what the file contributed.
class CCppFileItem {
public:
    std::string m_strPath;
    std::vector<std::string> m_strings;
};

} // namespace morva
