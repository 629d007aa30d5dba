#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morva {

// Texts that turn variant types and dispatch ids into C++ source.
// The VT's symbolic name ("VT_BSTR"); only the low 16 bits count; others in decimal.
std::string VariantTypeName(uint32_t vt);
// The C++ type of a VT ("CString" for VT_BSTR); empty for a VT without one.
std::string CppTypeName(uint32_t vt);
// The InvokeHelper parameter code of a C++ type text ("VTS_BSTR"); two double quotes (an
// empty string literal) for a text without one.
std::string VtsName(std::string_view cppType);
// The standard dispatch id's symbolic name ("DISPID_BACKCOLOR"); others in decimal.
std::string DispIdName(int32_t dispId);

} // namespace morva
