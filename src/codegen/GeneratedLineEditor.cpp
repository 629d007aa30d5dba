#include "codegen/GeneratedLineEditor.h"

#include "codegen/GeneratedLineSites.h"
#include "codegen/GeneratedLineText.h"
#include "codegen/SourceEditSession.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"

namespace morva {

namespace {

bool IsResourceKind(uint32_t kind)
{
    return kind >= kLineControlSymbols && kind <= kLineCursorResource;
}

bool AtLineStart(std::string_view text, size_t position)
{
    return position == 0 || text[position - 1] == '\n';
}

// The inserted text of a kind around the caller's text.
std::string BuildInsertion(uint32_t kind, std::string_view text, std::string_view indentation, bool atLineStart,
                           bool lineBreak)
{
    const std::string given(text);
    switch (kind) {
    case kLineCreation:
    case kLineDeclaration:
        return ForInsertion(text, indentation, atLineStart);
    case kLineFunctionBody:
    case kLineMessageMap:
    case kLineEventSinkMap:
        return "\r\n" + given;
    case kLineClassEnd:
    case kLineInclude:
    case kLineControlSymbols:
    case kLineResourceSymbol:
    case kLinePictureSymbol:
    case kLineBitmapResource:
    case kLineIconResource:
    case kLineCursorResource:
        return given;
    case kLinePublicSection:
        return std::string(indentation) + "public:\r\n";
    case kLineProtectedSection:
        return std::string(indentation) + "protected:\r\n";
    case kLineProtectedBlock:
    case kLineProtectedBlock2:
        return "protected:\r\n" + given + "\r\n";
    case kLineStringTable:
        return "\t" + given + "\r\n";
    case kLineFormResource:
        return "\t" + given + "\r\n";
    default:
        // A text that brings its own indentation (the WindowProc declaration) keeps it alone.
        if (!given.empty() && (given.front() == '\t' || given.front() == ' '))
            return given + (lineBreak ? "\r\n" : "");
        return std::string(indentation) + given + (lineBreak ? "\r\n" : "");
    }
}

} // namespace

GeneratedLineEditor::GeneratedLineEditor(SourceEditSession& session, const CProject& project,
                                         platform::MessageService& messages)
    : m_session(session), m_project(project), m_messages(messages)
{
}

const std::string* GeneratedLineEditor::FileText(const CClassItem& item, uint32_t kind, std::string* path)
{
    const std::string file = FileForKind(item, m_project, kind);
    if (path)
        *path = file;
    const std::string* text = m_session.Load(file);
    if (!text)
        m_messages.show("File " + file + " does not exist");
    return text;
}

bool GeneratedLineEditor::EditAndReparse(const std::string& path, uint32_t kind, size_t first, size_t end,
                                         const std::string& text)
{
    if (!m_session.Replace(path, first, end, text))
        return false;
    if (!IsResourceKind(kind))
        m_session.Reparse(path);
    return true;
}

bool GeneratedLineEditor::InsertLine(CClassItem& item, uint32_t kind, std::string_view text, bool lineBreak)
{
    std::string path;
    const std::string* fileText = FileText(item, kind, &path);
    if (!fileText)
        return false;
    if ((kind == kLineProtectedBlock || kind == kLineProtectedBlock2) && fileText->find(text) != std::string::npos)
        return true;
    const auto position = FindInsertPosition(item, *fileText, kind, m_messages);
    if (!position)
        return false;
    const std::string insertion =
        BuildInsertion(kind, text, IndentationAt(*fileText, *position), AtLineStart(*fileText, *position), lineBreak);
    return EditAndReparse(path, kind, *position, *position, insertion);
}

bool GeneratedLineEditor::ReplaceLine(CClassItem& item, const CControlItem& control, uint32_t kind,
                                      std::string_view text)
{
    const std::string* fileText = FileText(item, kind);
    const auto range = fileText ? FindExistingLine(item, control, *fileText, kind) : std::nullopt;
    return range && ReplaceRange(item, kind, range->first, range->end, text);
}

bool GeneratedLineEditor::DeleteLine(CClassItem& item, const CControlItem& control, uint32_t kind)
{
    const std::string* fileText = FileText(item, kind);
    const auto range = fileText ? FindExistingLine(item, control, *fileText, kind) : std::nullopt;
    return range && DeleteRange(item, kind, range->first, range->end);
}

bool GeneratedLineEditor::ReplaceRange(CClassItem& item, uint32_t kind, size_t first, size_t end, std::string_view text)
{
    std::string path;
    if (!FileText(item, kind, &path))
        return false;
    return EditAndReparse(path, kind, first, end, std::string(text));
}

bool GeneratedLineEditor::DeleteRange(CClassItem& item, uint32_t kind, size_t first, size_t end)
{
    std::string path;
    const std::string* fileText = FileText(item, kind, &path);
    if (!fileText)
        return false;
    const TextRange lines = WholeLines(*fileText, {first, end});
    return EditAndReparse(path, kind, lines.first, lines.end, {});
}

} // namespace morva
