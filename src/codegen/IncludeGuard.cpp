#include "codegen/IncludeGuard.h"

#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"

#include <cstdio>

namespace morva {

namespace {

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsIdentifierChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The GUID in the stored format, upper-cased (the format writes Data3 in lower case).
std::string FormatGuidPart(const platform::Guid& guid)
{
    const std::string format(TemplateText(tpl::kGuidFormat));
    char buffer[64];
    const auto& d = guid.data4;
    std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<unsigned long>(guid.data1),
                  static_cast<unsigned>(guid.data2), static_cast<unsigned>(guid.data3), unsigned{d[0]},
                  unsigned{d[1]}, unsigned{d[2]}, unsigned{d[3]}, unsigned{d[4]}, unsigned{d[5]}, unsigned{d[6]},
                  unsigned{d[7]});
    std::string text = buffer;
    for (char& c : text)
        c = UpperAscii(c);
    return text;
}

// The name without its ".h", upper-cased. Any character that cannot stand in a macro name
// (a dot of "form1.hpp", a blank, a dash) becomes an underscore, so the guard always compiles.
std::string NamePart(std::string_view fileName)
{
    std::string_view stem = fileName;
    if (stem.size() >= 2 && stem[stem.size() - 2] == '.' && UpperAscii(stem.back()) == 'H')
        stem.remove_suffix(2);
    std::string name;
    name.reserve(stem.size() + 2);
    for (char c : stem)
        name += IsIdentifierChar(c) ? UpperAscii(c) : '_';
    return name + "_H";
}

} // namespace

std::string MakeIncludeGuard(std::string_view fileName, const platform::Guid& guid)
{
    return "AFX_" + NamePart(fileName) + "__" + FormatGuidPart(guid) + "__INCLUDED_";
}

std::string MakeIncludeGuard(std::string_view fileName)
{
    return MakeIncludeGuard(fileName, platform::Guid::create());
}

} // namespace morva
