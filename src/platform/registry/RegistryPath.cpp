#include "platform/registry/RegistryPath.h"

namespace platform {

namespace {

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool hasLineBreakOrNul(std::string_view name)
{
    return name.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos;
}

} // namespace

Result<std::vector<std::string_view>> RegistryPath::split(std::string_view path)
{
    std::vector<std::string_view> names;
    if (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    if (path.empty())
        return names;
    size_t start = 0;
    while (true) {
        size_t end = path.find('\\', start);
        std::string_view name = path.substr(start, end == std::string_view::npos ? end : end - start);
        if (auto problem = keyNameProblem(name))
            return Result<std::vector<std::string_view>>::failure(*problem);
        names.push_back(name);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return names;
}

std::optional<std::string> RegistryPath::keyNameProblem(std::string_view name)
{
    if (name.empty())
        return std::string("a key name is empty");
    if (name.size() > kMaxKeyName)
        return "a key name is longer than " + std::to_string(kMaxKeyName) + " characters";
    if (name.find('\\') != std::string_view::npos)
        return std::string("a key name contains a backslash");
    if (hasLineBreakOrNul(name))
        return std::string("a key name contains a line break or a NUL character");
    return std::nullopt;
}

std::optional<std::string> RegistryPath::valueNameProblem(std::string_view name)
{
    if (name.size() > kMaxValueName)
        return "a value name is longer than " + std::to_string(kMaxValueName) + " characters";
    if (hasLineBreakOrNul(name))
        return std::string("a value name contains a line break or a NUL character");
    return std::nullopt;
}

std::string_view RegistryPath::rootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RegistryRoot::CurrentUser: return "HKEY_CURRENT_USER";
    case RegistryRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
    }
    return {};
}

std::optional<RegistryRoot> RegistryPath::parseRoot(std::string_view name)
{
    struct Spelling {
        std::string_view full;
        std::string_view shortName;
        RegistryRoot root;
    };
    static constexpr Spelling kSpellings[] = {
        {"HKEY_CLASSES_ROOT", "HKCR", RegistryRoot::ClassesRoot},
        {"HKEY_CURRENT_USER", "HKCU", RegistryRoot::CurrentUser},
        {"HKEY_LOCAL_MACHINE", "HKLM", RegistryRoot::LocalMachine},
    };
    for (const Spelling& spelling : kSpellings) {
        if (equalsAsciiIgnoreCase(name, spelling.full) || equalsAsciiIgnoreCase(name, spelling.shortName))
            return spelling.root;
    }
    return std::nullopt;
}

bool RegistryPath::equalsAsciiIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    }
    return true;
}

} // namespace platform
