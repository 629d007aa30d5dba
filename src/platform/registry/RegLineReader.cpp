#include "platform/registry/RegLineReader.h"

#include "platform/registry/RegTextHelpers.h"

namespace platform {

bool RegLineReader::next(std::string_view& line)
{
    if (m_position >= m_text.size())
        return false;
    size_t end = m_text.find('\n', m_position);
    if (end == std::string_view::npos)
        end = m_text.size();
    line = m_text.substr(m_position, end - m_position);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    m_position = end + 1;
    ++m_lineNumber;
    return true;
}

std::optional<std::string> RegLineReader::readHexBytes(std::string_view first, std::string& bytes)
{
    std::string_view segment = first;
    while (true) {
        segment = RegTextHelpers::trim(segment);
        bool continued = !segment.empty() && segment.back() == '\\';
        if (continued)
            segment = RegTextHelpers::trim(segment.substr(0, segment.size() - 1));

        // "xx,xx,xx" with an optional comma at the end of the line.
        size_t start = 0;
        while (start < segment.size()) {
            size_t comma = segment.find(',', start);
            std::string_view token = RegTextHelpers::trim(
                segment.substr(start, comma == std::string_view::npos ? comma : comma - start));
            auto byte = RegTextHelpers::parseHex(token, 2);
            if (!byte) {
                if (token.empty())
                    return std::string("a byte is missing between two commas");
                return RegTextHelpers::describe("'", token, "' is not a byte in hex (00 to ff)");
            }
            bytes.push_back(static_cast<char>(*byte));
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }

        if (!continued)
            return std::nullopt;
        if (!next(segment))
            return std::string("the file ends inside a value continued with a backslash");
    }
}

std::optional<std::string> RegLineReader::readNumericValue(std::string_view rest, std::string_view expectedForms,
                                                       RegistryValue& value)
{
    using Helpers = RegTextHelpers;
    if (Helpers::consumePrefix(rest, "dword:")) {
        auto number = Helpers::parseHex(Helpers::trim(rest), 8);
        if (!number)
            return Helpers::describe("'", Helpers::trim(rest), "' is not a 32-bit number in hex (1 to 8 digits)");
        value = RegistryValue::fromDword(*number);
        return std::nullopt;
    }
    uint32_t type = RegistryValue::Binary;
    if (Helpers::consumePrefix(rest, "hex(")) {
        size_t close = rest.find("):");
        auto number = close == std::string_view::npos ? std::nullopt : Helpers::parseHex(rest.substr(0, close), 8);
        if (!number)
            return std::string("hex( is not followed by a value type in hex and \"):\"");
        type = *number;
        rest.remove_prefix(close + 2);
    } else if (!Helpers::consumePrefix(rest, "hex:")) {
        return Helpers::describe("unknown value data '", rest, "' (expected " + std::string(expectedForms) + ")");
    }
    std::string bytes;
    if (auto problem = readHexBytes(rest, bytes))
        return problem;
    value = RegistryValue(type, std::move(bytes));
    return std::nullopt;
}

} // namespace platform
