#include "platform/com/TypeMatch.h"

#include "platform/com/StandardGuids.h"
#include "platform/com/TypeInfo.h"

namespace platform {

namespace {

bool matches(const TypeInfo& context, const TypeDesc& type, const Guid& guid, uint32_t levels, int depth)
{
    if (depth > TypeMatch::maxAliasDepth)
        return false;
    if (type.vt == VT_PTR)
        return levels > 0 && matches(context, type.pointee(), guid, levels - 1, depth + 1);
    if (type.vt != VT_USERDEFINED)
        return false;
    auto ref = context.refTypeInfo(type.hrefType);
    if (!ref)
        return false;
    const TypeAttributes& a = (*ref)->typeAttributes();
    switch (a.typeKind) {
    case TypeKind::Interface:
    case TypeKind::Dispatch:
        return levels == 0 && a.guid == guid;
    case TypeKind::Alias:
        return matches(**ref, a.aliasType, guid, levels, depth + 1);
    default:
        return false;
    }
}

bool isDirectlyOrThroughPointer(const TypeInfo& context, const TypeDesc& type, const Guid& guid)
{
    return TypeMatch::matchesGuid(context, type, guid, 1) || TypeMatch::matchesGuid(context, type, guid, 0);
}

} // namespace

bool TypeMatch::matchesGuid(const TypeInfo& context, const TypeDesc& type, const Guid& guid, uint32_t indirectionLevels)
{
    return matches(context, type, guid, indirectionLevels, 0);
}

bool TypeMatch::isFontDispatch(const TypeInfo& context, const TypeDesc& type)
{
    return isDirectlyOrThroughPointer(context, type, IID_IFontDisp);
}

bool TypeMatch::isPictureDispatch(const TypeInfo& context, const TypeDesc& type)
{
    return isDirectlyOrThroughPointer(context, type, IID_IPictureDisp);
}

} // namespace platform
