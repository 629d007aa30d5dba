#include "platform/com/DualInterfaceView.h"

#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <vector>

namespace platform {

namespace {

constexpr uint16_t kDispatchVtableEntries = 7; // IUnknown's three and IDispatch's four

// A function of a vtable as a dispinterface offers it: a trailing [retval] parameter
// becomes the result, and otherwise the result (an HRESULT) is hidden.
FuncData toDispatchForm(FuncData func)
{
    FuncDesc& d = func.desc;
    d.funcKind = FuncKind::Dispatch;
    d.callConv = CallConv::StdCall;
    if (!d.params.empty() && (d.params.back().paramFlags & ParamFlags::Retval) && d.params.back().type.vt == VT_PTR) {
        d.result = ElemDesc{d.params.back().type.pointee(), 0, std::nullopt};
        d.params.pop_back();
        if (func.paramNames.size() > d.params.size())
            func.paramNames.resize(d.params.size());
        if (func.paramCustomData.size() > d.params.size())
            func.paramCustomData.resize(d.params.size());
    } else {
        d.result = ElemDesc{TypeDesc{VT_VOID, nullptr, {}, 0}, 0, std::nullopt};
    }
    return func;
}

// Renumbers the user-defined references of a type description taken from another library.
class ForeignRenumbering {
public:
    ForeignRenumbering(ComPtr<const TypeLibrary> library, std::vector<ForeignReference>& foreign)
        : m_library(std::move(library)), m_foreign(foreign)
    {
    }

    void apply(FuncData& func)
    {
        func.desc.result.type = renumber(func.desc.result.type);
        for (ElemDesc& p : func.desc.params)
            p.type = renumber(p.type);
    }

private:
    TypeDesc renumber(const TypeDesc& type)
    {
        TypeDesc copy = type;
        if (type.vt == VT_USERDEFINED) {
            copy.hrefType = DualInterfaceView::firstForeignHref + HRefType(2 * m_foreign.size());
            m_foreign.push_back({m_library, type.hrefType});
        }
        if (type.target)
            copy.target = std::make_shared<const TypeDesc>(renumber(*type.target));
        return copy;
    }

    ComPtr<const TypeLibrary> m_library;
    std::vector<ForeignReference>& m_foreign;
};

// One type of a base chain: the library that holds it (kept alive) and its stored data.
struct ChainLink {
    ComPtr<const TypeLibrary> library;
    const TypeInfoData* type = nullptr;
};

// The stored type a reference of `library` names, in whichever library holds it.
std::optional<ChainLink> resolve(const ComPtr<const TypeLibrary>& library, HRefType href)
{
    auto location = library->locateReference(href);
    if (!location)
        return std::nullopt;
    return ChainLink{location->library, &location->library->data().types[location->index]};
}

} // namespace

DualViewData DualInterfaceView::dispatchView(const TypeLibrary& library, uint32_t index)
{
    const ComPtr<const TypeLibrary> own(&library);
    const TypeInfoData& stored = library.data().types[index];

    // The bases, nearest first: each is an interface (or the interface side of a dual one).
    std::vector<ChainLink> bases;
    ChainLink current{own, &stored};
    for (int depth = 0; depth < maxBaseDepth && !current.type->implTypes.empty(); ++depth) {
        auto base = resolve(current.library, current.type->implTypes.front().hrefType);
        if (!base)
            break;
        bases.push_back(*base);
        current = *base;
    }

    auto view = std::make_shared<TypeInfoData>(stored);
    DualViewData result;
    view->funcs.clear();
    for (auto it = bases.rbegin(); it != bases.rend(); ++it) {
        for (const FuncData& f : it->type->funcs) {
            FuncData func = toDispatchForm(f);
            if (it->library != own)
                ForeignRenumbering(it->library, result.foreign).apply(func);
            view->funcs.push_back(std::move(func));
        }
    }
    for (const FuncData& f : stored.funcs)
        view->funcs.push_back(toDispatchForm(f));
    view->attributes.funcCount = uint16_t(view->funcs.size());
    const uint16_t pointerSize = library.attributes().sysKind == SysKind::Win64 ? 8 : 4;
    view->attributes.vtableSize = uint16_t(kDispatchVtableEntries * pointerSize);
    result.type = std::move(view);
    return result;
}

std::shared_ptr<const TypeInfoData> DualInterfaceView::interfaceView(const TypeLibrary& library, uint32_t index)
{
    auto view = std::make_shared<TypeInfoData>(library.data().types[index]);
    view->attributes.typeKind = TypeKind::Interface;
    return view;
}

} // namespace platform
