#include "sourcemodel/MessageMapEntry.h"

#include "sourcemodel/CppScanner.h"

#include <cctype>
#include <vector>

namespace morva {

namespace {

std::string Upper(std::string_view text)
{
    std::string result;
    for (char c : text)
        result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// "LBUTTONDOWN" -> "Lbuttondown": a readable fallback when the class has no such function.
std::string HandlerNameFor(std::string_view message)
{
    std::string name = "On";
    bool start = true;
    for (char c : message.substr(3)) {
        if (c == '_') {
            start = true;
            continue;
        }
        const unsigned char u = static_cast<unsigned char>(c);
        name += static_cast<char>(start ? std::toupper(u) : std::tolower(u));
        start = false;
    }
    return name;
}

std::vector<std::string> SplitArguments(std::string_view text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',') {
            parts.emplace_back(TrimSpaces(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

std::string_view NotificationClass(std::string_view code)
{
    static constexpr std::string_view kPrefixes = "_STN_EN_BN_LBN_CLBN_CBN_NM_TVN_TCN_LVN_UDN_";
    const size_t underscore = code.find('_');
    if (underscore == std::string_view::npos || underscore == 0)
        return {};
    const std::string enclosed = "_" + std::string(code.substr(0, underscore)) + "_";
    if (kPrefixes.find(enclosed) == std::string_view::npos)
        return {};
    if (enclosed == "_STN_")
        return "CStatic";
    if (enclosed == "_BN_")
        return "CButton";
    if (enclosed == "_EN_")
        return "CEdit";
    if (enclosed == "_LBN_")
        return "CListBox";
    if (enclosed == "_CLBN_")
        return "CCheckListBox";
    if (enclosed == "_CBN_")
        return "CComboBox";
    return {}; // a notification, but of no particular class
}

} // namespace

bool ParseMessageMapEntry(std::string_view entry, MessageMapEntry& result)
{
    result = {};
    entry = TrimSpaces(entry);
    if (entry.substr(0, 3) != "ON_")
        return false;
    const size_t open = entry.find('(');
    if (open == std::string_view::npos)
        return false;
    const size_t close = entry.rfind(')');
    const std::string_view code = TrimSpaces(entry.substr(3, open - 3));
    const std::string_view arguments =
        close == std::string_view::npos || close < open ? entry.substr(open + 1) : entry.substr(open + 1, close - open - 1);
    const std::vector<std::string> parts = SplitArguments(arguments);
    if (code.substr(0, 3) == "WM_" && TrimSpaces(arguments).empty()) {
        result.m_strMessage = std::string(code);
        result.m_strHandler = HandlerNameFor(code);
        result.m_bWindowMessage = true;
        return true;
    }
    result.m_strMessage = std::string(code);
    result.m_strNotificationClass = std::string(NotificationClass(code));
    if (code == "EVENT") {
        // ON_EVENT(class, identifier, dispatch id, handler, parameter types)
        if (parts.size() >= 4) {
            result.m_strControlId = parts[1];
            result.m_strHandler = parts[3];
        }
        return true;
    }
    const size_t comma = arguments.find(',');
    if (comma != std::string_view::npos) {
        result.m_strControlId = std::string(TrimSpaces(arguments.substr(0, comma)));
        result.m_strHandler = std::string(TrimSpaces(arguments.substr(comma + 1)));
    }
    return true;
}

bool IsWindowMessageHandler(std::string_view function, std::string_view message)
{
    if (message.substr(0, 3) != "WM_")
        return false;
    std::string expected = "ON";
    for (char c : message.substr(3))
        if (c != '_')
            expected += c;
    return Upper(function) == Upper(expected);
}

} // namespace morva
