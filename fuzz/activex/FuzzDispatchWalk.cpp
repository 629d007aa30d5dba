// Bytes as a control's type library (a .tlb file or a module holding one): every coclass it
// describes is walked in full. A hostile library may give any model, never a crash or a hang.

#include "activex/CToolControlEntry.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto library = platform::TypeLibrary::load(std::span<const uint8_t>(data, size), "fuzz.tlb");
    if (!library)
        return 0;
    for (uint32_t i = 0; i < (*library)->typeInfoCount(); ++i) {
        auto kind = (*library)->typeInfoType(i);
        if (!kind || *kind != platform::TypeKind::Coclass)
            continue;
        auto coclass = (*library)->typeInfo(i);
        if (!coclass)
            continue;
        morva::CToolControlEntry entry;
        entry.m_strClsid = (*coclass)->typeAttributes().guid.toRegistryString();
        (void)entry.ReadTypeLibrary(*library, true);
    }
    return 0;
}
