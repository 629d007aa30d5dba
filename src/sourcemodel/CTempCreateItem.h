#pragma once

#include <string>

namespace morva {

// One ".Create(" call read from a form's control creation function, kept until the controls
// are rebuilt from it.
class CTempCreateItem {
public:
    std::string m_strMemberName;
    std::string m_strArguments;
};

} // namespace morva
