#include "codegen/ReplaceAll.h"

namespace morva {

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replace)
{
    size_t match = find.empty() ? std::string_view::npos : text.find(find);
    if (match == std::string_view::npos)
        return std::string(text);

    // Size the output once: a growing text would be copied again at every reallocation.
    size_t size = text.size();
    if (replace.size() > find.size()) {
        size_t count = 0;
        for (size_t at = match; at != std::string_view::npos; at = text.find(find, at + find.size()))
            ++count;
        size += count * (replace.size() - find.size());
    }
    std::string out;
    out.reserve(size);
    size_t from = 0;
    while (match != std::string_view::npos) {
        out.append(text, from, match - from);
        out.append(replace);
        from = match + find.size();
        match = text.find(find, from);
    }
    out.append(text, from, std::string_view::npos);
    return out;
}

} // namespace morva
