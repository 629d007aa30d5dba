#pragma once

#include "platform/base/Guid.h"

#include <string>
#include <string_view>

namespace morva {

// The include-guard symbol of a header: "AFX_" + name + "_H__" + GUID + "__INCLUDED_", e.g.
// AFX_FORM1_H__0F3C2A10_5B7E_4C1D_9A2B_3C4D5E6F7A8B__INCLUDED_ for "form1.h". Every call takes
// a fresh GUID.
std::string MakeIncludeGuard(std::string_view fileName);
// The same with a given GUID.
std::string MakeIncludeGuard(std::string_view fileName, const platform::Guid& guid);

} // namespace morva
