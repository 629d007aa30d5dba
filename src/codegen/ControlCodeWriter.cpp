#include "codegen/ControlCodeWriter.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ControlTypes.h"
#include "codegen/CodeEdit.h"
#include "codegen/GeneratedLineSites.h"
#include "codegen/GeneratedLineText.h"
#include "codegen/HandlerEditor.h"
#include "codegen/ResourceText.h"
#include "codegen/StdAfxInclude.h"
#include "codegen/TemplateTable.h"
#include "codegen/templates/HandlerTemplateIds.h"
#include "model/CControlItem.h"
#include "model/ControlNaming.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/CppScanner.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace morva {

namespace {

constexpr size_t npos = std::string::npos;

std::vector<const CFormModel*> ProjectForms(const CProject& project)
{
    std::vector<const CFormModel*> forms;
    for (const auto& item : project.GetClasses())
        forms.push_back(item.get());
    return forms;
}

SymbolsInUseTest ProjectSymbolsInUse(const CProject& project)
{
    return [&project](std::string_view identifierSymbol, std::string_view propStringSymbol) {
        const std::vector<const CFormModel*> forms = ProjectForms(project);
        return SymbolsInUse(forms, identifierSymbol, propStringSymbol);
    };
}

bool CheckWritable(const CodeWriterServices& services, const std::string& path)
{
    if (!path.empty() && services.context.fs.isWritable(path))
        return true;
    services.context.messages.show("You do not have write permission to file " + path + "\n");
    return false;
}

bool CheckExists(const CodeWriterServices& services, const std::string& path)
{
    if (!path.empty() && services.context.fs.exists(path))
        return true;
    services.context.messages.show("File " + path + " does not exist");
    return false;
}

CControlItem* FindControl(const CClassItem& form, std::string_view memberName, std::string_view identifierSymbol)
{
    for (const auto& item : form.GetItems())
        if (item->m_strMemberName == memberName && item->m_strIdentifierSymbol == identifierSymbol)
            return item.get();
    return nullptr;
}

std::string WithoutArraySuffix(std::string className)
{
    if (className.size() > 5 && className.ends_with("Array"))
        className.resize(className.size() - 5);
    return className;
}

// Rewrites the value of the counter line in the session's resource.h.
bool SetControlCounterLine(SourceEditSession& session, const std::string& path, long counter)
{
    const std::string& text = session.Text(path);
    static constexpr std::string_view kWord = "_APS_NEXT_CONTROL_VALUE";
    const size_t at = CppScanner(text).findWord(kWord, 0);
    if (at == npos)
        return false;
    const size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    return session.Replace(path, at, end, std::string(kWord) + "     " + std::to_string(counter));
}

// The #define lines and the string-table entry of a new control (step 3 of adding one).
bool WriteResourceEntries(CodeEdit& edit, const CControlItem& item, const std::string& propertyString, long& counter,
                          int32_t& identifierNumber)
{
    SourceEditSession& session = edit.Session();
    platform::MessageService& messages = edit.Services().context.messages;
    const std::string headerPath = edit.Services().project.GetResourceHeaderPath();
    const std::string scriptPath = edit.Services().project.GetResourceScriptPath();
    const std::string header = session.Text(headerPath);
    const std::string script = session.Text(scriptPath);

    const bool identifierDefined = SymbolDefined(header, item.m_strIdentifierSymbol);
    const bool propStringDefined = SymbolDefined(header, item.m_strPropStringSymbol);
    identifierNumber = identifierDefined ? static_cast<int32_t>(SymbolValue(header, item.m_strIdentifierSymbol))
                                         : static_cast<int32_t>(counter);
    // The counter line is checked first, so that a header without one is refused unchanged.
    if (CppScanner(header).findWord("_APS_NEXT_CONTROL_VALUE", 0) == npos) {
        messages.show("The line _APS_NEXT_CONTROL_VALUE couldn't be found in " + headerPath);
        return false;
    }
    if (!identifierDefined || !propStringDefined) {
        const long stringNumber = propStringDefined ? 0 : NextStringId(script, header);
        if (!propStringDefined && stringNumber <= 0) {
            messages.show("The string table of " + scriptPath + " could not be read");
            return false;
        }
        // Only the missing definitions are written: a symbol defined twice breaks the build.
        const std::string lines = ControlSymbolLines(item.m_strIdentifierSymbol, counter, item.m_strPropStringSymbol,
                                                     stringNumber, !identifierDefined, !propStringDefined);
        if (!session.Insert(headerPath, SymbolSite(header), lines))
            return false;
    }
    const std::string entry = StringTableText(item.m_strPropStringSymbol, propertyString);
    if (const auto existing = FindStringTableEntry(script, item.m_strPropStringSymbol)) {
        if (!session.Replace(scriptPath, existing->first, existing->end, entry))
            return false;
    } else {
        const auto site = StringTableSite(script, messages);
        if (!site || !session.Insert(scriptPath, *site, "\t" + entry + "\r\n"))
            return false;
    }
    if (!identifierDefined || !propStringDefined)
        ++counter;
    return SetControlCounterLine(session, headerPath, counter);
}

// Steps 4 to 7 of adding a control: what a class that is not a form class needs to create,
// dispatch and draw its controls.
bool AddClassHooks(CodeEdit& edit, HandlerEditor& handlers, CClassItem& form, bool graphical)
{
    GeneratedLineEditor& lines = edit.Lines();
    SourceEditSession& session = edit.Session();
    const auto calls = [&](const char* function, std::string_view callee) {
        const CFunctionItem* found = form.FindFunction(function);
        return found && session.Load(found->m_strFile) &&
               CClassParser::BodyContainsCall(*found, session.Text(found->m_strFile), callee);
    };
    if (!form.IsFormClass()) {
        if (!handlers.AddOnCreate(form))
            return false;
        if (!calls("OnCreate", "CreateTFXControls") &&
            !lines.InsertLine(form, kLineOnCreateCall, "CreateTFXControls();\r\n", true))
            return false;
    }
    if (!handlers.AddCreateFunction(form))
        return false;
    if (form.IsFormClass())
        return true;
    if (!handlers.AddWindowProc(form))
        return false;
    if (!calls("WindowProc", "DispatchTfxControlEvents") &&
        !lines.InsertLine(form, kLineWindowProcCall, TemplateText(tpl::kDispatchEventsCall), true))
        return false;
    if (!graphical)
        return true;
    const bool view = IsViewClass(form.m_strRootBase);
    if (!form.FindFunction("OnDraw") && !form.FindFunction("OnPaint") &&
        !(view ? handlers.AddOnDraw(form) : handlers.AddOnPaint(form)))
        return false;
    const char* painter = form.FindFunction("OnDraw") ? "OnDraw" : "OnPaint";
    if (!calls(painter, "DrawTFXGraphicalCtrls") &&
        !lines.InsertLine(form, kLinePaintCall,
                          std::string("\t::DrawTFXGraphicalCtrls(this, ") + (view ? "pDC);" : "&dc);") + "\r\n", true))
        return false;
    return true;
}

bool IncludesHeader(std::string_view text, std::string_view name)
{
    const std::string quoted = "#include \"" + std::string(name) + "\"";
    const std::string angled = "#include <" + std::string(name) + ">";
    return text.find(quoted) != npos || text.find(angled) != npos;
}

} // namespace

std::optional<AddedControl> AddControl(const CodeWriterServices& services, CClassItem& form, const NewControl& control,
                                       long controlCounter)
{
    const CProject& project = services.project;
    const bool activeX = control.kind == kKindActiveX;
    if (!activeX && (control.kind != kKindIntrinsic || !IsIntrinsicTypeCode(control.typeCode)))
        return std::nullopt;
    const CClassItem* wrapper = activeX ? project.FindClass(control.wrapperClass) : nullptr;
    if (control.container && (!control.container->IsContainer() || control.container->GetFormClass() != &form))
        return std::nullopt;
    if (activeX && !wrapper) {
        services.context.messages.show("The wrapper class " + control.wrapperClass + " is not part of the project");
        return std::nullopt;
    }

    // The new control is named and laid out before any file changes.
    auto item = std::make_unique<CControlItem>(control.kind, activeX ? kTypeNone : control.typeCode);
    if (activeX) {
        item->m_strClassName = control.wrapperClass;
        item->m_pControlEntry = control.controlEntry;
    }
    item->m_pContainer = const_cast<CControlItem*>(control.container);
    item->BuildPropertyList();
    item->BuildEventList();
    NameNewControl(*item, form, static_cast<int32_t>(controlCounter), ProjectSymbolsInUse(project));
    item->SetRect(control.rect);
    int position = 0;
    for (const auto& other : form.GetItems())
        position += other->IsFormItem() ? 0 : 1;
    item->SetPropertyValue("TabIndex", std::to_string(position));
    const std::string propertyString = item->BuildPropertyValueString({});
    const std::string containerMember = control.container ? control.container->m_strMemberName : std::string();
    const std::string memberName = item->m_strMemberName;
    const std::string identifierSymbol = item->m_strIdentifierSymbol;

    const std::string headerPath = project.GetResourceHeaderPath();
    const std::string scriptPath = project.GetResourceScriptPath();
    const std::string formHeader = form.m_strHeaderFile;
    const std::string formSource = FileForKind(form, project, kLineCreation);
    if (!CheckExists(services, formHeader) || !CheckExists(services, formSource))
        return std::nullopt;
    for (const std::string* path : {&headerPath, &scriptPath, &formHeader, &formSource})
        if (!CheckWritable(services, *path))
            return std::nullopt;

    CodeEdit edit(services);
    SourceEditSession& session = edit.Session();
    if (!session.Load(headerPath) || !session.Load(scriptPath) || !session.Load(formHeader) || !session.Load(formSource))
        return std::nullopt;
    long counter = controlCounter;
    int32_t identifierNumber = 0;
    if (!WriteResourceEntries(edit, *item, propertyString, counter, identifierNumber))
        return std::nullopt;

    HandlerEditor handlers(services.context, edit.Lines());
    if (!AddClassHooks(edit, handlers, form, item->IsGraphical()))
        return std::nullopt;
    GeneratedLineEditor& lines = edit.Lines();
    if (activeX) {
        const std::string wrapperHeader(FileNameOf(wrapper->m_strHeaderFile));
        const std::string* source = lines.FileText(form, kLineInclude);
        if (!source)
            return std::nullopt;
        if (!IncludesHeader(*source, wrapperHeader) && !lines.InsertLine(form, kLineInclude, IncludeLine(wrapperHeader)))
            return std::nullopt;
    }
    if (!lines.InsertLine(form, kLineDeclaration, DeclarationLineText(item->m_strClassName, memberName)) ||
        !lines.InsertLine(form, kLineCreation,
                          CreationLineText(memberName, containerMember, identifierSymbol, item->m_strPropStringSymbol)))
        return std::nullopt;
    if (!edit.Commit())
        return std::nullopt;
    EnsureStdAfxInclude("tfxControls.h", services.project, services.parser, services.sources, services.context);

    CControlItem* added = FindControl(form, memberName, identifierSymbol);
    if (added)
        added->m_nIdentifierNumber = identifierNumber;
    return AddedControl{added, counter};
}

bool DeleteControl(const CodeWriterServices& services, CClassItem& form, const CControlItem& control)
{
    // The control and, first, everything inside it, as names: the objects are rebuilt by the
    // re-parses below.
    struct Doomed {
        std::string member;
        std::string identifier;
    };
    std::vector<Doomed> doomed;
    std::vector<const CControlItem*> pending{&control};
    std::vector<const CControlItem*> order;
    while (!pending.empty() && order.size() <= form.GetCount()) {
        const CControlItem* next = pending.back();
        pending.pop_back();
        order.push_back(next);
        for (const auto& other : form.GetItems())
            if (other->m_pContainer == next && other.get() != next)
                pending.push_back(other.get());
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        doomed.push_back({(*it)->m_strMemberName, (*it)->m_strIdentifierSymbol});
    // A declaration goes only with the last object that uses the member name.
    const auto remaining = [&](const std::string& member) {
        size_t count = 0;
        for (const auto& other : form.GetItems())
            count += other->m_strMemberName == member ? 1 : 0;
        for (const Doomed& gone : doomed)
            count -= gone.member == member ? 1 : 0;
        return count;
    };
    std::vector<std::string> declarationsToDelete;
    for (const Doomed& gone : doomed)
        if (remaining(gone.member) == 0 &&
            std::find(declarationsToDelete.begin(), declarationsToDelete.end(), gone.member) == declarationsToDelete.end())
            declarationsToDelete.push_back(gone.member);

    const std::string formHeader = form.m_strHeaderFile;
    const std::string formSource = FileForKind(form, services.project, kLineCreation);
    if (!CheckExists(services, formHeader) || !CheckExists(services, formSource) ||
        !CheckWritable(services, formHeader) || !CheckWritable(services, formSource))
        return false;
    CodeEdit edit(services);
    GeneratedLineEditor& lines = edit.Lines();
    for (const Doomed& gone : doomed) {
        const std::string* source = lines.FileText(form, kLineCreation);
        if (!source)
            return false;
        if (const auto range = FindCreationLine(form, *source, gone.member, gone.identifier))
            if (!lines.DeleteRange(form, kLineCreation, range->first, range->end))
                return false;
    }
    for (const std::string& member : declarationsToDelete) {
        const std::string* header = lines.FileText(form, kLineDeclaration);
        if (!header)
            return false;
        if (const auto range = FindDeclaration(form, *header, member))
            if (!lines.DeleteRange(form, kLineDeclaration, range->first, range->end))
                return false;
    }
    return edit.Commit();
}

RenameResult RenameControl(const CodeWriterServices& services, CClassItem& form, const CControlItem& control,
                           std::string_view typedName)
{
    using Outcome = RenameResult::Outcome;
    platform::MessageService& messages = services.context.messages;
    const ControlNameCheck check = ValidateControlName(control, typedName);
    if (check.outcome == ControlNameCheck::Outcome::Unchanged)
        return {Outcome::Unchanged, const_cast<CControlItem*>(&control)};
    if (check.outcome == ControlNameCheck::Outcome::Refused) {
        messages.show(check.message);
        return {Outcome::Refused, const_cast<CControlItem*>(&control)};
    }
    const std::string formHeader = form.m_strHeaderFile;
    const std::string formSource = FileForKind(form, services.project, kLineCreation);
    if (!CheckWritable(services, formHeader) || !CheckWritable(services, formSource))
        return {Outcome::Refused, const_cast<CControlItem*>(&control)};
    if (const CClassItem* wrapper = services.project.FindClass(control.m_strClassName);
        wrapper && wrapper->m_strBaseClass == "CXActiveXCtrl")
        return {Outcome::Refused, const_cast<CControlItem*>(&control)};

    const std::string& newMember = check.memberName;
    const CControlItem* partner = FindArrayPartner(control, newMember);
    if (!partner && form.FindByMemberName(newMember)) {
        // Another member of that name (a control of another type, or any other member) would
        // declare the name twice.
        messages.show("You already have a member named '" + newMember + "'");
        return {Outcome::Refused, const_cast<CControlItem*>(&control)};
    }
    if (partner && messages.show(ArrayQuestion(newMember), platform::MessageButtons::YesNo,
                                 platform::MessageIcon::Question) != platform::MessageAnswer::Yes)
        return {Outcome::Unchanged, const_cast<CControlItem*>(&control)};

    // Everything is computed from the current objects before the first edit re-parses them.
    const std::string oldMember = control.m_strMemberName;
    const std::string identifier = control.m_strIdentifierSymbol;
    const std::string propString = control.m_strPropStringSymbol;
    const std::string container = control.m_pContainer ? control.m_pContainer->m_strMemberName : std::string();
    size_t sharing = 0; // other objects that share the old member name (array elements)
    for (const auto& other : form.GetItems())
        sharing += other.get() != &control && other->m_strMemberName == oldMember ? 1 : 0;
    std::string partnerDeclaration;
    std::string newPropertyString;
    std::string ownClass = WithoutArraySuffix(control.m_strClassName);
    if (partner) {
        if (!partner->m_strClassName.ends_with("Array"))
            partnerDeclaration = DeclarationLineText(partner->m_strClassName + "Array", newMember);
        auto element = control.Clone();
        element->SetPropertyValue(
            "Index", std::to_string(FirstFreeArrayIndex(form, control.m_nTypeCode, newMember, &control)));
        newPropertyString = element->BuildPropertyValueString({});
    }

    CodeEdit edit(services);
    GeneratedLineEditor& lines = edit.Lines();
    if (!edit.Session().Load(formHeader) || !edit.Session().Load(formSource))
        return {Outcome::Failed, nullptr};
    const auto findDeclaration = [&](const std::string& member) -> std::optional<TextRange> {
        const std::string* text = lines.FileText(form, kLineDeclaration);
        return text ? FindDeclaration(form, *text, member) : std::nullopt;
    };
    const auto replaceDeclaration = [&](const std::string& member, const std::string& text) {
        const auto range = findDeclaration(member);
        return range && lines.ReplaceRange(form, kLineDeclaration, range->first, range->end, text);
    };
    const auto deleteDeclaration = [&](const std::string& member) {
        const auto range = findDeclaration(member);
        return range && lines.DeleteRange(form, kLineDeclaration, range->first, range->end);
    };
    bool done = true;
    if (partner) {
        if (!partnerDeclaration.empty())
            done = replaceDeclaration(newMember, partnerDeclaration);
        if (done && sharing == 0)
            done = deleteDeclaration(oldMember);
    } else if (sharing == 0) {
        done = replaceDeclaration(oldMember, DeclarationLineText(ownClass, newMember));
    } else {
        // An element leaves its array: the others keep the array's declaration.
        done = lines.InsertLine(form, kLineDeclaration, DeclarationLineText(ownClass, newMember));
    }
    if (done) {
        const std::string* text = lines.FileText(form, kLineCreation);
        const auto range = text ? FindCreationLine(form, *text, oldMember, identifier) : std::nullopt;
        done = range && lines.ReplaceRange(form, kLineCreation, range->first, range->end,
                                           CreationLineText(newMember, container, identifier, propString));
    }
    if (done && partner) {
        const std::string scriptPath = services.project.GetResourceScriptPath();
        const std::string* script = edit.Session().Load(scriptPath);
        const auto range = script ? FindStringTableEntry(*script, propString) : std::nullopt;
        done = range && edit.Session().Replace(scriptPath, range->first, range->end,
                                               StringTableText(propString, newPropertyString));
        if (done) // the element's Index is read back from the entry just written
            edit.Session().Reparse(formSource);
    }
    if (!done || !edit.Commit())
        return {Outcome::Failed, nullptr};
    return {Outcome::Renamed, FindControl(form, newMember, identifier)};
}

bool WritePropertyString(const CodeWriterServices& services, const CControlItem& item)
{
    const std::string scriptPath = services.project.GetResourceScriptPath();
    if (item.m_strPropStringSymbol.empty() || !CheckWritable(services, scriptPath))
        return false;
    SourceEditSession session(services.context, services.sources, services.parser);
    const std::string* script = session.Load(scriptPath);
    if (!script)
        return false;
    const std::string entry = StringTableText(item.m_strPropStringSymbol, item.BuildPropertyValueString({}));
    if (const auto existing = FindStringTableEntry(*script, item.m_strPropStringSymbol)) {
        if (!session.Replace(scriptPath, existing->first, existing->end, entry))
            return false;
    } else {
        const auto site = StringTableSite(*script, services.context.messages);
        if (!site || !session.Insert(scriptPath, *site, "\t" + entry + "\r\n"))
            return false;
    }
    return session.Commit();
}

} // namespace morva
