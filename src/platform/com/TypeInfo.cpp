#include "platform/com/TypeInfo.h"

#include "platform/com/DualInterfaceView.h"
#include "platform/com/HResult.h"
#include "platform/com/TypeLibrary.h"

namespace platform {

namespace {

Status notFound(const std::string& what)
{
    return Status::failure(what + " not found in the type library", TYPE_E_ELEMENTNOTFOUND);
}

} // namespace

TypeInfo::TypeInfo(ComPtr<const TypeLibrary> library, uint32_t index, View view, std::shared_ptr<const TypeInfoData> viewData,
                   std::vector<ForeignReference> foreign)
    : m_library(std::move(library)),
      m_index(index),
      m_view(view),
      m_viewData(std::move(viewData)),
      m_foreign(std::move(foreign)),
      m_data(m_viewData ? m_viewData.get() : &m_library->data().types[index])
{
}

const TypeInfoData& TypeInfo::data() const
{
    return *m_data;
}

const TypeAttributes& TypeInfo::typeAttributes() const
{
    return data().attributes;
}

const std::string& TypeInfo::name() const
{
    return data().name;
}

Result<FuncDesc> TypeInfo::funcDesc(uint32_t index) const
{
    if (index >= data().funcs.size())
        return notFound("Function " + std::to_string(index) + " of " + name());
    return data().funcs[index].desc;
}

Result<VarDesc> TypeInfo::varDesc(uint32_t index) const
{
    if (index >= data().vars.size())
        return notFound("Variable " + std::to_string(index) + " of " + name());
    return data().vars[index].desc;
}

Result<std::vector<std::string>> TypeInfo::names(int32_t memberId, size_t maxNames) const
{
    for (const FuncData& f : data().funcs) {
        if (f.desc.memberId != memberId)
            continue;
        std::vector<std::string> list;
        if (maxNames > 0)
            list.push_back(f.name);
        // Names end at the first parameter stored without one.
        for (size_t i = 0; i < f.paramNames.size() && f.paramNames[i] && list.size() < maxNames; ++i)
            list.push_back(*f.paramNames[i]);
        return list;
    }
    for (const VarData& v : data().vars) {
        if (v.desc.memberId == memberId)
            return maxNames > 0 ? std::vector<std::string>{v.name} : std::vector<std::string>{};
    }
    return notFound("Member id " + std::to_string(memberId) + " of " + name());
}

Result<Documentation> TypeInfo::documentation(int32_t memberId) const
{
    const std::string& helpFile = m_library->data().documentation.helpFile;
    if (memberId == MEMBERID_NIL)
        return Documentation{data().name, data().docString, data().helpContext, helpFile};
    for (const FuncData& f : data().funcs) {
        if (f.desc.memberId == memberId)
            return Documentation{f.name, f.docString, f.helpContext, helpFile};
    }
    for (const VarData& v : data().vars) {
        if (v.desc.memberId == memberId)
            return Documentation{v.name, v.docString, v.helpContext, helpFile};
    }
    return notFound("Member id " + std::to_string(memberId) + " of " + name());
}

Result<uint32_t> TypeInfo::implTypeFlags(uint32_t index) const
{
    if (index >= data().attributes.implTypeCount || index >= data().implTypes.size()) {
        if (index == 0 && data().attributes.typeKind == TypeKind::Dispatch && data().attributes.implTypeCount > 0)
            return 0u;
        return notFound("Implemented type " + std::to_string(index) + " of " + name());
    }
    return data().implTypes[index].flags;
}

Result<HRefType> TypeInfo::refTypeOfImplType(int32_t index) const
{
    const TypeInfoData& d = data();
    if (index == -1) {
        if (m_view == View::Stored)
            return notFound("The other view of " + name() + ", which is not dual,");
        return DualInterfaceView::otherViewHref;
    }
    if (index < 0)
        return notFound("Implemented type " + std::to_string(index) + " of " + name());
    // Every dispinterface is seen as deriving from IDispatch, whatever else it names.
    if (index == 0 && d.attributes.typeKind == TypeKind::Dispatch && d.attributes.implTypeCount > 0 &&
        m_library->data().dispatchHref)
        return *m_library->data().dispatchHref;
    if (uint32_t(index) >= d.attributes.implTypeCount || uint32_t(index) >= d.implTypes.size())
        return notFound("Implemented type " + std::to_string(index) + " of " + name());
    return d.implTypes[size_t(index)].hrefType;
}

Result<ComPtr<TypeInfo>> TypeInfo::refTypeInfo(HRefType hrefType) const
{
    if (hrefType == DualInterfaceView::otherViewHref && m_view != View::Stored)
        return m_library->typeInfoView(m_index, m_view == View::DualDispatch ? TypeInfoView::DualInterface : TypeInfoView::DualDispatch);
    if (hrefType >= DualInterfaceView::firstForeignHref && (hrefType & 1)) {
        const size_t k = (hrefType - DualInterfaceView::firstForeignHref) / 2;
        if (k < m_foreign.size())
            return m_foreign[k].library->typeInfoOfReference(m_foreign[k].hrefType);
    }
    return m_library->typeInfoOfReference(hrefType);
}

const CustomData& TypeInfo::customData() const
{
    return data().customData;
}

Result<CustomData> TypeInfo::funcCustomData(uint32_t index) const
{
    if (index >= data().funcs.size())
        return notFound("Function " + std::to_string(index) + " of " + name());
    return data().funcs[index].customData;
}

Result<CustomData> TypeInfo::paramCustomData(uint32_t funcIndex, uint32_t paramIndex) const
{
    if (funcIndex >= data().funcs.size() || paramIndex >= data().funcs[funcIndex].paramCustomData.size())
        return notFound("Parameter " + std::to_string(paramIndex) + " of function " + std::to_string(funcIndex));
    return data().funcs[funcIndex].paramCustomData[paramIndex];
}

Result<CustomData> TypeInfo::varCustomData(uint32_t index) const
{
    if (index >= data().vars.size())
        return notFound("Variable " + std::to_string(index) + " of " + name());
    return data().vars[index].customData;
}

Result<CustomData> TypeInfo::implTypeCustomData(uint32_t index) const
{
    if (index >= data().implTypes.size())
        return notFound("Implemented type " + std::to_string(index) + " of " + name());
    return data().implTypes[index].customData;
}

void* TypeInfo::interfaceFor(const Guid& requested)
{
    if (requested == IID_ITypeInfo)
        return static_cast<TypeInfo*>(this);
    return ComObject::interfaceFor(requested);
}

} // namespace platform
