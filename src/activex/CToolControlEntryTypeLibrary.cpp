// The walk of a control's type library that builds its dispatch model.

#include "activex/CToolControlEntry.h"
#include "activex/NamingTables.h"
#include "platform/base/FileSystem.h"
#include "platform/com/StandardGuids.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeMatch.h"

#include <array>
#include <string_view>

namespace morva {

using platform::ComPtr;
using platform::TypeDesc;
using platform::TypeInfo;
using platform::TypeKind;

namespace {

constexpr uint32_t kVtByRef = 0x4000;
constexpr int32_t kDispIdHwnd = -515;
// User-defined types resolved at most this deep, so that a cycle of aliases ends.
constexpr int kMaxResolveDepth = 16;

// What a user-defined type stands for.
struct Resolved {
    uint16_t vt = 0;
    bool isDispatch = false;
};

// Members of IUnknown and IDispatch that a dual interface's dispatch view may list.
bool IsPlumbing(std::string_view name)
{
    constexpr std::array<std::string_view, 7> names{"QueryInterface", "AddRef", "Release", "GetTypeInfoCount",
                                                    "GetTypeInfo", "GetIDsOfNames", "Invoke"};
    for (std::string_view plumbing : names)
        if (name == plumbing)
            return true;
    return false;
}

// The type a user-defined description names: an enumeration's constant type, an alias's
// aliased type, VT_DISPATCH for an interface, dispinterface or coclass of one. A reference
// that cannot be followed leaves the VT as it is.
Resolved ResolveUserDefined(const TypeInfo& context, const TypeDesc& type, int depth = 0)
{
    Resolved resolved{type.vt, false};
    if (depth > kMaxResolveDepth)
        return resolved;
    auto referenced = context.refTypeInfo(type.hrefType);
    if (!referenced)
        return resolved;
    const TypeInfo& info = **referenced;
    const platform::TypeAttributes& attributes = info.typeAttributes();
    switch (attributes.typeKind) {
    case TypeKind::Enum:
        if (attributes.varCount > 0) {
            if (auto constant = info.varDesc(0); constant && constant->value) {
                resolved.vt = constant->value->type();
                // An enumeration is a 32-bit integer; some compilers type its constants as
                // VT_INT / VT_UINT, which are the same on the target.
                if (resolved.vt == platform::VT_INT)
                    resolved.vt = platform::VT_I4;
                else if (resolved.vt == platform::VT_UINT)
                    resolved.vt = platform::VT_UI4;
            }
        }
        break;
    case TypeKind::Alias:
        if (attributes.aliasType.vt == platform::VT_USERDEFINED)
            return ResolveUserDefined(info, attributes.aliasType, depth + 1);
        resolved.vt = attributes.aliasType.vt;
        break;
    case TypeKind::Interface:
    case TypeKind::Dispatch:
        resolved = {platform::VT_DISPATCH, true};
        break;
    case TypeKind::Coclass:
        if (attributes.implTypeCount > 0) {
            auto href = info.refTypeOfImplType(0);
            auto first = href ? info.refTypeInfo(*href) : platform::Result<ComPtr<TypeInfo>>::failure("");
            if (first && (*first)->typeAttributes().typeKind == TypeKind::Dispatch)
                resolved = {platform::VT_DISPATCH, true};
        }
        break;
    default:
        break;
    }
    return resolved;
}

// Strips pointer levels (counted in `stars`), resolving a user-defined base.
Resolved ResolveThroughPointers(const TypeInfo& context, const TypeDesc& type, int* stars = nullptr)
{
    const TypeDesc* base = &type;
    int levels = 0;
    while (base->vt == platform::VT_PTR && levels < kMaxResolveDepth) {
        base = &base->pointee();
        ++levels;
    }
    if (stars)
        *stars = levels;
    if (base->vt == platform::VT_USERDEFINED)
        return ResolveUserDefined(context, *base);
    return {base->vt, false};
}

// The texts of one parameter, by the rules the wrapper code is generated from.
struct ParameterText {
    std::string declaration;
    std::string vts;
    uint32_t vt = 0;
};

ParameterText DescribeParameter(const TypeInfo& context, const TypeDesc& type, const std::string& name)
{
    ParameterText parameter;
    std::string typeText;
    std::string stars;
    if (platform::TypeMatch::isFontDispatch(context, type) || platform::TypeMatch::isPictureDispatch(context, type)) {
        typeText = "LPDISPATCH";
        parameter.vt = platform::VT_DISPATCH;
    } else {
        const TypeDesc* base = &type;
        while (base->vt == platform::VT_PTR && stars.size() < size_t(kMaxResolveDepth)) {
            base = &base->pointee();
            stars += '*';
        }
        parameter.vt = base->vt;
        if (base->vt == platform::VT_USERDEFINED) {
            auto referenced = context.refTypeInfo(base->hrefType);
            if (referenced) {
                const platform::TypeAttributes& attributes = (*referenced)->typeAttributes();
                const Resolved resolved = ResolveUserDefined(context, *base);
                if (attributes.typeKind == TypeKind::Coclass && resolved.isDispatch) {
                    typeText = "IDispatch";
                    parameter.vt = platform::VT_DISPATCH;
                } else if (attributes.typeKind == TypeKind::Alias) {
                    typeText = CppTypeName(resolved.vt);
                    parameter.vt = resolved.vt;
                }
            }
        } else if (base->vt == platform::VT_BSTR && !stars.empty()) {
            // A by-reference string is a BSTR the callee may replace, not a CString.
            typeText = "BSTR";
        } else {
            typeText = CppTypeName(base->vt);
        }
    }
    if (!typeText.empty() && typeText != "void") {
        parameter.vts = VtsName(typeText + stars);
        if (!stars.empty())
            parameter.vt |= kVtByRef;
    }
    parameter.declaration = typeText + stars + " " + name;
    return parameter;
}

} // namespace

// One run of ReadTypeLibrary: the library, the entry and the steps of the walk.
class CToolControlEntry::Walk {
public:
    Walk(CToolControlEntry& entry, const platform::TypeLibrary& library) : m_entry(entry), m_library(library) {}

    bool ReadCoclass(uint32_t index, const TypeInfo& coclass)
    {
        const uint16_t implCount = coclass.typeAttributes().implTypeCount;
        for (uint16_t j = 0; j < implCount; ++j) {
            auto flags = coclass.implTypeFlags(j);
            if (!flags)
                return false;
            const uint32_t kind = *flags & 7;
            if (kind != 1 && kind != 3)
                continue; // restricted or not default
            auto href = coclass.refTypeOfImplType(j);
            if (!href)
                return false;
            auto referenced = coclass.refTypeInfo(*href);
            if (!referenced)
                return false;
            ComPtr<TypeInfo> info = DispatchViewOf(*referenced);
            auto name = m_library.documentation(int32_t(index));
            if (!name)
                return false;
            auto dispInterface = std::make_unique<CXDispInterface>(&m_entry);
            dispInterface->m_bIsDefault = kind == 1;
            dispInterface->m_bIsDefaultSource = kind == 3;
            dispInterface->m_strName = name->name;
            CXDispInterface& added = *dispInterface;
            m_entry.m_interfaces.push_back(std::move(dispInterface));
            if (kind == 1)
                ReadPropertiesAndMethods(added, *info);
            else
                ReadEvents(added, *info);
        }
        return true;
    }

    // Reads the sub-object interfaces found so far, again while reading them finds more.
    bool ReadSubObjects()
    {
        size_t known = 0;
        while (known != m_entry.m_interfaces.size()) {
            known = m_entry.m_interfaces.size();
            for (size_t i = size_t(std::max(m_entry.m_nInterfaceCursor, 0)); i < m_entry.m_interfaces.size(); ++i) {
                CXDispInterface& dispInterface = *m_entry.m_interfaces[i];
                if (dispInterface.m_bIsDefault || dispInterface.m_bIsDefaultSource)
                    continue;
                m_entry.m_nInterfaceCursor = int32_t(i + 1);
                auto info = m_library.typeInfo(uint32_t(dispInterface.m_nTypeIndex));
                if (!info)
                    return false;
                ReadPropertiesAndMethods(dispInterface, **info);
            }
        }
        return true;
    }

private:
    // A dual interface named by a coclass is read through its dispatch view, which lists
    // its members as dispatch members.
    static ComPtr<TypeInfo> DispatchViewOf(const ComPtr<TypeInfo>& info)
    {
        const platform::TypeAttributes& attributes = info->typeAttributes();
        if (attributes.typeKind == TypeKind::Interface && (attributes.typeFlags & platform::TypeFlags::Dual)) {
            if (auto href = info->refTypeOfImplType(-1))
                if (auto view = info->refTypeInfo(*href))
                    return *view;
        }
        return info;
    }

    void ReadPropertiesAndMethods(CXDispInterface& dispInterface, const TypeInfo& info)
    {
        const platform::TypeAttributes& attributes = info.typeAttributes();
        for (uint16_t i = 0; i < attributes.varCount; ++i) {
            auto var = info.varDesc(i);
            if (!var || var->memberId == kDispIdHwnd)
                continue;
            auto names = info.names(var->memberId, 1);
            if (!names || names->empty())
                continue;
            const std::string& name = names->front();
            if (name == "Left" || name == "Top" || name == "Width" || name == "Height")
                continue;
            if (!dispInterface.FindProperty(name))
                AddProperty(dispInterface, info, name, var->memberId, var->type.type);
        }
        for (uint16_t i = 0; i < attributes.funcCount; ++i) {
            auto func = info.funcDesc(i);
            if (!func)
                continue;
            if (func->invokeKind == platform::InvokeKind::PropertyGet ||
                func->invokeKind == platform::InvokeKind::PropertyPut) {
                auto names = info.names(func->memberId, func->paramCount() + 1);
                if (!names || names->empty())
                    continue;
                if (dispInterface.FindProperty(names->front()) || func->result.type.vt == platform::VT_VOID)
                    continue;
                CXDispInterfacePropItem& property =
                    AddProperty(dispInterface, info, names->front(), func->memberId, func->result.type);
                if (func->paramCount() > 0)
                    DescribeParameters(info, *func, *names, property.paramDecls, property.paramVts, nullptr);
            } else if (func->invokeKind == platform::InvokeKind::Func && func->funcKind == platform::FuncKind::Dispatch) {
                auto method = BuildMethod(info, *func);
                if (method && !dispInterface.FindMethod(method->name)) {
                    method->m_nParamCount = int32_t(func->paramCount());
                    method->m_nOptionalParamCount = func->optionalParamCount;
                    dispInterface.m_methods.push_back(std::move(method));
                }
            }
        }
    }

    void ReadEvents(CXDispInterface& dispInterface, const TypeInfo& info)
    {
        for (uint16_t i = 0; i < info.typeAttributes().funcCount; ++i) {
            auto func = info.funcDesc(i);
            if (!func)
                continue;
            if (auto event = BuildMethod(info, *func))
                dispInterface.m_events.push_back(std::move(event));
        }
    }

    CXDispInterfacePropItem& AddProperty(CXDispInterface& dispInterface, const TypeInfo& info, const std::string& name,
                                         int32_t memberId, const TypeDesc& type)
    {
        auto property = std::make_unique<CXDispInterfacePropItem>(&dispInterface);
        property->name = name;
        property->dispId = memberId;
        property->varType = type.vt;
        Resolved resolved{type.vt, false};
        if (type.vt == platform::VT_USERDEFINED) {
            resolved = ResolveUserDefined(info, type);
            if (resolved.vt == platform::VT_I4 || resolved.vt == platform::VT_UI4)
                property->typeText = "COLORREF";
        } else if (type.vt == platform::VT_PTR) {
            resolved = ResolveThroughPointers(info, type);
        }
        if (resolved.isDispatch)
            property->typeText = DispatchTypeText(info, type);
        property->varType = resolved.vt;
        if (property->typeText.empty())
            property->typeText = CppTypeName(resolved.vt);
        if (auto doc = info.documentation(memberId)) {
            property->docName = doc->name;
            property->docString = doc->docString;
            property->helpContext = int32_t(doc->helpContext);
            property->helpFile = doc->helpFile;
        }
        ++dispInterface.m_nPropCount;
        dispInterface.m_properties.push_back(std::move(property));
        return *dispInterface.m_properties.back();
    }

    std::unique_ptr<CXDispInterfaceEventMethodItem> BuildMethod(const TypeInfo& info, const platform::FuncDesc& func)
    {
        auto names = info.names(func.memberId, func.paramCount() + 1);
        if (!names || names->empty() || IsPlumbing(names->front()))
            return nullptr;
        auto method = std::make_unique<CXDispInterfaceEventMethodItem>();
        method->dispId = func.memberId;
        method->name = names->front();
        const Resolved result = ResolveThroughPointers(info, func.result.type);
        method->returnType = CppTypeName(result.vt);
        if (method->returnType == "LPDISPATCH")
            method->returnType = DispatchTypeText(info, func.result.type);
        method->returnVarType = result.vt;
        DescribeParameters(info, func, *names, method->paramDecls, method->paramVts, method.get());
        if (func.paramCount() == 0)
            method->paramVts = "VTS_NONE";
        return method;
    }

    static void DescribeParameters(const TypeInfo& info, const platform::FuncDesc& func,
                                   const std::vector<std::string>& names, std::string& declarations,
                                   std::string& vtsList, CXDispInterfaceEventMethodItem* method)
    {
        for (size_t k = 1; k <= func.paramCount(); ++k) {
            // A library may leave parameters unnamed; the generated code still needs a name.
            const std::string name = k < names.size() && !names[k].empty() ? names[k] : "param" + std::to_string(k);
            const ParameterText parameter = DescribeParameter(info, func.params[k - 1].type, name);
            if (!declarations.empty())
                declarations += ", ";
            declarations += parameter.declaration;
            vtsList += parameter.vts + " ";
            if (method) {
                method->m_paramNames.push_back(name);
                method->m_paramTypes.push_back(parameter.vt);
            }
        }
    }

    // "Font", "Picture", a sub-object dispinterface's name (added to the entry's interfaces
    // once), or "LPDISPATCH".
    std::string DispatchTypeText(const TypeInfo& info, const TypeDesc& type)
    {
        if (platform::TypeMatch::isFontDispatch(info, type))
            return "Font";
        if (platform::TypeMatch::isPictureDispatch(info, type))
            return "Picture";
        for (uint32_t i = 0; i < m_library.typeInfoCount(); ++i) {
            auto kind = m_library.typeInfoType(i);
            if (!kind)
                continue;
            const platform::TypeAttributes& stored = m_library.data().types[i].attributes;
            const bool dispatchable =
                *kind == TypeKind::Dispatch ||
                (*kind == TypeKind::Interface && (stored.typeFlags & platform::TypeFlags::Dual));
            if (!dispatchable || !platform::TypeMatch::matchesGuid(info, type, stored.guid, 1))
                continue;
            auto doc = m_library.documentation(int32_t(i));
            if (!doc)
                continue;
            if (!m_entry.FindInterface(doc->name)) {
                auto dispInterface = std::make_unique<CXDispInterface>(&m_entry);
                dispInterface->m_strName = doc->name;
                dispInterface->m_nTypeIndex = int32_t(i);
                m_entry.m_interfaces.push_back(std::move(dispInterface));
            }
            return doc->name;
        }
        return "LPDISPATCH";
    }

    CToolControlEntry& m_entry;
    const platform::TypeLibrary& m_library;
};

bool CToolControlEntry::ReadTypeLibrary(const platform::FileSystem& fileSystem,
                                        std::shared_ptr<const platform::TypeLibraryResolver> resolver, bool walkAll)
{
    auto library = platform::TypeLibrary::loadFile(fileSystem, m_strServerPath, std::move(resolver));
    if (!library)
        return false;
    return ReadTypeLibrary(*library, walkAll);
}

bool CToolControlEntry::ReadTypeLibrary(platform::ComPtr<platform::TypeLibrary> library, bool walkAll)
{
    if (!library)
        return false;
    m_pTypeLib = std::move(library);
    // Released on every way out: the pointer lives only during the walk.
    struct Release {
        ComPtr<platform::TypeLibrary>& pointer;
        ~Release() { pointer = nullptr; }
    } release{m_pTypeLib};

    const auto clsid = platform::Guid::parse(m_strClsid.substr(0, 128));
    if (!clsid)
        return false;
    Walk walk(*this, *m_pTypeLib);
    m_nTypeInfoCount = m_pTypeLib->typeInfoCount();
    for (uint32_t i = 0; i < m_nTypeInfoCount; ++i) {
        auto kind = m_pTypeLib->typeInfoType(i);
        if (!kind || *kind != TypeKind::Coclass)
            continue;
        auto coclass = m_pTypeLib->typeInfo(i);
        if (!coclass)
            return false;
        if ((*coclass)->typeAttributes().guid != *clsid)
            continue;
        if (!walk.ReadCoclass(i, **coclass))
            return false;
    }
    if (auto doc = m_pTypeLib->documentation(platform::MEMBERID_NIL)) {
        m_strLibName = doc->name;
        m_strLibDoc = doc->docString;
        m_nHelpContext = int32_t(doc->helpContext);
        m_strHelpFile = doc->helpFile;
    }
    if (walkAll && !walk.ReadSubObjects())
        return false;
    return true;
}

} // namespace morva
