#include "model/ValueText.h"

#include <limits>

namespace morva {

int64_t ParseIntegerText(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    constexpr int64_t kLimit = std::numeric_limits<int64_t>::max() / 10 - 10;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > kLimit)
            return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

int32_t ParseInt32Text(std::string_view text)
{
    const int64_t value = ParseIntegerText(text);
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

bool IsIntegerText(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace morva
