#include "activex/WrapperNames.h"

#include <cctype>

namespace morva {

namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string ControlBaseName(std::string_view progId)
{
    std::string_view middle = progId;
    if (const size_t dot = progId.find('.'); dot != std::string_view::npos) {
        middle = progId.substr(dot + 1);
        middle = middle.substr(0, middle.find('.'));
    }
    static constexpr std::string_view cutSet = "(){}[],.;@#$%^<>?/&*!~`+=|\r\n\t \\";
    middle = Trim(middle.substr(0, middle.find_first_of(cutSet)));
    std::string name(middle);
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        name[i] = char(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    return name;
}

std::string SubObjectClassName(std::string_view interfaceName)
{
    if (!interfaceName.empty() && interfaceName.front() == 'I')
        interfaceName.remove_prefix(1);
    return "CXAx" + std::string(interfaceName);
}

std::string ArgumentNames(std::string_view declarations)
{
    std::string names;
    while (!declarations.empty()) {
        const size_t comma = declarations.find(',');
        std::string_view part = Trim(declarations.substr(0, comma));
        if (const size_t blank = part.find_last_of(' '); blank != std::string_view::npos)
            part = part.substr(blank + 1);
        if (!names.empty())
            names += ", ";
        names += part;
        if (comma == std::string_view::npos)
            break;
        declarations.remove_prefix(comma + 1);
    }
    return names;
}

} // namespace morva
