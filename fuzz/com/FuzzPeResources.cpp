// Bytes as a Windows module: the resource walk, then TYPELIB and BITMAP extraction.
#include "platform/com/Module.h"
#include "platform/com/TypeLibrary.h"

#include <cstddef>
#include <cstdint>

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto module = Module::fromBytes(std::vector<uint8_t>(data, data + size));
    if (!module)
        return 0;
    if (auto list = module->image().listResources()) {
        for (const PeResourceEntry& e : *list) {
            if (e.type.isNumber() && e.type.id() == RT_BITMAP)
                (void)module->loadBitmap(e.name);
        }
    }
    for (uint16_t id : {1, 2, 3})
        (void)module->loadBitmap(id);
    (void)TypeLibrary::load(module->fileBytes(), "fuzz.ocx");
    return 0;
}
