#include "model/CControlItem.h"

#include "catalogue/Catalogue.h"
#include "model/CFormModel.h"
#include "model/ILiveControl.h"
#include "model/ValueText.h"

namespace morva {

CControlItem::CControlItem(int32_t kind, int32_t typeCode) : m_nKind(kind), m_nTypeCode(typeCode) {}

CControlItem::~CControlItem() = default;

std::unique_ptr<CControlItem> CControlItem::Clone() const
{
    auto copy = std::make_unique<CControlItem>(m_nKind, m_nTypeCode);
    copy->m_pFormWnd = m_pFormWnd;
    copy->m_strMemberName = m_strMemberName;
    copy->m_strClassName = m_strClassName;
    copy->m_strIdentifierSymbol = m_strIdentifierSymbol;
    copy->m_strPropStringSymbol = m_strPropStringSymbol;
    copy->m_strImplementationFile = m_strImplementationFile;
    copy->m_bIsFormItem = m_bIsFormItem;
    copy->m_nShownPropertyCount = m_nShownPropertyCount;
    copy->m_bArrayMember = m_bArrayMember;
    copy->m_pContainer = m_pContainer;
    copy->m_pControlEntry = m_pControlEntry;
    copy->m_bDrawnAsFrame = m_bDrawnAsFrame;
    copy->m_bChanged = m_bChanged;
    copy->m_bLineFalls = m_bLineFalls;
    // The copied geometry properties are the source's rectangle. Setting it again through
    // SetRect would shift the copy by the menu offset while it is not yet in a form's list.
    for (const auto& property : m_properties)
        copy->AppendProperty(std::make_unique<CControlPropertyItem>(*property));
    copy->m_events = m_events;
    copy->m_methods = m_methods;
    return copy;
}

CControlPropertyItem& CControlItem::AppendProperty(std::unique_ptr<CControlPropertyItem> property)
{
    property->m_pOwner = this;
    m_properties.push_back(std::move(property));
    return *m_properties.back();
}

CControlPropertyItem* CControlItem::FindProperty(std::string_view name) const
{
    for (const auto& property : m_properties)
        if (property->m_strName == name)
            return property.get();
    return nullptr;
}

std::string CControlItem::GetPropertyValue(std::string_view name) const
{
    const CControlPropertyItem* property = FindProperty(name);
    return property ? property->m_strValue : std::string();
}

void CControlItem::SetPropertyValue(std::string_view name, std::string_view value)
{
    if (CControlPropertyItem* property = FindProperty(name))
        property->m_strValue = value;
}

const CCtrlEventMethodItem* CControlItem::FindEvent(std::string_view name) const
{
    for (const auto& event : m_events)
        if (event.m_strName == name)
            return &event;
    return nullptr;
}

bool CControlItem::IsGraphical() const
{
    return m_nKind == kKindIntrinsic && IsGraphicalType(m_nTypeCode);
}

bool CControlItem::IsContainer() const
{
    return IsContainerType(m_nTypeCode);
}

void CControlItem::AssignTabIndexFromOrder()
{
    if (!m_pFormClass)
        return;
    int position = 0;
    for (const auto& item : m_pFormClass->GetItems()) {
        if (item.get() == this)
            break;
        if (!item->IsFormItem())
            ++position;
    }
    SetPropertyValue("TabIndex", std::to_string(position));
}

bool CControlItem::MoveTabIndex(int newIndex)
{
    if (!m_pFormClass || newIndex < 0 || static_cast<size_t>(newIndex) >= m_pFormClass->GetCount())
        return false;
    for (const auto& item : m_pFormClass->GetItems()) {
        if (item.get() == this || item->IsFormItem())
            continue;
        const CControlPropertyItem* tabIndex = item->FindProperty("TabIndex");
        if (tabIndex && IsIntegerText(tabIndex->m_strValue) && ParseIntegerText(tabIndex->m_strValue) == newIndex) {
            item->SetPropertyValue("TabIndex", GetPropertyValue("TabIndex"));
            m_pFormClass->ReportItemChanged(*item);
            break;
        }
    }
    return true;
}

} // namespace morva
