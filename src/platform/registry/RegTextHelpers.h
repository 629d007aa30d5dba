#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Small scanning helpers shared by the registry file readers.
class RegTextHelpers {
public:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static std::string_view trimLeft(std::string_view text);
    static std::string_view trim(std::string_view text);
    static int hexDigit(char c); // -1 when not a hex digit
    // 1 to `maxDigits` hex digits making up all of `text`.
    static std::optional<uint32_t> parseHex(std::string_view text, size_t maxDigits);
    // Strips `prefix` (ASCII, ignoring case) from the front of `text`.
    static bool consumePrefix(std::string_view& text, std::string_view prefix);
    // The start of a text, shortened and with control characters shown as '?', for messages.
    static std::string excerpt(std::string_view text);
    // `before` + excerpt(text) + `after`, for messages about a piece of the file.
    static std::string describe(std::string_view before, std::string_view text, std::string_view after);
    // "<file>, line <n>: <what>", the message of a file that cannot be read.
    static std::string lineProblem(std::string_view fileName, size_t lineNumber, std::string_view what);
};

} // namespace platform
