#include "codegen/HandlerEditor.h"

#include "catalogue/ControlTypes.h"
#include "codegen/CodeEdit.h"
#include "codegen/GeneratedLineEditor.h"
#include "codegen/ReplaceAll.h"
#include "codegen/SourceEditSession.h"
#include "codegen/TemplateTable.h"
#include "codegen/templates/HandlerTemplateIds.h"
#include "model/CControlItem.h"
#include "model/ControlNaming.h"
#include "platform/base/FileSystem.h"
#include "sourcemodel/CClassItem.h"

namespace morva {

namespace {

// What the steps need of the object: its item is rebuilt by the first re-parse.
struct HandlerTarget {
    EventCategory category;
    int32_t kind;
    std::string handler;
    std::string identifierSymbol;
    std::string message;
};

} // namespace

EventCategory CategoryOf(const CControlItem& object)
{
    if (object.IsFormItem() || object.m_nKind == kKindForm)
        return EventCategory::Form;
    if (object.m_nKind == kKindMenuCommand)
        return EventCategory::MenuItem;
    if (object.m_nKind == kKindActiveX)
        return EventCategory::ActiveXControl;
    return EventCategory::IntrinsicControl;
}

HandlerEditor::HandlerEditor(const CodegenContext& context, GeneratedLineEditor& lines)
    : m_context(context), m_lines(lines)
{
}

std::string HandlerEditor::BodyTemplate(const CClassItem& form, int id) const
{
    std::string text = ReplaceAll(TemplateText(id), "<CLASS_NAME>", form.m_strName);
    return ReplaceAll(text, "<BASE_CLASSNAME>", form.m_strBaseClass);
}

bool HandlerEditor::AddEventHandler(CClassItem& form, const CControlItem& object, const CCtrlEventMethodItem& shown)
{
    // The object and its event list are rebuilt by the first re-parse: work from copies.
    const CCtrlEventMethodItem event = shown;
    const EventCategory category = CategoryOf(object);
    const bool arrayElement = object.m_bArrayMember && category == EventCategory::IntrinsicControl;
    HandlerTarget target{category, object.m_nKind, EventHandlerName(object, event.m_strName),
                         object.m_strIdentifierSymbol, EventMessageName(event.m_strName, arrayElement)};
    if (form.FindFunction(target.handler))
        return true;
    std::string parameters = event.m_strParamDecls;
    if (arrayElement)
        parameters = parameters.empty() ? "int nIndex" : "int nIndex, " + parameters;
    const std::string signature = event.m_strReturnType + " " + target.handler + "(" + parameters + ")";
    const std::string& eventName = event.m_strName;
    const int32_t dispId = event.m_nDispId;
    const std::string& vts = event.m_strParamVts;

    if (!EnsureHandlerMaps(form, target.kind, category))
        return false;
    if (category == EventCategory::Form) {
        if (!m_lines.InsertLine(form, kLinePublicMember, "virtual " + signature + ";"))
            return false;
    } else if (!m_lines.InsertLine(form, kLineHandlerDeclaration, "afx_msg " + signature + ";")) {
        return false;
    }
    switch (category) {
    case EventCategory::IntrinsicControl:
        if (!m_lines.InsertLine(form, kLineMessageMapEntry,
                                "ON_" + target.message + "(" + target.identifierSymbol + ", " + target.handler + ")"))
            return false;
        break;
    case EventCategory::MenuItem:
        if (!m_lines.InsertLine(form, kLineMessageMapEntry,
                                "ON_COMMAND(" + target.identifierSymbol + ", " + target.handler + ")"))
            return false;
        break;
    case EventCategory::ActiveXControl:
        if (!m_lines.InsertLine(form, kLineEventSinkEntry,
                                "ON_EVENT(" + form.m_strName + ", " + target.identifierSymbol + ", " +
                                    std::to_string(dispId) + ", " + target.handler + ", " + vts + ")"))
            return false;
        break;
    case EventCategory::Form:
        break;
    }
    const bool dragEvent = eventName.find("OLEDragDrop") != std::string::npos ||
                           eventName.find("OLEDragOver") != std::string::npos;
    const std::string body = event.m_strReturnType + " " + form.m_strName + "::" + target.handler + "(" + parameters +
                             ")\r\n{\r\n\t// TODO: Add your code here\r\n\t" + (dragEvent ? "return lEffect;" : "") +
                             "\r\n}";
    return m_lines.InsertLine(form, kLineFunctionBody, body);
}

bool HandlerEditor::EnsureHandlerMaps(CClassItem& form, int32_t objectKind, EventCategory category)
{
    const std::string header = form.m_strHeaderFile;
    const std::string implementation = form.GetImplementationFile();
    if (header.empty() || implementation.empty() || !m_context.fs.isWritable(header) ||
        !m_context.fs.isWritable(implementation))
        return false;
    SourceEditSession& session = m_lines.Session();
    if (!session.Load(header) || !session.Load(implementation))
        return false;
    session.Reparse(header);
    if (implementation != header)
        session.Reparse(implementation);

    const std::string declaration = objectKind == kKindActiveX ? "\tDECLARE_EVENTSINK_MAP()" : "\tDECLARE_MESSAGE_MAP()";
    if (session.Text(header).find(declaration) == std::string::npos &&
        !m_lines.InsertLine(form, objectKind == kKindActiveX ? kLineProtectedBlock2 : kLineProtectedBlock, declaration))
        return false;

    const auto mapTemplate = [&](int id) {
        std::string text = ReplaceAll(TemplateText(id), "<C>", form.m_strName);
        return ReplaceAll(text, "<BC>", form.m_strBaseClass);
    };
    switch (category) {
    case EventCategory::IntrinsicControl:
    case EventCategory::MenuItem:
        if (form.m_nMessageMapBegin < 0)
            return m_lines.InsertLine(form, kLineMessageMap, mapTemplate(tpl::kMessageMap));
        return true;
    case EventCategory::ActiveXControl:
        if (form.m_nEventSinkMapBegin < 0)
            return m_lines.InsertLine(form, kLineEventSinkMap, mapTemplate(tpl::kEventSinkMap));
        return true;
    case EventCategory::Form:
        break;
    }
    const CAFXParseEntry* block = form.GetVirtualBlock();
    if (!block)
        return m_lines.InsertLine(form, kLineClassEnd,
                                  ReplaceAll(TemplateText(tpl::kOverridesBlock), "<BASE_CLASS>", form.m_strName));
    const auto hasLabel = [&](const char* keyword) {
        const CAFXParseEntry* current = form.GetVirtualBlock();
        for (const auto& section : form.m_accessSections)
            if (current && section->m_strKeyword == keyword && section->m_nOffset > current->m_nStart &&
                (current->m_nEnd < 0 || section->m_nOffset < current->m_nEnd))
                return true;
        return false;
    };
    if (!hasLabel("public") && !m_lines.InsertLine(form, kLinePublicSection, "public:"))
        return false;
    if (!hasLabel("protected") && !m_lines.InsertLine(form, kLineProtectedSection, "protected:"))
        return false;
    return true;
}

bool HandlerEditor::AddStandardHandler(CClassItem& form, const char* name, uint32_t declarationKind,
                                       int declarationId, const char* mapEntry, int bodyId)
{
    if (form.FindFunction(name))
        return true;
    const bool lineBreak = declarationId != tpl::kWindowProcDeclaration; // that one carries its own
    if (!m_lines.InsertLine(form, declarationKind, TemplateText(declarationId), lineBreak))
        return false;
    if (mapEntry && !m_lines.InsertLine(form, kLineMessageMapEntry, mapEntry))
        return false;
    return m_lines.InsertLine(form, kLineFunctionBody, BodyTemplate(form, bodyId));
}

bool HandlerEditor::AddOnCreate(CClassItem& form)
{
    return AddStandardHandler(form, "OnCreate", kLineHandlerDeclaration, tpl::kOnCreateDeclaration, "ON_WM_CREATE()",
                              tpl::kOnCreateBody);
}

bool HandlerEditor::AddOnPaint(CClassItem& form)
{
    return AddStandardHandler(form, "OnPaint", kLineHandlerDeclaration, tpl::kOnPaintDeclaration, "ON_WM_PAINT()",
                              tpl::kOnPaintBody);
}

bool HandlerEditor::AddOnDraw(CClassItem& form)
{
    return AddStandardHandler(form, "OnDraw", kLinePublicMember, tpl::kOnDrawDeclaration, nullptr, tpl::kOnDrawBody);
}

bool HandlerEditor::AddWindowProc(CClassItem& form)
{
    return AddStandardHandler(form, "WindowProc", kLineProtectedMember, tpl::kWindowProcDeclaration, nullptr,
                              tpl::kWindowProcBody);
}

bool HandlerEditor::AddCreateFunction(CClassItem& form)
{
    if (form.FindFunction("CreateTFXControls"))
        return true;
    if (!m_lines.InsertLine(form, kLinePublicMember, "virtual\tvoid CreateTFXControls();"))
        return false;
    const std::string body = "\r\n\r\nvoid " + form.m_strName +
                             "::CreateTFXControls()\r\n{\r\n\t//{{AFX_TFX_CTRL_IMPL_START\r\n"
                             "\t//}}AFX_TFX_CTRL_IMPL_END\r\n}\r\n";
    return m_lines.InsertLine(form, kLineFunctionBody, body);
}

bool AddEventHandler(const CodeWriterServices& services, CClassItem& form, const CControlItem& object,
                     const CCtrlEventMethodItem& event)
{
    CodeEdit edit(services);
    HandlerEditor handlers(services.context, edit.Lines());
    return handlers.AddEventHandler(form, object, event) && edit.Commit();
}

} // namespace morva
