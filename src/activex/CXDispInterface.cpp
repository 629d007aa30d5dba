#include "activex/CXDispInterface.h"

#include "activex/CArchive.h"

namespace morva {

namespace {

// Smallest stored sizes, so that a damaged count is found before anything is allocated.
constexpr size_t kMinPropItemSize = 9 * 1 + 4 + 2 + 4 + 4;
constexpr size_t kMinMethodItemSize = 4 * 1 + 4 + 2 + 4 + 4 + 4 + 4;

} // namespace

void CXDispInterfacePropItem::Serialize(CArchiveWriter& archive) const
{
    archive.WriteString(name);
    archive.WriteString(m_strReserved);
    archive.WriteString(typeText);
    archive.WriteU32(shown ? 1 : 0);
    archive.WriteU16(varType);
    archive.WriteI32(dispId);
    archive.WriteString(docName);
    archive.WriteString(docString);
    archive.WriteString(helpFile);
    archive.WriteI32(helpContext);
    archive.WriteString(paramDecls);
    archive.WriteString(paramVts);
}

bool CXDispInterfacePropItem::Serialize(CArchiveReader& archive)
{
    return archive.ReadString(name) && archive.ReadString(m_strReserved) && archive.ReadString(typeText) &&
           archive.ReadBool32(shown) && archive.ReadU16(varType) && archive.ReadI32(dispId) &&
           archive.ReadString(docName) && archive.ReadString(docString) && archive.ReadString(helpFile) &&
           archive.ReadI32(helpContext) && archive.ReadString(paramDecls) && archive.ReadString(paramVts);
}

void CXDispInterfaceEventMethodItem::Serialize(CArchiveWriter& archive) const
{
    archive.WriteString(name);
    archive.WriteString(returnType);
    archive.WriteString(paramDecls);
    archive.WriteString(paramVts);
    archive.WriteI32(dispId);
    archive.WriteU16(returnVarType);
    archive.WriteI32(m_nParamCount);
    archive.WriteI32(m_nOptionalParamCount);
    archive.WriteU32(uint32_t(m_paramNames.size()));
    for (const std::string& paramName : m_paramNames)
        archive.WriteString(paramName);
    archive.WriteU32(uint32_t(m_paramTypes.size()));
    for (uint32_t type : m_paramTypes)
        archive.WriteU32(type);
}

bool CXDispInterfaceEventMethodItem::Serialize(CArchiveReader& archive)
{
    if (!(archive.ReadString(name) && archive.ReadString(returnType) && archive.ReadString(paramDecls) &&
          archive.ReadString(paramVts) && archive.ReadI32(dispId) && archive.ReadU16(returnVarType) &&
          archive.ReadI32(m_nParamCount) && archive.ReadI32(m_nOptionalParamCount)))
        return false;
    uint32_t count = 0;
    if (!archive.ReadCount(count, 1))
        return false;
    m_paramNames.assign(count, {});
    for (std::string& paramName : m_paramNames)
        if (!archive.ReadString(paramName))
            return false;
    if (!archive.ReadCount(count, 4))
        return false;
    m_paramTypes.assign(count, 0);
    for (uint32_t& type : m_paramTypes)
        if (!archive.ReadU32(type))
            return false;
    return true;
}

void CXDispInterface::Serialize(CArchiveWriter& archive) const
{
    archive.WriteU32(m_bIsDefault ? 1 : 0);
    archive.WriteU32(m_bIsDefaultSource ? 1 : 0);
    archive.WriteString(m_strName);
    archive.WriteI32(m_nPropCount);
    for (const std::string& text : m_reservedTexts)
        archive.WriteString(text);
    archive.WriteI32(m_nReserved);
    archive.WriteI32(m_nTypeIndex);
    archive.WriteU32(uint32_t(m_properties.size()));
    for (const auto& property : m_properties)
        property->Serialize(archive);
    archive.WriteU32(uint32_t(m_methods.size()));
    for (const auto& method : m_methods)
        method->Serialize(archive);
    archive.WriteU32(uint32_t(m_events.size()));
    for (const auto& event : m_events)
        event->Serialize(archive);
}

bool CXDispInterface::Serialize(CArchiveReader& archive)
{
    if (!(archive.ReadBool32(m_bIsDefault) && archive.ReadBool32(m_bIsDefaultSource) &&
          archive.ReadString(m_strName) && archive.ReadI32(m_nPropCount)))
        return false;
    for (std::string& text : m_reservedTexts)
        if (!archive.ReadString(text))
            return false;
    uint32_t count = 0;
    if (!(archive.ReadI32(m_nReserved) && archive.ReadI32(m_nTypeIndex) && archive.ReadCount(count, kMinPropItemSize)))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        auto property = std::make_unique<CXDispInterfacePropItem>(this);
        if (!property->Serialize(archive))
            return false;
        m_properties.push_back(std::move(property));
    }
    for (auto* list : {&m_methods, &m_events}) {
        if (!archive.ReadCount(count, kMinMethodItemSize))
            return false;
        for (uint32_t i = 0; i < count; ++i) {
            auto item = std::make_unique<CXDispInterfaceEventMethodItem>();
            if (!item->Serialize(archive))
                return false;
            list->push_back(std::move(item));
        }
    }
    return true;
}

CXDispInterfacePropItem* CXDispInterface::FindProperty(const std::string& name) const
{
    for (const auto& property : m_properties)
        if (property->name == name)
            return property.get();
    return nullptr;
}

CXDispInterfacePropItem* CXDispInterface::FindPropertyByType(const std::string& typeText) const
{
    for (const auto& property : m_properties)
        if (property->typeText == typeText)
            return property.get();
    return nullptr;
}

CXDispInterfaceEventMethodItem* CXDispInterface::FindMethod(const std::string& name) const
{
    for (const auto& method : m_methods)
        if (method->name == name)
            return method.get();
    return nullptr;
}

} // namespace morva
