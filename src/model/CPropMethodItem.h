#pragma once

#include "platform/com/Variant.h"

#include <string>

namespace morva {

// One enumerated item of a property: its text ("2 - Sizable") and, for an ActiveX control's
// predefined values, the value the control gives for it (empty for catalogue items).
struct CPropMethodItem {
    std::string m_strText;
    platform::Variant m_value;

    friend bool operator==(const CPropMethodItem&, const CPropMethodItem&) = default;
};

} // namespace morva
