#include "model/ControlNaming.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ControlTypes.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"

#include <cctype>

namespace morva {

namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool NamesText(int32_t typeCode)
{
    return typeCode == kTypeTextBox || typeCode == kTypeComboBox;
}

bool NamesCaption(int32_t typeCode)
{
    return typeCode == kTypeLabel || typeCode == kTypeButton || typeCode == kTypeCheckBox ||
           typeCode == kTypeOptionButton || typeCode == kTypeData;
}

} // namespace

std::string ActiveXBaseName(std::string_view wrapperClassName)
{
    if (wrapperClassName.size() < 2)
        return "ActiveXCtrl";
    if (wrapperClassName.substr(0, 2) == "CX")
        return std::string(wrapperClassName.substr(2));
    return std::string(wrapperClassName);
}

std::string ItemBaseName(const CControlItem& item)
{
    if (item.m_nKind == kKindActiveX)
        return ActiveXBaseName(item.m_strClassName);
    if (item.m_nKind == kKindIntrinsic)
        return std::string(BaseName(item.m_nTypeCode));
    return {};
}

int NextFreeMemberIndex(const CFormModel& form, std::string_view baseName)
{
    const std::string prefix = "m_" + std::string(baseName);
    int n = 1;
    while (form.FindByMemberName(prefix + std::to_string(n)))
        ++n;
    return n;
}

ControlSymbols NextFreeSymbols(std::string_view baseName, const SymbolsInUseTest& symbolsInUse)
{
    const std::string name = UpperCase(baseName);
    for (int k = 1;; ++k) {
        ControlSymbols symbols{"IDC_" + name + std::to_string(k), "IDS_PROP_" + name + std::to_string(k)};
        if (!symbolsInUse || !symbolsInUse(symbols.identifierSymbol, symbols.propStringSymbol))
            return symbols;
    }
}

void NameNewControl(CControlItem& item, const CFormModel& form, int32_t identifierNumber,
                    const SymbolsInUseTest& symbolsInUse)
{
    const std::string baseName = ItemBaseName(item);
    const std::string controlName = baseName + std::to_string(NextFreeMemberIndex(form, baseName));
    ControlSymbols symbols = NextFreeSymbols(baseName, symbolsInUse);
    item.m_nIdentifierNumber = identifierNumber;
    item.m_strMemberName = "m_" + controlName;
    item.m_strIdentifierSymbol = std::move(symbols.identifierSymbol);
    item.m_strPropStringSymbol = std::move(symbols.propStringSymbol);
    if (item.m_nKind != kKindIntrinsic)
        return; // an ActiveX item keeps its wrapper class and its own defaults
    item.m_strClassName = RuntimeClassName(item.m_nTypeCode);
    if (NamesCaption(item.m_nTypeCode))
        item.SetPropertyValue("Caption", controlName);
    else if (NamesText(item.m_nTypeCode))
        item.SetPropertyValue("Text", controlName);
}

bool HasForbiddenNameCharacter(std::string_view name)
{
    static constexpr std::string_view kForbidden = " ;,\\/?%@#!~|<>:'.^&(){}[]`+-=\t\n\r\"";
    return name.find_first_of(kForbidden) != std::string_view::npos;
}

ControlNameCheck ValidateControlName(const CControlItem& item, std::string_view typed)
{
    using Outcome = ControlNameCheck::Outcome;
    const std::string_view text = typed.substr(0, typed.find('('));
    if (text == item.m_strMemberName)
        return {};
    if (item.IsFormItem())
        return {Outcome::Refused, {}, "Class name can not be modified"};
    if (text.empty() || HasForbiddenNameCharacter(text))
        return {Outcome::Refused, {}, "Invalid control name"};
    return {Outcome::Accepted, std::string(text), {}};
}

CControlItem* FindArrayPartner(const CControlItem& item, std::string_view memberName)
{
    const CFormModel* form = item.GetFormClass();
    if (!form)
        return nullptr;
    for (const auto& other : form->GetItems())
        if (other.get() != &item && !other->IsFormItem() && other->m_nTypeCode == item.m_nTypeCode &&
            other->m_strMemberName == memberName)
            return other.get();
    return nullptr;
}

std::string ArrayQuestion(std::string_view typedName)
{
    return "You already have a control named '" + std::string(typedName) +
           "'. Do you want to create a control array?";
}

int FirstFreeArrayIndex(const CFormModel& form, int32_t typeCode, std::string_view memberName,
                        const CControlItem* except)
{
    // Only the array's own elements count, so that an unrelated control of the type with
    // Index 0 cannot hand out an index an element already has.
    int counter = 0;
    for (const auto& item : form.GetItems()) {
        if (item.get() == except || item->m_nTypeCode != typeCode || item->m_strMemberName != memberName)
            continue;
        if (item->GetPropertyValue("Index") != std::to_string(counter))
            break;
        ++counter;
    }
    return counter;
}

bool JoinControlArray(CControlItem& item, CControlItem& existing)
{
    bool existingChanged = false;
    if (!existing.m_strClassName.ends_with("Array")) {
        existing.m_strClassName += "Array";
        existingChanged = true;
    }
    existing.m_bArrayMember = true;
    item.m_strMemberName = existing.m_strMemberName;
    item.m_strClassName = existing.m_strClassName;
    item.m_bArrayMember = true;
    if (const CFormModel* form = item.GetFormClass())
        item.SetPropertyValue("Index",
                              std::to_string(FirstFreeArrayIndex(*form, item.m_nTypeCode, item.m_strMemberName, &item)));
    return existingChanged;
}

bool IsIndexFree(const CControlItem& item, std::string_view index)
{
    const CFormModel* form = item.GetFormClass();
    if (!item.m_bArrayMember || !form)
        return true;
    for (const auto& other : form->GetItems())
        if (other.get() != &item && other->m_nTypeCode == item.m_nTypeCode && other->FindProperty("Index") &&
            other->GetPropertyValue("Index") == index)
            return false;
    return true;
}

std::string IndexTakenMessage(std::string_view index)
{
    return "Array already has control at Index '" + std::string(index) + "'";
}

std::string MenuItemName(std::string_view identifierSymbol)
{
    std::string_view name = identifierSymbol;
    if (name.substr(0, 3) == "ID_")
        name.remove_prefix(3);
    std::string result;
    for (char c : name)
        result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!result.empty())
        result[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[0])));
    return result;
}

std::string EventHandlerName(const CControlItem& item, std::string_view eventName)
{
    const std::string event(eventName);
    if (item.IsFormItem() || item.m_nKind == kKindForm)
        return "Form_" + event;
    if (item.m_nKind == kKindMenuCommand)
        return MenuItemName(item.m_strIdentifierSymbol) + "_" + event;
    std::string_view control = item.m_strMemberName;
    if (control.substr(0, 2) == "m_")
        control.remove_prefix(2);
    return std::string(control) + "_" + event;
}

std::string EventMessageName(std::string_view eventName, bool arrayElement)
{
    return "WM_TFX_" + UpperCase(eventName) + (arrayElement ? "_ARRAY" : "");
}

} // namespace morva
