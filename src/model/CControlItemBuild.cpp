#include "model/CControlItem.h"

#include "catalogue/Catalogue.h"
#include "catalogue/DefinitionLine.h"
#include "model/CFormModel.h"
#include "model/IActiveXControlEntry.h"

#include <algorithm>
#include <cctype>

namespace morva {

namespace {

// The font's size and styles are edited through the Font row, so they are not listed.
bool IsFontDetail(std::string_view name)
{
    return name == "FontSize" || name == "FontItalic" || name == "FontBold" || name == "FontUnderline" ||
           name == "FontStrikethru";
}

// BackColor defaults differ from the common table's white for forms and most controls.
const char* BackColorDefault(int32_t kind, int32_t typeCode, bool isMdiForm)
{
    if (kind == kKindForm)
        return isMdiForm ? "8421504" : "12632256";
    switch (typeCode) {
    case kTypePictureBox:
    case kTypeLabel:
    case kTypeFrame:
    case kTypeButton:
    case kTypeCheckBox:
    case kTypeOptionButton:
        return "12632256";
    default:
        return nullptr;
    }
}

bool HasThreeDropModes(int32_t typeCode)
{
    return typeCode == kTypePictureBox || typeCode == kTypeTextBox || typeCode == kTypeImage;
}

CCtrlEventMethodItem EventFromDefinition(std::string_view line)
{
    EventDefinition definition = ParseEventDefinition(line);
    CCtrlEventMethodItem event;
    event.m_strReturnType = std::move(definition.returnType);
    event.m_strName = std::move(definition.name);
    event.m_strParamDecls = std::move(definition.parameters);
    return event;
}

CCtrlEventMethodItem MemberFromDispatch(const DispatchMemberInfo& member)
{
    CCtrlEventMethodItem item;
    item.m_strReturnType = member.returnType;
    item.m_strName = member.name;
    item.m_strParamDecls = member.paramDecls;
    item.m_strParamVts = member.paramVts;
    item.m_nDispId = member.dispId;
    item.m_nReturnVarType = member.returnVarType;
    return item;
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

bool CControlItem::IsMdiFormItem() const
{
    if (m_nKind != kKindForm)
        return false;
    return m_pFormClass ? m_pFormClass->IsMdiForm() : m_strClassName == "CXMdiForm";
}

void CControlItem::BuildPropertyList()
{
    if (!m_properties.empty())
        return;
    if (m_nKind == kKindActiveX) {
        AddActiveXGeometry();
        return;
    }
    std::string_view ownTable;
    if (m_nKind == kKindForm)
        ownTable = GetFormPropertyTable(IsMdiFormItem());
    else if (m_nKind == kKindIntrinsic && IsIntrinsicTypeCode(m_nTypeCode))
        ownTable = GetPropertyTable(m_nTypeCode);
    else
        return; // other kinds and unknown type codes have no tables

    // The count is kept only when the item starts from nothing.
    const bool countShown = m_nShownPropertyCount == 0;
    if (m_nKind == kKindForm || (m_nTypeCode != kTypeTimer && m_nTypeCode != kTypeLine))
        AppendCatalogueProperties(GetCommonPropertyTable(), countShown);
    AppendCatalogueProperties(ownTable, countShown);
    AssignDisplayPositions();
}

void CControlItem::AppendCatalogueProperties(std::string_view table, bool countShown)
{
    const bool isMdiForm = IsMdiFormItem();
    ForEachDefinitionLine(table, [&](std::string_view line) {
        if (IsPropertyExcluded(line, m_nKind, m_nTypeCode, isMdiForm))
            return;
        PropertyDefinition definition = ParsePropertyDefinition(line);
        auto property = std::make_unique<CControlPropertyItem>();
        property->m_strTypeName = std::move(definition.typeName);
        property->m_strName = std::move(definition.name);
        property->m_strValue = std::move(definition.defaultValue);
        for (std::string& text : definition.items)
            property->m_items.push_back({std::move(text), {}});

        if (IsFontDetail(property->m_strName))
            property->m_bShown = false;
        else if (countShown)
            ++m_nShownPropertyCount;

        if (HasThreeDropModes(m_nTypeCode) && property->m_strName == "OLEDropMode" && property->m_items.size() == 2)
            property->m_items.push_back({"2 - Automatic", {}});
        if (property->m_strName == "BackColor")
            if (const char* backColor = BackColorDefault(m_nKind, m_nTypeCode, isMdiForm))
                property->m_strValue = backColor;
        if (m_nTypeCode == kTypeListBox && (property->m_strName == "List" || property->m_strName == "ItemData"))
            property->m_strValue += "\r\n";

        AppendProperty(std::move(property));
    });
}

void CControlItem::AssignDisplayPositions()
{
    // A shown property's position is the number of shown properties whose names sort before
    // its own (byte-wise), so equal names share a position.
    std::vector<std::string_view> shownNames;
    for (const auto& property : m_properties)
        if (property->m_bShown)
            shownNames.push_back(property->m_strName);
    std::sort(shownNames.begin(), shownNames.end());
    for (const auto& property : m_properties) {
        if (!property->m_bShown) {
            property->m_nDisplayPosition = CControlPropertyItem::kNotShownPosition;
            continue;
        }
        const auto before = std::lower_bound(shownNames.begin(), shownNames.end(), std::string_view(property->m_strName));
        property->m_nDisplayPosition = static_cast<int32_t>(before - shownNames.begin());
    }
}

void CControlItem::BuildEventList()
{
    if (!m_events.empty())
        return;
    const auto append = [this](std::string_view table, bool filter) {
        ForEachDefinitionLine(table, [&](std::string_view line) {
            if (!filter || !IsEventExcluded(line, m_nTypeCode))
                m_events.push_back(EventFromDefinition(line));
        });
    };
    if (m_nKind == kKindForm) {
        append(GetCommonEventTable(), false);
        append(GetFormEventTable(), false);
    } else if (m_nKind == kKindIntrinsic && IsIntrinsicTypeCode(m_nTypeCode)) {
        if (HasCommonEvents(m_nTypeCode))
            append(GetCommonEventTable(), true);
        append(GetEventTable(m_nTypeCode), true);
    }
}

void CControlItem::AddActiveXGeometry()
{
    for (const char* name : {"Left", "Top", "Width", "Height"}) {
        if (FindProperty(name))
            continue;
        auto property = std::make_unique<CControlPropertyItem>();
        property->m_strName = name;
        property->m_strTypeName = "int";
        AppendProperty(std::move(property));
        ++m_nShownPropertyCount;
    }
    if (m_pControlEntry) {
        const auto properties = m_pControlEntry->GetDefaultProperties();
        for (const DispatchPropertyInfo* info : properties) {
            auto property = std::make_unique<CControlPropertyItem>();
            property->m_strName = info->name;
            property->m_strTypeName = info->typeText;
            property->m_nVarType = info->varType;
            property->m_nDispId = info->dispId;
            property->m_strDocName = info->docName;
            property->m_strDocString = info->docString;
            property->m_strHelpFile = info->helpFile;
            property->m_nHelpContext = info->helpContext;
            property->m_strParamDecls = info->paramDecls;
            property->m_strParamVts = info->paramVts;
            property->m_bShown = info->shown;
            AppendProperty(std::move(property));
        }
        for (const DispatchMemberInfo* method : m_pControlEntry->GetDefaultMethods())
            m_methods.push_back(MemberFromDispatch(*method));
        for (const DispatchMemberInfo* event : m_pControlEntry->GetDefaultEvents())
            m_events.push_back(MemberFromDispatch(*event));
        m_nShownPropertyCount += static_cast<int32_t>(properties.size());
    }
    AssignDisplayPositions();

    // These two controls cannot draw themselves at design time.
    if (m_pControlEntry) {
        const std::string progId = UpperCase(m_pControlEntry->GetProgId());
        m_bDrawnAsFrame = progId == "MEDVIEW.MEDVIEWCTRL.141KN" || progId == "MCI.MMCONTROL.1";
    }
}

} // namespace morva
