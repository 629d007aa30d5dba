#include "catalogue/Catalogue.h"

#include "catalogue/ControlTypes.h"
#include "catalogue/DefinitionLine.h"
#include "catalogue/DefinitionTables.h"

#include <array>
#include <initializer_list>

namespace morva {

namespace {

using Words = std::initializer_list<std::string_view>;

// How the method list of a class is narrowed after its tables are joined.
enum class MethodRule { KeepAll, Drop, KeepOnly, None };

struct TypeEntry {
    std::string_view baseName;
    std::string_view propertyTable;
    std::string_view eventTable;
    bool commonEvents;
    Words eventExclusions;
    Words propertyExclusions;
    std::array<std::string_view, 2> methodTables;
    MethodRule methodRule;
    Words methodNames; // dropped or kept, by the rule
};

const Words kNoWords{};
const Words kFormWords{"DragIcon", "DragMode", "Index", "TabIndex", "TabStop", "ToolTipText", "WhatsThisHelpID"};
const Words kMdiFormWords{"Font", "FontBold", "FontItalic", "FontSize", "FontStrikethru", "FontUnderline", "ForeColor"};
const Words kScrollBarEventWords{"MouseMove", "MouseUp", "OLECompleteDrag", "OLEDragDrop",
                                 "OLEDragOver", "OLEGiveFeedback", "OLESetData", "OLEStartDrag"};
const Words kScrollBarPropertyWords{"Appearance", "OLEDropMode", "ToolTipText", "BackColor", "ForeColor", "Font"};
const Words kKeyWords{"KeyDown", "KeyPress", "KeyUp"};


// Indexed by type code - 101.
const std::array<TypeEntry, 16>& TypeEntries()
{
    static const std::array<TypeEntry, 16> entries{{
        {"PictureBox", tables::kPictureBoxProperties, tables::kPictureBoxEvents, true, kNoWords, kNoWords,
         {tables::kGraphicsMethods, tables::kLinkMethods}, MethodRule::KeepAll, kNoWords},
        {"Label", tables::kLabelProperties, tables::kLabelEvents, true, kNoWords, {"HelpContextID", "TabStop"},
         {tables::kLinkMethods, {}}, MethodRule::Drop, {"SetFocus"}},
        {"TextBox", tables::kTextBoxProperties, tables::kLabelEvents, true, kNoWords, kNoWords,
         {tables::kLinkMethods, {}}, MethodRule::KeepAll, kNoWords},
        {"Frame", tables::kFrameProperties, {}, true, kKeyWords, {"TabStop"}, {}, MethodRule::Drop, {"SetFocus"}},
        {"Button", tables::kButtonProperties, {}, true, kNoWords, {"ForeColor"}, {}, MethodRule::KeepAll, kNoWords},
        {"CheckBox", tables::kCheckBoxProperties, {}, true, kNoWords, kNoWords, {}, MethodRule::KeepAll, kNoWords},
        {"OptionButton", tables::kOptionButtonProperties, {}, true, kNoWords, kNoWords, {}, MethodRule::KeepAll,
         kNoWords},
        {"ComboBox", tables::kComboBoxProperties, tables::kComboBoxEvents, true, kNoWords, kNoWords,
         {tables::kListMethods, {}}, MethodRule::KeepAll, kNoWords},
        {"ListBox", tables::kListBoxProperties, tables::kListBoxEvents, true, kNoWords, kNoWords,
         {tables::kListMethods, {}}, MethodRule::KeepAll, kNoWords},
        {"HScrollBar", tables::kScrollBarProperties, tables::kComboBoxEvents, true, kScrollBarEventWords,
         kScrollBarPropertyWords, {}, MethodRule::Drop, {"OLEDrag"}},
        {"VScrollBar", tables::kScrollBarProperties, tables::kComboBoxEvents, true, kScrollBarEventWords,
         kScrollBarPropertyWords, {}, MethodRule::Drop, {"OLEDrag"}},
        {"Timer", tables::kTimerProperties, tables::kTimerEvents, false, kNoWords, kNoWords, {}, MethodRule::None,
         kNoWords},
        {"Shape", tables::kShapeProperties, {}, false, kNoWords,
         {"Appearance", "HelpContextID", "MousePointer", "OLEDropMode", "TabIndex", "WhatsThisHelpID", "ToolTipText",
          "ForeColor", "DragIcon", "MouseIcon", "Enabled", "TabStop", "Font", "DragMode"},
         {}, MethodRule::KeepOnly, {"Move", "Refresh", "ZOrder"}},
        {"Line", tables::kLineProperties, {}, false, kNoWords, kNoWords, {}, MethodRule::KeepOnly,
         {"Refresh", "ZOrder"}},
        {"Image", tables::kImageProperties, {}, true, {"GotFocus", "KeyDown", "KeyPress", "KeyUp", "LostFocus"},
         {"BackColor", "Font", "ForeColor", "HelpContextID", "TabIndex", "TabStop"}, {}, MethodRule::Drop,
         {"Drag", "OLEDrag", "SetFocus"}},
        {"Data", tables::kDataProperties, tables::kDataEvents, true,
         {"Click", "DblClick", "GotFocus", "KeyDown", "KeyPress", "KeyUp", "LostFocus"},
         {"HelpContextID", "TabIndex", "TabStop"}, {tables::kDataMethods, {}}, MethodRule::KeepAll, kNoWords},
    }};
    return entries;
}

const TypeEntry* FindType(int32_t typeCode)
{
    if (!IsIntrinsicTypeCode(typeCode))
        return nullptr;
    return &TypeEntries()[static_cast<size_t>(typeCode - kFirstIntrinsicType)];
}

bool ContainsAny(std::string_view line, Words words)
{
    for (std::string_view word : words)
        if (line.find(word) != std::string_view::npos)
            return true;
    return false;
}

bool Contains(Words words, std::string_view name)
{
    for (std::string_view word : words)
        if (word == name)
            return true;
    return false;
}

void AppendMethodLines(std::vector<std::string>& lines, std::string_view table)
{
    ForEachDefinitionLine(table, [&](std::string_view line) { lines.emplace_back(line); });
}

} // namespace

std::string_view BaseName(int32_t typeCode)
{
    const TypeEntry* entry = FindType(typeCode);
    return entry ? entry->baseName : std::string_view();
}

std::string RuntimeClassName(int32_t typeCode)
{
    const TypeEntry* entry = FindType(typeCode);
    return entry ? "CX" + std::string(entry->baseName) : std::string();
}

bool IsContainerType(int32_t typeCode)
{
    return typeCode == kTypePictureBox || typeCode == kTypeFrame;
}

bool IsGraphicalType(int32_t typeCode)
{
    return typeCode == kTypeLabel || typeCode == kTypeShape || typeCode == kTypeLine || typeCode == kTypeImage;
}

int32_t LookupTypeCode(std::string_view className)
{
    for (int32_t code = kFirstIntrinsicType; code <= kLastIntrinsicType; ++code)
        if (className.size() == BaseName(code).size() + 2 && className.substr(0, 2) == "CX" &&
            className.substr(2) == BaseName(code))
            return code;
    return 0;
}

std::string_view GetPropertyTable(int32_t typeCode)
{
    const TypeEntry* entry = FindType(typeCode);
    return entry ? entry->propertyTable : std::string_view();
}

std::string_view GetCommonPropertyTable()
{
    return tables::kCommonProperties;
}

std::string_view GetFormPropertyTable(bool isMdiForm)
{
    return isMdiForm ? tables::kMdiFormProperties : tables::kFormProperties;
}

std::string_view GetEventTable(int32_t typeCode)
{
    const TypeEntry* entry = FindType(typeCode);
    return entry ? entry->eventTable : std::string_view();
}

std::string_view GetCommonEventTable()
{
    return tables::kCommonEvents;
}

std::string_view GetFormEventTable()
{
    return tables::kFormEvents;
}

bool HasCommonEvents(int32_t typeCode)
{
    const TypeEntry* entry = FindType(typeCode);
    return entry && entry->commonEvents;
}

bool IsEventExcluded(std::string_view definitionLine, int32_t typeCode)
{
    const TypeEntry* entry = FindType(typeCode);
    return entry && ContainsAny(definitionLine, entry->eventExclusions);
}

bool IsPropertyExcluded(std::string_view definitionLine, int32_t kind, int32_t typeCode, bool isMdiForm)
{
    if (kind == kKindForm)
        return ContainsAny(definitionLine, kFormWords) || (isMdiForm && ContainsAny(definitionLine, kMdiFormWords));
    if (kind != kKindIntrinsic)
        return false;
    const TypeEntry* entry = FindType(typeCode);
    return entry && ContainsAny(definitionLine, entry->propertyExclusions);
}

bool IsPropertyExcludedForClass(std::string_view className, std::string_view definitionLine)
{
    if (className == "CXForm")
        return IsPropertyExcluded(definitionLine, kKindForm, kTypeNone, false);
    if (className == "CXMdiForm")
        return IsPropertyExcluded(definitionLine, kKindForm, kTypeNone, true);
    return IsPropertyExcluded(definitionLine, kKindIntrinsic, LookupTypeCode(className), false);
}

bool IsIntrinsicClassName(std::string_view name)
{
    return tables::kIntrinsicClassNames.find(name) != std::string_view::npos;
}

bool IsRuntimeClassName(std::string_view name)
{
    return tables::kRuntimeClassNames.find(name) != std::string_view::npos;
}

bool IsFormBaseClass(std::string_view name)
{
    return name == "CXForm" || name == "CXMdiForm" || name == "CFormBase";
}

bool IsViewClass(std::string_view name)
{
    static constexpr std::array<std::string_view, 10> kViews{"CView",     "CFormView",     "CScrollView", "CEditView",
                                                             "CRichEditView", "CListView", "CTreeView",   "CCtrlView",
                                                             "CDaoRecordView", "CRecordView"};
    for (std::string_view view : kViews)
        if (name == view)
            return true;
    return false;
}

std::vector<std::string> GetMethodList(std::string_view className, int32_t typeCode)
{
    std::vector<std::string> lines;
    if (className == "CXForm" || className == "CXMdiForm") {
        AppendMethodLines(lines, tables::kCommonMethods);
        if (className == "CXForm") {
            AppendMethodLines(lines, tables::kGraphicsMethods);
            AppendMethodLines(lines, tables::kFormMethods);
        }
        return lines;
    }
    if (!IsIntrinsicTypeCode(typeCode))
        typeCode = LookupTypeCode(className);
    const TypeEntry* entry = FindType(typeCode);
    if (!entry || entry->methodRule == MethodRule::None)
        return lines;

    AppendMethodLines(lines, tables::kCommonMethods);
    for (std::string_view table : entry->methodTables)
        AppendMethodLines(lines, table);

    if (entry->methodRule == MethodRule::KeepAll)
        return lines;
    std::vector<std::string> kept;
    for (std::string& line : lines) {
        const bool listed = Contains(entry->methodNames, MethodDefinitionName(line));
        if (listed == (entry->methodRule == MethodRule::KeepOnly))
            kept.push_back(std::move(line));
    }
    return kept;
}

} // namespace morva
