#include "platform/registry/RegTextHelpers.h"

#include <algorithm>

#include "platform/registry/RegistryPath.h"

namespace platform {

std::string_view RegTextHelpers::trimLeft(std::string_view text)
{
    size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    return text.substr(start);
}

std::string_view RegTextHelpers::trim(std::string_view text)
{
    text = trimLeft(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int RegTextHelpers::hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<uint32_t> RegTextHelpers::parseHex(std::string_view text, size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    uint32_t number = 0;
    for (char c : text) {
        int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        number = (number << 4) | static_cast<uint32_t>(digit);
    }
    return number;
}

bool RegTextHelpers::consumePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.size() < prefix.size() || !RegistryPath::equalsAsciiIgnoreCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::string RegTextHelpers::excerpt(std::string_view text)
{
    constexpr size_t kMaxShown = 24;
    std::string shown;
    for (size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        shown.push_back(c < 0x20 || c == 0x7F ? '?' : text[i]);
    }
    if (text.size() > kMaxShown)
        shown += "...";
    return shown;
}

std::string RegTextHelpers::describe(std::string_view before, std::string_view text, std::string_view after)
{
    std::string message(before);
    message += excerpt(text);
    message += after;
    return message;
}

std::string RegTextHelpers::lineProblem(std::string_view fileName, size_t lineNumber, std::string_view what)
{
    return std::string(fileName) + ", line " + std::to_string(std::max<size_t>(lineNumber, 1)) + ": " + std::string(what);
}

} // namespace platform
