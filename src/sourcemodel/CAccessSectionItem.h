#pragma once

#include <cstdint>
#include <string>

namespace morva {

// An access section of a class body: the keyword and where it stands.
class CAccessSpecifierItem {
public:
    std::string m_strKeyword = "public";
    int64_t m_nOffset = -1;
};

} // namespace morva
