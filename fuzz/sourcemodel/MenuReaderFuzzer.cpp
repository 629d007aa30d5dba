// Arbitrary bytes as a resource script (and, split at the first NUL, its resource.h) through the
// menu reader: it stays inside the text and every menu it keeps has entries at a depth of 1 or
// more.

#include "sourcemodel/MenuReader.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view script = input.substr(0, split);
    const std::string_view header = split == std::string_view::npos ? input : input.substr(split + 1);
    for (const morva::CMenuResource& menu : morva::ReadMenuResources(script, header)) {
        if (menu.m_items.empty() || menu.m_strSymbol.empty())
            std::abort();
        for (const morva::CMenuResourceItem& item : menu.m_items)
            if (item.m_nDepth < 1 || item.m_strCaption.size() > script.size())
                std::abort();
    }
    return 0;
}
