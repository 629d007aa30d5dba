// Arbitrary bytes as the text form of a GUID: whatever parses formats back to the same text.
#include "platform/base/Guid.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using platform::Guid;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto guid = Guid::parse(text);
    if (!guid)
        return 0;
    std::string upper = text;
    for (char& c : upper)
        c = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    if (upper != guid->toString() && upper != guid->toRegistryString())
        std::abort();
    if (Guid::fromBytes(guid->toBytes().data()) != *guid)
        std::abort();
    return 0;
}
