#pragma once

#include <cstdint>
#include <string>

namespace morva {

// A member variable declared in a parsed class.
class CVariableItem {
public:
    std::string m_strType;
    std::string m_strName;
    std::string m_strAccess = "public";
    int64_t m_nOffset = -1; // start of the declaring statement
};

} // namespace morva
