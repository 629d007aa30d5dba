#include "codegen/RetrieveControls.h"

#include "catalogue/ControlTypes.h"
#include "codegen/GeneratedLineSites.h"
#include "codegen/ResourceText.h"
#include "model/CControlItem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/CppScanner.h"

#include <set>
#include <vector>

namespace morva {

namespace {

bool IsControl(const CControlItem& item)
{
    return !item.IsFormItem() && (item.m_nKind == kKindIntrinsic || item.m_nKind == kKindActiveX);
}

CControlItem* DeclaredControl(const CClassItem& item, std::string_view memberName)
{
    for (const auto& control : item.GetItems())
        if (IsControl(*control) && control->m_strMemberName == memberName)
            return control.get();
    return nullptr;
}

// Copies of array elements made by an earlier rebuild: every array member after the first of
// its name.
void RemoveElementCopies(CClassItem& item)
{
    std::set<std::string> seen;
    std::vector<const CControlItem*> copies;
    for (const auto& control : item.GetItems()) {
        if (!IsControl(*control))
            continue;
        if (!seen.insert(control->m_strMemberName).second && control->m_bArrayMember)
            copies.push_back(control.get());
    }
    for (const CControlItem* copy : copies)
        (void)item.RemoveItem(*copy);
}

} // namespace

std::optional<std::array<std::string, 3>> SplitCreationArguments(std::string_view arguments)
{
    std::array<std::string, 3> parts;
    size_t count = 0;
    size_t start = 0;
    for (;;) {
        const size_t comma = arguments.find(',', start);
        const std::string_view part = TrimSpaces(arguments.substr(start, comma == std::string_view::npos
                                                                              ? std::string_view::npos
                                                                              : comma - start));
        if (count == parts.size() || part.empty())
            return std::nullopt;
        parts[count++] = std::string(part);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (count != parts.size())
        return std::nullopt;
    return parts;
}

std::optional<std::string> StringTableValue(std::string_view script, std::string_view propStringSymbol)
{
    const auto range = FindStringTableEntry(script, propStringSymbol);
    if (!range)
        return std::nullopt;
    const std::string_view entry = script.substr(range->first, range->end - range->first);
    const size_t open = entry.find('"');
    return std::string(entry.substr(open + 1, entry.size() - open - 2));
}

void RetrieveClassControls(CClassItem& item, const RetrieveSources& sources)
{
    RemoveElementCopies(item);
    const CFunctionItem* create = item.FindFunction("CreateTFXControls");
    std::set<std::string> used;
    for (const auto& entry : item.m_createEntries) {
        const std::string_view written = entry->m_strMemberName;
        const std::string member(TrimSpaces(written.substr(0, written.find('.'))));
        CControlItem* control = DeclaredControl(item, member);
        if (!control)
            continue;
        const auto arguments = SplitCreationArguments(entry->m_strArguments);
        if (!arguments) {
            sources.messages.show("Unexpected error in retrieving control parameter(s)");
            continue;
        }
        if (!used.insert(member).second) {
            if (!control->m_bArrayMember)
                continue; // a second creation of a single control adds nothing
            control = &item.AppendItem(control->Clone());
        }
        const std::string& parent = (*arguments)[0];
        control->m_pContainer = nullptr;
        if (parent.size() > 1 && parent.front() == '&') {
            CControlItem* container = DeclaredControl(item, TrimSpaces(std::string_view(parent).substr(1)));
            control->m_pContainer = container != control ? container : nullptr;
        }
        control->m_strIdentifierSymbol = (*arguments)[1];
        control->m_strPropStringSymbol = (*arguments)[2];
        if (!sources.resourceHeader.empty())
            control->m_nIdentifierNumber =
                static_cast<int32_t>(SymbolValue(sources.resourceHeader, control->m_strIdentifierSymbol));
        if (create)
            control->m_strImplementationFile = create->m_strFile;
        control->BuildPropertyList();
        control->BuildEventList();
        if (const auto value = StringTableValue(sources.script, control->m_strPropStringSymbol))
            control->ParsePropertyValueString(*value, sources.properties);
    }
    // A control declared without a creation line still gets the catalogue's defaults, so the
    // designer can show and delete it; it has no identifier.
    for (const auto& control : item.GetItems()) {
        if (IsControl(*control)) {
            control->BuildPropertyList();
            control->BuildEventList();
        }
    }
}

void RetrieveControls(CProject& project, const RetrieveSources& sources)
{
    for (const auto& item : project.GetClasses())
        if (!item->m_createEntries.empty())
            RetrieveClassControls(*item, sources);
}

} // namespace morva
