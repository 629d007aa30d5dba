#include "codegen/GenerateForm.h"

#include "catalogue/ControlTypes.h"
#include "codegen/GeneratedLineSites.h"
#include "codegen/GeneratedLineText.h"
#include "codegen/ISourceText.h"
#include "codegen/IncludeGuard.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/NewFormNames.h"
#include "codegen/ReplaceAll.h"
#include "codegen/ResourceScriptEditor.h"
#include "codegen/ResourceText.h"
#include "codegen/SourceTextChange.h"
#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"
#include "codegen/WriteTextFile.h"
#include "model/CControlItem.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

namespace morva {

namespace {

std::string Replace(std::string text, std::initializer_list<std::pair<std::string_view, std::string_view>> pairs)
{
    for (const auto& [token, value] : pairs)
        text = ReplaceAll(text, token, value);
    return text;
}

// The property value string of the new form: a form item of the right kind in a class entry of
// its own, with the first caption no other form of the project has.
std::string NewFormPropertyString(const NewFormSettings& settings, const CProject& project, long identifierNumber,
                                  const std::string& symbol)
{
    CClassItem form;
    form.m_strName = settings.className;
    form.m_strBaseClass = settings.mdi ? "CXMdiForm" : "CXForm";
    form.m_strRootBase = form.m_strBaseClass;
    form.m_bIsForm = true;
    auto created = std::make_unique<CControlItem>(kKindForm, kTypeNone);
    created->m_bIsFormItem = true;
    created->m_strClassName = form.m_strBaseClass;
    created->m_nIdentifierNumber = static_cast<int32_t>(identifierNumber);
    created->m_strPropStringSymbol = symbol;
    CControlItem& item = form.AppendItem(std::move(created));
    item.BuildPropertyList();
    item.SetPropertyValue("Caption", NewFormCaption(project));
    return item.BuildPropertyValueString(PropertyStringContext{});
}

// The new texts of resource.h and the script, built before anything is written.
struct ResourceEdit {
    std::string headerPath;
    std::string scriptPath;
    std::string header;
    std::string script;
    std::string newHeader;
    std::string newScript;
};

std::optional<ResourceEdit> PrepareResourceEdit(const NewFormSettings& settings, const CodegenContext& context,
                                                const NewFormTarget& target, const std::string& symbol)
{
    ResourceScriptEditor editor(context, target.sources, target.project);
    ResourceEdit edit;
    edit.headerPath = editor.ResourceHeaderPath();
    edit.scriptPath = editor.ResourceScriptPath();
    for (const std::string* path : {&edit.headerPath, &edit.scriptPath})
        if (path->empty() || !context.fs.exists(*path) || !context.fs.isWritable(*path))
            return std::nullopt;
    if (!editor.CheckEncodings({edit.headerPath, edit.scriptPath}))
        return std::nullopt;
    edit.header = editor.LoadTextFile(edit.headerPath);
    edit.script = editor.LoadTextFile(edit.scriptPath);

    const long stringId = NextStringId(edit.script, edit.header);
    const std::optional<size_t> tableSite = StringTableSite(edit.script, context.messages);
    if (stringId <= 0 || !tableSite)
        return std::nullopt;

    // A symbol left by a form of the same name that was removed from the project keeps its
    // number and its entry takes the new values: a second #define or entry of the symbol would
    // stop the resource compiler.
    edit.newHeader = edit.header;
    if (!SymbolDefined(edit.header, symbol))
        edit.newHeader.insert(SymbolSite(edit.header), ResourceSymbolLine(symbol, stringId));
    if (!SetNextControlValue(edit.newHeader, target.controlCounter + 1))
        return std::nullopt;
    const std::string properties = NewFormPropertyString(settings, target.project, target.controlCounter, symbol);
    edit.newScript = edit.script;
    if (const std::optional<TextRange> entry = FindStringTableEntry(edit.script, symbol))
        edit.newScript.replace(entry->first, entry->end - entry->first, StringTableText(symbol, properties));
    else // entries are indented with one tab, as the new project's script has them
        edit.newScript.insert(*tableSite, std::string("\t").append(StringTableText(symbol, properties)).append("\r\n"));
    return edit;
}

bool IsIdentifier(std::string_view name)
{
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// Why the names cannot make a form, or nothing when they can. The class name becomes a C++
// class and a resource symbol, so it must be an identifier no class of the project has; each
// file name must be a plain name in the project folder, and the two must differ (the file layer
// matches names ignoring case, as Windows does).
std::optional<std::string> NameProblem(const NewFormSettings& settings, const CProject& project)
{
    if (!IsIdentifier(settings.className))
        return "'" + settings.className +
               "' cannot name the new form's class: use letters, digits and underscores, not starting with a digit.";
    if (project.FindClass(settings.className))
        return "The project already has a class named " + settings.className + ".";
    for (const std::string* name : {&settings.implFile, &settings.headerFile}) {
        if (name->empty() || name->find_first_of("\\/:") != std::string::npos)
            return "'" + *name + "' cannot name a file of the new form: a file name must not be empty or "
                   "contain '\\', '/' or ':'.";
    }
    if (LowerCaseAscii(settings.implFile) == LowerCaseAscii(settings.headerFile))
        return "The header and the implementation file of the new form must be different files.";
    return std::nullopt;
}

bool WriteFormFile(const std::string& path, const std::string& text, const CodegenContext& context,
                   const NewFormTarget& target)
{
    if (!WriteTextFile(path, text, context)) {
        context.messages.show(std::string(TemplateText(tpl::kMsgFormNotGenerated)));
        return false;
    }
    target.pendingInsert.push_back(path);
    return true;
}

} // namespace

bool GenerateForm(const NewFormSettings& settings, const CodegenContext& context, const NewFormTarget& target)
{
    if (const std::optional<std::string> problem = NameProblem(settings, target.project)) {
        context.messages.show(*problem);
        return false;
    }
    const std::string& F = settings.className;
    const std::string& H = settings.headerFile;
    const std::string& I = settings.implFile;
    const std::string implPath = settings.folder + "\\" + I;
    const std::string headerPath = settings.folder + "\\" + H;
    for (const std::string* path : {&implPath, &headerPath}) {
        if (context.fs.exists(*path)) {
            context.messages.show("File " + *path + " already exists");
            return false;
        }
    }

    const std::string symbol = FormPropertySymbol(F);
    const std::optional<ResourceEdit> edit = PrepareResourceEdit(settings, context, target, symbol);
    if (!edit)
        return false;

    const std::string baseForm = settings.mdi ? "CXMdiForm" : "CXForm";
    const std::string headerText = Replace(std::string(TemplateText(tpl::kFormHeader)),
                                           {{"$GUID_INCLUDED$", MakeIncludeGuard(H)},
                                            {"$StartupFormH$", H},
                                            {"$StartupFormClassName$", F},
                                            {"$BaseFormClassName$", baseForm}});
    if (!WriteFormFile(headerPath, headerText, context, target))
        return false;
    const std::string projectName = target.project.GetProjectName();
    const std::string appHeader = projectName.empty() ? std::string() : projectName + ".h";
    const std::string sourceText = Replace(JoinTemplates({tpl::kFormSource, tpl::kFormSourceControls}),
                                           {{"$StartupFormCpp$", I},
                                            {"$WinAppH$", appHeader},
                                            {"$StartupFormH$", H},
                                            {"$StartupFormClassName$", F},
                                            {"$BaseFormClassName$", baseForm},
                                            {"$IDS_PROP$", symbol}});
    if (!WriteFormFile(implPath, sourceText, context, target))
        return false;

    if (!ApplySourceTextChange(target.sources, edit->headerPath, edit->header, edit->newHeader) ||
        !ApplySourceTextChange(target.sources, edit->scriptPath, edit->script, edit->newScript))
        return false;
    ++target.controlCounter;
    return true;
}

} // namespace morva
