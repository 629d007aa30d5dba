// Bytes as a type library (.tlb bytes, or a PE holding one): load, then walk every type and
// member the way the control walk does, following every reference.
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"
#include "platform/com/TypeMatch.h"

#include <cstddef>
#include <cstdint>

using namespace platform;

namespace {

void walkType(const TypeInfo& info, const TypeDesc& type)
{
    if (type.vt == VT_USERDEFINED) {
        if (auto ref = info.refTypeInfo(type.hrefType))
            (void)(*ref)->typeAttributes();
    }
    (void)TypeMatch::isFontDispatch(info, type);
}

void walk(const TypeInfo& info)
{
    const TypeAttributes& a = info.typeAttributes();
    (void)info.documentation(MEMBERID_NIL);
    walkType(info, a.aliasType);
    for (uint32_t j = 0; j < a.implTypeCount; ++j) {
        (void)info.implTypeFlags(j);
        if (auto href = info.refTypeOfImplType(int32_t(j)))
            (void)info.refTypeInfo(*href);
    }
    if (auto other = info.refTypeOfImplType(-1))
        (void)info.refTypeInfo(*other);
    for (uint32_t i = 0; i < a.funcCount; ++i) {
        auto f = info.funcDesc(i);
        if (!f)
            continue;
        (void)info.names(f->memberId, f->paramCount() + 1);
        (void)info.documentation(f->memberId);
        walkType(info, f->result.type);
        for (const ElemDesc& p : f->params)
            walkType(info, p.type.vt == VT_PTR ? p.type.pointee() : p.type);
    }
    for (uint32_t i = 0; i < a.varCount; ++i) {
        auto v = info.varDesc(i);
        if (!v)
            continue;
        (void)info.names(v->memberId, 1);
        walkType(info, v->type.type);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto lib = TypeLibrary::load(std::span<const uint8_t>(data, size), "fuzz.tlb");
    if (!lib)
        return 0;
    (void)(*lib)->documentation(MEMBERID_NIL);
    for (uint32_t i = 0; i < (*lib)->typeInfoCount(); ++i) {
        (void)(*lib)->typeInfoType(i);
        if (auto info = (*lib)->typeInfo(i))
            walk(**info);
    }
    return 0;
}
