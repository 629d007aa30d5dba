#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The fixed knowledge about the intrinsic control types and the two form types. Every function
// is a pure function of its arguments and the definition tables.
namespace morva {

// Toolbox base name ("TextBox") of a type code; empty for codes outside 101..116.
std::string_view BaseName(int32_t typeCode);
// Runtime class of the generated code: "CX" + base name; empty for unknown codes.
std::string RuntimeClassName(int32_t typeCode);
// Frames and picture boxes hold other controls.
bool IsContainerType(int32_t typeCode);
// Labels, shapes, lines and images are painted by their form.
bool IsGraphicalType(int32_t typeCode);

// Exact comparison with the sixteen intrinsic runtime class names; 0 when none matches.
int32_t LookupTypeCode(std::string_view className);

// The type's own property table (for a picture box both halves); empty outside 101..116.
std::string_view GetPropertyTable(int32_t typeCode);
std::string_view GetCommonPropertyTable();
std::string_view GetFormPropertyTable(bool isMdiForm);

// The type's own event table; empty for types that have only the common events or none.
std::string_view GetEventTable(int32_t typeCode);
std::string_view GetCommonEventTable();
std::string_view GetFormEventTable();
// Whether an intrinsic type gets the common events in front of its own.
bool HasCommonEvents(int32_t typeCode);
// Whether an intrinsic type's event line is dropped (substring test on the whole line).
bool IsEventExcluded(std::string_view definitionLine, int32_t typeCode);

// The exclusion rules of property lines for an item of `kind` and `typeCode`.
bool IsPropertyExcluded(std::string_view definitionLine, int32_t kind, int32_t typeCode, bool isMdiForm);
// CXForm and CXMdiForm map to the form rules, any other class to the intrinsic type it names.
bool IsPropertyExcludedForClass(std::string_view className, std::string_view definitionLine);

// Substring tests on the two class-name lists ("Form" and "CX" count as found).
bool IsIntrinsicClassName(std::string_view name);
bool IsRuntimeClassName(std::string_view name);
// Exact tests.
bool IsFormBaseClass(std::string_view name);
bool IsViewClass(std::string_view name);

// The method definition lines a class offers: "CXForm" and "CXMdiForm" by name, any other
// class by `typeCode` (or, when that is not an intrinsic code, by the class name's type).
std::vector<std::string> GetMethodList(std::string_view className, int32_t typeCode);

} // namespace morva
