#pragma once

#include "activex/CXDispInterfaceEventMethodItem.h"
#include "activex/CXDispInterfacePropItem.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace morva {

class CToolControlEntry;

// One dispatch interface of a control: its default interface, its default event interface,
// or an interface reached through an object-valued property (a sub-object).
class CXDispInterface {
public:
    explicit CXDispInterface(CToolControlEntry* owner = nullptr) : m_pOwner(owner) {}

    void Serialize(CArchiveWriter& archive) const;
    bool Serialize(CArchiveReader& archive);

    // Exact, case-sensitive look-ups; the first match wins.
    CXDispInterfacePropItem* FindProperty(const std::string& name) const;
    CXDispInterfacePropItem* FindPropertyByType(const std::string& typeText) const;
    CXDispInterfaceEventMethodItem* FindMethod(const std::string& name) const;
    // A collection has a "_NewEnum" method.
    CXDispInterfaceEventMethodItem* FindNewEnumMethod() const { return FindMethod("_NewEnum"); }

    CToolControlEntry* m_pOwner;
    bool m_bIsDefault = false;
    bool m_bIsDefaultSource = false;
    std::string m_strName;
    int32_t m_nPropCount = 0;
    std::vector<std::unique_ptr<CXDispInterfacePropItem>> m_properties;
    std::vector<std::unique_ptr<CXDispInterfaceEventMethodItem>> m_events;
    std::vector<std::unique_ptr<CXDispInterfaceEventMethodItem>> m_methods;
    std::array<std::string, 3> m_reservedTexts;
    int32_t m_nReserved = -1;
    int32_t m_nTypeIndex = -1; // sub-objects: index in the type library
};

} // namespace morva
