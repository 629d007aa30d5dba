#include "codegen/GeneratedLineSites.h"

#include "codegen/ResourceText.h"
#include "codegen/TemplateTable.h"
#include "codegen/templates/HandlerTemplateIds.h"
#include "model/CControlItem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/CppScanner.h"

namespace morva {

namespace {

constexpr size_t npos = std::string_view::npos;

bool Valid(int64_t offset, std::string_view text)
{
    return offset >= 0 && static_cast<size_t>(offset) <= text.size();
}

// Just after the line break at or after `from`; nothing when the text ends first.
std::optional<size_t> AfterLineBreak(std::string_view text, size_t from)
{
    const size_t lf = text.find('\n', from);
    if (lf == npos)
        return std::nullopt;
    return lf + 1;
}

size_t LineStart(std::string_view text, size_t position)
{
    const size_t lf = position == 0 ? npos : text.rfind('\n', position - 1);
    return lf == npos ? 0 : lf + 1;
}

const CFunctionItem* FunctionWithBody(const CClassItem& item, std::string_view name, std::string_view text)
{
    for (const auto& function : item.m_functions)
        if (function->m_strName == name && function->HasBody() && static_cast<size_t>(function->m_nBodyEnd) < text.size())
            return function.get();
    return nullptr;
}

std::string FunctionFile(const CClassItem& item, std::string_view name)
{
    const CFunctionItem* function = item.FindFunction(name);
    return function ? function->m_strFile : std::string();
}

std::string FormSource(const CClassItem& item)
{
    for (const char* name : {"CreateTFXControls", "OnCreate"})
        if (std::string file = FunctionFile(item, name); !file.empty())
            return file;
    return item.GetImplementationFile();
}

// The first "public:" written in the class body. The entry the parser records at the opening
// brace is not one: a class body starts private.
const CAccessSpecifierItem* FirstPublicLabel(const CClassItem& item)
{
    for (const auto& section : item.m_accessSections)
        if (section->m_strKeyword == "public" && section->m_nOffset != item.m_nBodyStart)
            return section.get();
    return nullptr;
}

std::optional<size_t> AfterFirstPublic(const CClassItem& item, std::string_view text)
{
    const CAccessSpecifierItem* section = FirstPublicLabel(item);
    if (!section || !Valid(section->m_nOffset, text))
        return std::nullopt;
    return AfterLineBreak(text, static_cast<size_t>(section->m_nOffset));
}

// The start of the line that holds the class's closing brace when only blanks stand before
// the brace on it, else the brace itself: text put there stays inside the class and never
// splits a CR LF.
std::optional<size_t> ClassEnd(const CClassItem& item, std::string_view text)
{
    if (!Valid(item.m_nDeclarationEnd + 1, text))
        return std::nullopt;
    const size_t brace = static_cast<size_t>(item.m_nDeclarationEnd + 1);
    const size_t start = LineStart(text, brace);
    const std::string_view before = text.substr(start, brace - start);
    return before.find_first_not_of(" \t") == npos ? start : brace;
}

// Position of the end marker of a marker pair that starts at or after `from`, both before `limit`.
std::optional<size_t> PairEnd(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                              size_t from, size_t limit, size_t* startAt = nullptr)
{
    const size_t start = text.find(startMarker, from);
    if (start == npos || start >= limit)
        return std::nullopt;
    const size_t end = text.find(endMarker, start + startMarker.size());
    if (end == npos || end >= limit)
        return std::nullopt;
    if (startAt)
        *startAt = start;
    return end;
}

size_t DeclarationLimit(const CClassItem& item, std::string_view text)
{
    return Valid(item.m_nDeclarationEnd + 1, text) ? static_cast<size_t>(item.m_nDeclarationEnd + 1) : text.size();
}

std::optional<size_t> VirtualBlockSite(const CClassItem& item, std::string_view text, std::string_view word)
{
    const CAFXParseEntry* block = item.GetVirtualBlock();
    if (!block || block->m_strFile != item.m_strHeaderFile || !Valid(block->m_nStart, text))
        return AfterFirstPublic(item, text);
    const size_t start = static_cast<size_t>(block->m_nStart);
    const CppScanner scanner(text.substr(0, DeclarationLimit(item, text)));
    const size_t found = scanner.findToken(word, start);
    return AfterLineBreak(text, found == npos ? start : found);
}

// Past the last function body or map of the class in its implementation file.
std::optional<size_t> AfterLastFunctionOrMap(const CClassItem& item, std::string_view text)
{
    const std::string implementation = item.GetImplementationFile();
    const auto mapEnd = [&](int64_t end, const std::string& file, std::string_view word) -> int64_t {
        if (end < 0 || file != implementation || !Valid(end + static_cast<int64_t>(word.size()), text))
            return -1;
        return end + static_cast<int64_t>(word.size());
    };
    const int64_t messageMap = mapEnd(item.m_nMessageMapEnd, item.m_strMessageMapFile, "END_MESSAGE_MAP()");
    const int64_t eventSinkMap = mapEnd(item.m_nEventSinkMapEnd, item.m_strEventSinkMapFile, "END_EVENTSINK_MAP()");
    bool hasDefinitions = false;
    int64_t position = -1;
    for (const auto& function : item.m_functions) {
        if (!function->HasBody())
            continue;
        hasDefinitions = true;
        if (function->m_strFile == implementation && Valid(function->m_nBodyEnd + 1, text))
            position = std::max(position, function->m_nBodyEnd + 1);
    }
    if (hasDefinitions) {
        position = std::max({position, messageMap, eventSinkMap});
        if (position < 0)
            return std::nullopt;
        return static_cast<size_t>(position);
    }
    // Without definitions the new text follows the message map; inserting before its
    // END_MESSAGE_MAP would put it inside the map.
    if (messageMap >= 0)
        return static_cast<size_t>(messageMap);
    return ClassEnd(item, text);
}

std::optional<size_t> MapEntrySite(const CClassItem& item, std::string_view text, bool eventSink,
                                   platform::MessageService& messages)
{
    const int64_t begin = eventSink ? item.m_nEventSinkMapBegin : item.m_nMessageMapBegin;
    const int64_t end = eventSink ? item.m_nEventSinkMapEnd : item.m_nMessageMapEnd;
    const std::string& file = eventSink ? item.m_strEventSinkMapFile : item.m_strMessageMapFile;
    if (begin < 0 || end < 0 || !Valid(end, text)) {
        if (!eventSink)
            messages.show(std::string(TemplateText(tpl::kMsgNoMessageMap)));
        return std::nullopt;
    }
    const CAFXParseEntry* block = item.FindBlock(eventSink ? "AFX_EVENTSINK_MAP" : "AFX_MSG_MAP");
    if (!block || block->m_strFile != file || block->m_nStart < begin || block->m_nStart > end) {
        if (!eventSink)
            messages.show(std::string(TemplateText(tpl::kMsgNoMessageMapMarkers)));
        return std::nullopt;
    }
    return AfterLineBreak(text, static_cast<size_t>(block->m_nStart));
}

} // namespace

std::string FileForKind(const CClassItem& item, const CProject& project, uint32_t kind)
{
    switch (kind) {
    case kLineCreation:
    case kLineInclude:
        return FormSource(item);
    case kLineWindowProcCall:
        if (std::string file = FunctionFile(item, "WindowProc"); !file.empty())
            return file;
        return FormSource(item);
    case kLinePaintCall:
        for (const char* name : {"OnPaint", "OnDraw"})
            if (std::string file = FunctionFile(item, name); !file.empty())
                return file;
        return FormSource(item);
    case kLineOnCreateCall:
        if (std::string file = FunctionFile(item, "OnCreate"); !file.empty())
            return file;
        return item.GetImplementationFile();
    case kLineFormResource:
        if (std::string file = FunctionFile(item, item.m_strName); !file.empty())
            return file;
        return FormSource(item);
    case kLineMessageMapEntry:
        return item.m_strMessageMapFile.empty() ? item.GetImplementationFile() : item.m_strMessageMapFile;
    case kLineEventSinkEntry:
        return item.m_strEventSinkMapFile.empty() ? item.GetImplementationFile() : item.m_strEventSinkMapFile;
    case kLineFunctionBody:
    case kLineMessageMap:
    case kLineEventSinkMap:
        return item.GetImplementationFile();
    case kLineControlSymbols:
    case kLineResourceSymbol:
    case kLinePictureSymbol:
        return project.GetResourceHeaderPath();
    case kLineStringTable:
    case kLineBitmapResource:
    case kLineIconResource:
    case kLineCursorResource:
        return project.GetResourceScriptPath();
    default:
        return item.m_strHeaderFile;
    }
}

std::optional<size_t> FindInsertPosition(const CClassItem& item, std::string_view text, uint32_t kind,
                                         platform::MessageService& messages)
{
    switch (kind) {
    case kLineCreation: {
        const CFunctionItem* function = FunctionWithBody(item, "CreateTFXControls", text);
        if (!function)
            return std::nullopt;
        return PairEnd(text, kCreationStart, kCreationEnd, static_cast<size_t>(function->m_nBodyStart),
                       static_cast<size_t>(function->m_nBodyEnd));
    }
    case kLineDeclaration: {
        if (!Valid(item.m_nBodyStart, text))
            return std::nullopt;
        const size_t limit = DeclarationLimit(item, text);
        if (text.find(kDeclarationStart, static_cast<size_t>(item.m_nBodyStart)) < limit)
            return PairEnd(text, kDeclarationStart, kDeclarationEnd, static_cast<size_t>(item.m_nBodyStart), limit);
        return AfterFirstPublic(item, text);
    }
    case kLineHandlerDeclaration: {
        const CAFXParseEntry* block = item.GetMessageBlock();
        if (block && block->m_strFile == item.m_strHeaderFile && Valid(block->m_nStart, text))
            return AfterLineBreak(text, static_cast<size_t>(block->m_nStart));
        return AfterFirstPublic(item, text);
    }
    case kLinePublicMember:
        return VirtualBlockSite(item, text, "public:");
    case kLineProtectedMember:
        return VirtualBlockSite(item, text, "protected:");
    case kLineMessageMapEntry:
        return MapEntrySite(item, text, false, messages);
    case kLineEventSinkEntry:
        return MapEntrySite(item, text, true, messages);
    case kLineFunctionBody:
    case kLineMessageMap:
    case kLineEventSinkMap:
        return AfterLastFunctionOrMap(item, text);
    case kLinePublicSection:
    case kLineProtectedSection: {
        // Inside the block, after its start marker (and after its "public:" for the protected
        // section): the labels must lie between the markers, where the next handler looks for
        // them, or every handler would add another pair.
        const CAFXParseEntry* block = item.GetVirtualBlock();
        if (!block || !Valid(block->m_nStart, text))
            return std::nullopt;
        const size_t start = static_cast<size_t>(block->m_nStart);
        const size_t blockEnd = Valid(block->m_nEnd, text) ? static_cast<size_t>(block->m_nEnd) : start;
        if (kind == kLineProtectedSection) {
            const CppScanner scanner(text.substr(0, blockEnd));
            if (const size_t label = scanner.findWord("public", start); label != npos)
                return AfterLineBreak(text, label);
        }
        return AfterLineBreak(text, start);
    }
    case kLineClassEnd:
    case kLineProtectedBlock:
    case kLineProtectedBlock2:
        return ClassEnd(item, text);
    case kLineInclude:
        return 0;
    case kLineControlSymbols:
    case kLineResourceSymbol:
    case kLinePictureSymbol:
        return SymbolSite(text);
    case kLineStringTable:
        return StringTableSite(text, messages);
    case kLineBitmapResource:
        return BitmapSite(text);
    case kLineIconResource:
        return IconSite(text);
    case kLineCursorResource:
        return CursorSite(text);
    case kLineFormResource: {
        size_t start = 0;
        if (!PairEnd(text, kFormDataStart, kFormDataEnd, 0, text.size(), &start))
            return std::nullopt;
        return AfterLineBreak(text, start);
    }
    case kLineOnCreateCall: {
        const CFunctionItem* function = FunctionWithBody(item, "OnCreate", text);
        if (!function)
            return std::nullopt;
        const CppScanner scanner(text);
        const size_t found = scanner.findTokenBackward("return", static_cast<size_t>(function->m_nBodyEnd));
        if (found == npos || found <= static_cast<size_t>(function->m_nBodyStart))
            return std::nullopt;
        return LineStart(text, found);
    }
    case kLineWindowProcCall: {
        const CFunctionItem* function = FunctionWithBody(item, "WindowProc", text);
        if (!function)
            return std::nullopt;
        const auto after = AfterLineBreak(text, static_cast<size_t>(function->m_nBodyStart));
        if (!after || *after > static_cast<size_t>(function->m_nBodyEnd))
            return std::nullopt;
        return after;
    }
    case kLinePaintCall: {
        const CFunctionItem* function = FunctionWithBody(item, "OnPaint", text);
        if (!function)
            function = FunctionWithBody(item, "OnDraw", text);
        if (!function)
            return std::nullopt;
        const size_t close = static_cast<size_t>(function->m_nBodyEnd);
        const size_t start = LineStart(text, close);
        if (start <= static_cast<size_t>(function->m_nBodyStart))
            return std::nullopt;
        return start;
    }
    default:
        return std::nullopt;
    }
}

std::string_view IndentationAt(std::string_view text, size_t position)
{
    const size_t start = LineStart(text, std::min(position, text.size()));
    size_t end = start;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t'))
        ++end;
    return text.substr(start, end - start);
}

std::optional<TextRange> FindCreationLine(const CClassItem& item, std::string_view text, std::string_view memberName,
                                          std::string_view identifierSymbol)
{
    const CFunctionItem* function = FunctionWithBody(item, "CreateTFXControls", text);
    if (!function || memberName.empty())
        return std::nullopt;
    const size_t bodyEnd = static_cast<size_t>(function->m_nBodyEnd);
    const CppScanner scanner(text.substr(0, bodyEnd));
    const std::string call = std::string(memberName) + ".Create";
    for (size_t at = scanner.findToken(call, static_cast<size_t>(function->m_nBodyStart)); at != npos;
         at = scanner.findToken(call, at + 1)) {
        if (at > 0 && CppScanner::isIdentifierChar(text[at - 1]))
            continue;
        const size_t after = at + call.size();
        if (after < text.size() && CppScanner::isIdentifierChar(text[after]))
            continue;
        const size_t semicolon = scanner.findToken(";", after);
        if (semicolon == npos)
            return std::nullopt;
        if (!identifierSymbol.empty()) {
            const CppScanner statement(text.substr(0, semicolon));
            if (statement.findWord(identifierSymbol, after) == npos)
                continue;
        }
        return TextRange{at, semicolon + 1};
    }
    return std::nullopt;
}

std::optional<TextRange> FindDeclaration(const CClassItem& item, std::string_view text, std::string_view memberName)
{
    const CVariableItem* variable = item.FindVariable(memberName);
    if (!variable || !Valid(variable->m_nOffset, text))
        return std::nullopt;
    const size_t start = static_cast<size_t>(variable->m_nOffset);
    const size_t limit = DeclarationLimit(item, text);
    const CppScanner scanner(text.substr(0, limit));
    const size_t semicolon = scanner.findToken(";", start);
    if (semicolon == npos || scanner.findWord(memberName, start) > semicolon)
        return std::nullopt;
    return TextRange{start, semicolon + 1};
}

std::optional<TextRange> FindStringTableEntry(std::string_view script, std::string_view propStringSymbol)
{
    if (propStringSymbol.empty())
        return std::nullopt;
    const CppScanner scanner(script);
    const size_t at = scanner.findWord(propStringSymbol, 0);
    if (at == npos)
        return std::nullopt;
    const size_t lineEnd = std::min(script.find('\n', at), script.size());
    const size_t open = script.find('"', at);
    if (open == npos || open > lineEnd)
        return std::nullopt;
    const size_t close = script.find('"', open + 1);
    if (close == npos)
        return std::nullopt;
    return TextRange{at, close + 1};
}

std::optional<TextRange> FindExistingLine(const CClassItem& item, const CControlItem& control, std::string_view text,
                                          uint32_t kind)
{
    switch (kind) {
    case kLineCreation:
        return FindCreationLine(item, text, control.m_strMemberName, control.m_strIdentifierSymbol);
    case kLineDeclaration:
        return FindDeclaration(item, text, control.m_strMemberName);
    case kLineStringTable:
        return FindStringTableEntry(text, control.m_strPropStringSymbol);
    case kLineFormResource: {
        size_t start = 0;
        const auto end = PairEnd(text, kFormDataStart, kFormDataEnd, 0, text.size(), &start);
        if (!end)
            return std::nullopt;
        const size_t at = text.find("m_nResID", start);
        if (at == npos || at > *end)
            return std::nullopt;
        const size_t semicolon = text.find(';', at);
        if (semicolon == npos || semicolon > *end)
            return std::nullopt;
        return TextRange{at, semicolon + 1};
    }
    default:
        return std::nullopt;
    }
}

TextRange WholeLines(std::string_view text, TextRange range)
{
    const size_t start = LineStart(text, range.first);
    if (text.substr(start, range.first - start).find_first_not_of(" \t") != npos)
        return range;
    size_t end = range.end;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t' || text[end] == '\r'))
        ++end;
    if (end < text.size() && text[end] != '\n')
        return range;
    return {start, end < text.size() ? end + 1 : end};
}

} // namespace morva
