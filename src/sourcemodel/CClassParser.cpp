#include "sourcemodel/CClassParser.h"

#include "catalogue/Catalogue.h"
#include "model/CControlItem.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/BaseClassList.h"
#include "sourcemodel/CCppFileItem.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/CppScanner.h"
#include "sourcemodel/IToolboxCatalogue.h"
#include "sourcemodel/MessageMapEntry.h"

#include <algorithm>
#include <vector>

namespace morva {

namespace {

constexpr size_t npos = CppScanner::npos;

int64_t Offset(size_t position)
{
    return position == npos ? -1 : static_cast<int64_t>(position);
}

bool IsIdentifier(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), CppScanner::isIdentifierChar);
}

bool HasSpace(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), CppScanner::isSpace);
}

// Upper-case letters, digits and underscores: how export macros (AFX_EXT_CLASS) are written.
bool IsMacroName(std::string_view word)
{
    return IsIdentifier(word) &&
           std::none_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The words of `text` split at white space.
std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && CppScanner::isSpace(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !CppScanner::isSpace(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

// The text with every comment replaced by blanks (line breaks kept), so that statements can
// be split into words without a comment's words among them. Offsets stay the same.
std::string BlankComments(std::string_view text)
{
    std::string code(text);
    const CppScanner scanner(text);
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const size_t after = c == '/' || c == '"' || c == '\'' ? scanner.skipNonCode(i) : i;
        if (after == i) {
            ++i;
            continue;
        }
        if (text[i] == '/')
            for (size_t j = i; j < after; ++j)
                if (code[j] != '\n')
                    code[j] = ' ';
        i = after;
    }
    return code;
}

// Line numbers of increasing offsets, counted on from the last one asked for so that a file
// with many functions is not recounted from its start for each.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : m_text(text) {}
    int64_t LineOf(size_t offset)
    {
        offset = std::min(offset, m_text.size());
        if (offset < m_offset) {
            m_offset = 0;
            m_line = 1;
        }
        m_line += std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_offset),
                             m_text.begin() + static_cast<std::ptrdiff_t>(offset), '\n');
        m_offset = offset;
        return m_line;
    }

private:
    std::string_view m_text;
    size_t m_offset = 0;
    int64_t m_line = 1;
};

// A class head without preprocessor lines, taking the first branch of a conditional:
// "CA : public CXForm\n#else\nclass CA : public CWnd\n#endif" reads as "CA : public CXForm".
std::string FirstBranchText(std::string_view text)
{
    std::string result;
    bool skipping = false;
    int depth = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = TrimSpaces(text.substr(start, end - start));
        if (!line.empty() && line.front() == '#') {
            const std::string_view directive = TrimSpaces(line.substr(1));
            const auto is = [&](std::string_view name) {
                return directive.substr(0, name.size()) == name &&
                       (directive.size() == name.size() || !CppScanner::isIdentifierChar(directive[name.size()]));
            };
            if (skipping) {
                if (is("if") || is("ifdef") || is("ifndef"))
                    ++depth;
                else if (is("endif") && depth-- == 0)
                    skipping = false;
            } else if (is("else") || is("elif")) {
                skipping = true;
                depth = 0;
            }
        } else if (!skipping) {
            result.append(text.substr(start, end - start));
            result += '\n';
        }
        start = end + 1;
    }
    return result;
}

} // namespace

CClassParser::CClassParser(CProject& project, platform::FileSystem& files, platform::MessageService& messages,
                           IToolboxCatalogue* catalogue)
    : m_project(project), m_fileSystem(files), m_messages(messages), m_pCatalogue(catalogue)
{
}

bool CClassParser::ParseFile(const std::string& path)
{
    const auto text = m_fileSystem.readTextFile(path);
    if (!text) {
        const std::string description = text.code() ? platform::FileSystem::systemErrorDescription(text.code())
                                                    : text.message().substr(text.message().find('\n') + 1);
        m_messages.show(description + "\nError in opening / reading file..\n");
        return false;
    }
    ParseText(path, text.value());
    return true;
}

void CClassParser::ParseText(const std::string& path, std::string_view text)
{
    const std::string code = BlankComments(text);
    ParseClasses(path, text);
    ParseFunctions(path, text);
    ParseMembers(path, text, code);
    ParseAccessSections(path, text);
    ParseMaps(path, text, code, false);
    ParseMaps(path, text, code, true);
    ParseBlocks(path, text);
}

bool CClassParser::ReparseFile(const std::string& path)
{
    const auto text = m_fileSystem.readTextFile(path);
    if (!text) {
        // An unreadable file no longer declares anything.
        ForgetFile(path);
        const std::string description = text.code() ? platform::FileSystem::systemErrorDescription(text.code())
                                                    : text.message().substr(text.message().find('\n') + 1);
        m_messages.show(description + "\nError in opening / reading file..\n");
        if (m_onReparsed)
            m_onReparsed(path);
        DropUndeclaredClasses();
        return false;
    }
    ReparseText(path, text.value());
    return true;
}

void CClassParser::ReparseText(const std::string& path, std::string_view text)
{
    ForgetFile(path);
    ParseText(path, text);
    if (m_onReparsed)
        m_onReparsed(path);
    DropUndeclaredClasses();
}

void CClassParser::ForgetFile(const std::string& path)
{
    for (const auto& item : m_project.GetClasses()) {
        CClassItem& c = *item;
        if (c.m_strHeaderFile == path) {
            c.m_nDeclarationStart = c.m_nDeclarationEnd = c.m_nBodyStart = -1;
            c.m_variables.clear();
            c.m_accessSections.clear();
            // The member objects came from this header; the form's own object stays.
            std::vector<const CControlItem*> members;
            for (const auto& control : c.GetItems())
                if (!control->IsFormItem())
                    members.push_back(control.get());
            for (const CControlItem* control : members)
                (void)c.RemoveItem(*control);
            c.m_strProgId.clear();
            c.m_pControlEntry = nullptr;
        }
        for (const auto& function : c.m_functions)
            if (function->m_strFile == path && function->m_strName == "CreateTFXControls")
                c.m_createEntries.clear();
        std::erase_if(c.m_functions, [&](const auto& function) { return function->m_strFile == path; });
        std::erase_if(c.m_blocks, [&](const auto& block) { return block->m_strFile == path; });
        if (c.m_strMessageMapFile == path) {
            c.m_nMessageMapBegin = c.m_nMessageMapEnd = -1;
            c.m_strMessageMapFile.clear();
        }
        if (c.m_strEventSinkMapFile == path) {
            c.m_nEventSinkMapBegin = c.m_nEventSinkMapEnd = -1;
            c.m_strEventSinkMapFile.clear();
        }
    }
    m_project.GetFileItem(path).m_strings.clear();
}

void CClassParser::DropUndeclaredClasses()
{
    std::vector<const CClassItem*> gone;
    for (const auto& item : m_project.GetClasses())
        if (item->m_nDeclarationStart < 0)
            gone.push_back(item.get());
    for (const CClassItem* item : gone)
        m_project.RemoveClass(*item);
}

// Pass 1: class heads and the extent of their bodies.
void CClassParser::ParseClasses(const std::string& path, std::string_view text)
{
    const CppScanner scanner(text);
    CCppFileItem& fileItem = m_project.GetFileItem(path);
    size_t keyword = scanner.findWord("class", 0);
    while (keyword != npos) {
        size_t next = keyword + 5;
        const size_t open = scanner.findToken("{", next);
        if (open == npos)
            break;
        std::string headText(text.substr(next, open - next));
        if (headText.find('#') != std::string::npos)
            headText = FirstBranchText(headText);
        const std::string_view head = TrimSpaces(headText);
        std::string_view name = head;
        std::string_view base;
        bool isClass = !head.empty();
        if (HasSpace(head)) {
            const size_t colon = head.find(':');
            if (colon == std::string_view::npos) {
                isClass = false; // a macro or a forward declaration before the name
            } else {
                name = TrimSpaces(head.substr(0, colon));
                // An export macro before the name ("class AFX_EXT_CLASS CFoo : public CWnd").
                if (const std::vector<std::string_view> nameWords = Words(name);
                    nameWords.size() > 1 && IsIdentifier(nameWords.back()) &&
                    std::all_of(nameWords.begin(), nameWords.end() - 1, IsMacroName))
                    name = nameWords.back();
                const std::vector<std::string_view> words = Words(head.substr(colon + 1));
                base = words.empty() ? std::string_view() : words.back();
            }
        } else if (const size_t colon = head.find(':'); colon != std::string_view::npos) {
            name = head.substr(0, colon); // "CFoo:public" is not written, but "CFoo:CBar" may be
            base = head.substr(colon + 1);
            if (!base.empty() && base.front() == ':')
                isClass = false;
        }
        // "enum class" declares an enumeration, and a name must be one identifier.
        if (scanner.identifierBefore(keyword) == "enum" || !IsIdentifier(name))
            isClass = false;
        const size_t close = isClass ? scanner.matchingClose(open) : npos;
        if (close != npos) {
            const size_t after = scanner.skipSpaces(close + 1);
            if (after < text.size() && text[after] == ';') {
                CClassItem* item = m_project.FindClass(name);
                if (!item) {
                    item = &m_project.AddClass(std::make_unique<CClassItem>());
                    item->m_strName = std::string(name);
                }
                item->m_strBaseClass = std::string(base);
                item->m_strHeaderFile = path;
                item->m_nDeclarationStart = Offset(keyword);
                item->m_nDeclarationEnd = Offset(close) - 1;
                item->m_nBodyStart = Offset(open);
                if (std::find(fileItem.m_strings.begin(), fileItem.m_strings.end(), name) == fileItem.m_strings.end())
                    fileItem.m_strings.emplace_back(name);
                next = open + 1;
            }
        }
        keyword = scanner.findWord("class", next);
    }
}

namespace {

// Whether only what may stand between a definition's parameter list and its body lies in
// [from, open): "const", "throw(...)", comments, or an initialiser list after a single ":".
bool IsDefinitionTail(const CppScanner& scanner, size_t from, size_t open)
{
    const std::string_view text = scanner.text();
    size_t at = from;
    while (at < open) {
        if (const size_t after = scanner.skipNonCode(at); after != at) {
            at = after;
            continue;
        }
        if (CppScanner::isSpace(text[at])) {
            ++at;
            continue;
        }
        if (text[at] == ':')
            return at + 1 < text.size() && text[at + 1] != ':';
        const std::string_view word = scanner.identifierAfter(at);
        if (word == "const") {
            at += word.size();
        } else if (word == "throw") {
            const size_t paren = scanner.skipSpaces(at + word.size());
            const size_t end = paren < open && text[paren] == '(' ? scanner.matchingClose(paren) : npos;
            if (end == npos || end >= open)
                return false;
            at = end + 1;
        } else {
            return false;
        }
    }
    return at == open;
}

// The class name before "::": an identifier, or a template's name before its arguments
// ("CPropDlg<TWnd>::OnInitDialog"). Its characters are those of the text.
std::string_view ClassNameBefore(const CppScanner& scanner, size_t scope)
{
    const size_t last = scanner.lastNonSpaceBefore(scope);
    if (last != npos && scanner.text()[last] == '>') {
        const size_t open = scanner.matchingOpen(last);
        return open == npos ? std::string_view() : scanner.identifierBefore(open);
    }
    return scanner.identifierBefore(scope);
}

} // namespace

// Pass 2: definitions "Class::Function(...) {...}".
void CClassParser::ParseFunctions(const std::string& path, std::string_view text)
{
    const CppScanner scanner(text);
    LineCounter lines(text);
    size_t scope = scanner.findToken("::", 0);
    while (scope != npos) {
        size_t next = scope + 2;
        const size_t open = scanner.findToken("{", next);
        if (open == npos)
            break;
        // The head of a definition: a name, its parameter list, then only "const", a throw
        // specification, comments or a constructor's initialiser list before the body. Anything
        // else ("CView::OnFilePrint)" in a message map, a declaration "void CFoo::Bar();") is
        // no definition, and the search goes on right after this "::".
        const size_t nameStart = scanner.skipSpaces(next);
        const bool destructor = nameStart < text.size() && text[nameStart] == '~';
        const std::string_view identifier = scanner.identifierAfter(destructor ? nameStart + 1 : nameStart);
        const size_t nameEnd = (destructor ? nameStart + 1 : nameStart) + identifier.size();
        const size_t paren = scanner.skipSpaces(nameEnd);
        const bool hasParameters = !identifier.empty() && paren < open && text[paren] == '(';
        const size_t parenClose = hasParameters ? scanner.matchingClose(paren) : npos;
        const size_t close =
            parenClose != npos && parenClose < open && IsDefinitionTail(scanner, parenClose + 1, open)
                ? scanner.matchingClose(open)
                : npos;
        if (close != npos) {
            std::string name(destructor ? "~" : "");
            name += identifier;
            const std::string_view className = ClassNameBefore(scanner, scope);
            CClassItem* item = m_project.FindClass(className);
            if (item) {
                CFunctionItem* function = nullptr;
                for (const auto& existing : item->m_functions)
                    if (existing->m_strName == name && existing->m_strFile == path && existing->m_nBodyStart == Offset(open))
                        function = existing.get();
                if (!function) {
                    const size_t classStart = static_cast<size_t>(className.data() - text.data());
                    size_t lineStart = text.rfind('\n', classStart == 0 ? 0 : classStart - 1);
                    lineStart = lineStart == npos || classStart == 0 ? 0 : lineStart + 1;
                    const size_t definition = std::min(scanner.skipSpaces(lineStart), classStart);
                    auto created = std::make_unique<CFunctionItem>();
                    created->m_strName = name;
                    created->m_strReturnType = std::string(TrimSpaces(text.substr(definition, classStart - definition)));
                    created->m_strParameters = std::string(TrimSpaces(text.substr(paren + 1, parenClose - paren - 1)));
                    created->m_strFile = path;
                    created->m_nDefinitionStart = Offset(definition);
                    created->m_nBodyStart = Offset(open);
                    created->m_nBodyEnd = Offset(close);
                    created->m_nLine = lines.LineOf(definition);
                    item->m_functions.push_back(std::move(created));
                    function = item->m_functions.back().get();
                }
                if (name == "CreateTFXControls")
                    ReadCreationLines(*item, *function, text);
                if (name == item->m_strName)
                    ReadFormData(*item, *function, path, text);
            }
            // Function bodies hold no definitions: go on after this one.
            next = close + 1;
        }
        scope = scanner.findToken("::", next);
    }
}

void CClassParser::ReadCreationLines(CClassItem& item, const CFunctionItem& function, std::string_view text)
{
    // Searches stop at the end of the body.
    const CppScanner scanner(text.substr(0, static_cast<size_t>(function.m_nBodyEnd) + 1));
    item.m_createEntries.clear();
    const size_t end = static_cast<size_t>(function.m_nBodyEnd);
    for (size_t found = scanner.findToken("Create", static_cast<size_t>(function.m_nBodyStart));
         found != npos && found < end; found = scanner.findToken("Create", found + 1)) {
        if (found == 0 || text[found - 1] != '.')
            continue;
        const size_t open = scanner.skipSpaces(found + 6);
        if (open >= end || text[open] != '(')
            continue;
        const size_t close = scanner.matchingClose(open);
        if (close == npos || close > end)
            continue;
        size_t start = found - 1;
        static constexpr std::string_view kStops = "!=;({";
        while (start > 0 && !CppScanner::isSpace(text[start - 1]) && kStops.find(text[start - 1]) == std::string_view::npos)
            --start;
        auto entry = std::make_unique<CTempCreateItem>();
        entry->m_strMemberName = std::string(text.substr(start, found - 1 - start));
        entry->m_strArguments = std::string(text.substr(open + 1, close - open - 1));
        item.m_createEntries.push_back(std::move(entry));
    }
}

void CClassParser::ReadFormData(CClassItem& item, const CFunctionItem& function, const std::string& path,
                                std::string_view text)
{
    static constexpr std::string_view kStart = "//{{AFX_TFX_FORM_DATA_START";
    static constexpr std::string_view kEnd = "//}}AFX_TFX_FORM_DATA_END";
    // Searches stop at the end of the body.
    const CppScanner scanner(text.substr(0, static_cast<size_t>(function.m_nBodyEnd) + 1));
    const size_t bodyEnd = static_cast<size_t>(function.m_nBodyEnd);
    const size_t start = scanner.findRaw(kStart, static_cast<size_t>(function.m_nBodyStart));
    if (start == npos || start > bodyEnd)
        return;
    const size_t end = scanner.findRaw(kEnd, start + kStart.size());
    if (end == npos || end > bodyEnd)
        return;
    CAFXParseEntry* block = item.FindBlock("AFX_TFX_FORM_DATA");
    if (!block) {
        item.m_blocks.push_back(std::make_unique<CAFXParseEntry>());
        block = item.m_blocks.back().get();
        block->m_strName = "AFX_TFX_FORM_DATA";
    }
    block->m_nStart = Offset(start);
    block->m_nEnd = Offset(end);
    block->m_strFile = path;
    // "m_nPropStringID = IDS_...;" and "m_nResID = ...;" give the form's symbols.
    auto assigned = [&](std::string_view field) -> std::string {
        const size_t at = scanner.findWord(field, start);
        if (at == npos || at > end)
            return {};
        const size_t semicolon = scanner.findToken(";", at);
        if (semicolon == npos || semicolon > end)
            return {};
        const std::string_view statement = text.substr(at, semicolon - at);
        const size_t equals = statement.find('=');
        return equals == std::string_view::npos ? std::string() : std::string(TrimSpaces(statement.substr(equals + 1)));
    };
    item.m_strFormPropStringSymbol = assigned("m_nPropStringID");
    item.m_strFormResourceId = assigned("m_nResID");
}

// Pass 3: member variables of the first class declared in this file, and their objects.
void CClassParser::ParseMembers(const std::string& path, std::string_view text, std::string_view code)
{
    CClassItem* item = nullptr;
    for (const auto& candidate : m_project.GetClasses()) {
        if (candidate->m_strHeaderFile == path && candidate->m_nBodyStart >= 0) {
            item = candidate.get();
            break;
        }
    }
    if (!item)
        return;
    const CppScanner scanner(text);
    const size_t bodyStart = static_cast<size_t>(item->m_nBodyStart);
    const size_t bodyEnd = static_cast<size_t>(item->m_nDeclarationEnd) + 1;
    // Only statements of the class body itself count: those inside inline function bodies,
    // nested blocks or parentheses are not member declarations.
    size_t statementStart = bodyStart + 1;
    int braces = 0;
    int parens = 0;
    size_t i = bodyStart + 1;
    static constexpr std::string_view kSignificant = "{}();/\"'#";
    while (i < bodyEnd && i < text.size()) {
        if (kSignificant.find(text[i]) == std::string_view::npos) {
            ++i;
            continue;
        }
        size_t after = scanner.skipNonCode(i);
        if (after == i)
            after = scanner.skipAlternativeBranch(i);
        if (after != i) {
            i = after;
            continue;
        }
        const char c = text[i];
        if (c == '{') {
            ++braces;
        } else if (c == '}') {
            if (braces > 0 && --braces == 0)
                statementStart = i + 1;
        } else if (c == '(') {
            ++parens;
        } else if (c == ')') {
            parens = std::max(0, parens - 1);
        } else if (c == ';' && braces == 0 && parens == 0) {
            const size_t semicolon = i;
            const size_t from = statementStart;
            statementStart = i + 1;
            ++i;
            size_t last = scanner.lastNonSpaceBefore(semicolon);
            if (last != npos && last >= 4 && last >= from + 4 && text.substr(last - 4, 5) == "const" &&
                (last < 5 || !CppScanner::isIdentifierChar(text[last - 5])))
                last = scanner.lastNonSpaceBefore(last - 4);
            if (last == npos || last < from || text[last] == ')' || text[last] == '}')
                continue;
            // The statement starts after any access label or macro call left before it.
            const std::vector<std::string_view> all = Words(code.substr(from, semicolon - from));
            size_t firstWord = 0;
            for (size_t w = 0; w + 1 < all.size(); ++w)
                if (all[w].back() == ':' || all[w].back() == ')')
                    firstWord = w + 1;
            if (all.size() < firstWord + 2)
                continue;
            const size_t offset = static_cast<size_t>(all[firstWord].data() - code.data());
            std::string_view statement = code.substr(offset, semicolon - offset);
            if (statement.find('(') != std::string_view::npos)
                continue; // a function declaration ending in "= 0", "override" and the like
            if (const size_t equals = statement.find('='); equals != std::string_view::npos)
                statement = statement.substr(0, equals);
            const std::vector<std::string_view> words = Words(statement);
            if (words.size() < 2)
                continue;
            const std::string_view type = words[words.size() - 2];
            const std::string_view name = words.back();
            const std::string_view first = words.front();
            if (type == "class" || type == "struct" || type == "union" || type == "enum" || first == "friend" ||
                first == "typedef" || first == "using")
                continue; // declares a type, not a member
            CVariableItem* variable = item->FindVariable(name);
            if (!variable) {
                item->m_variables.push_back(std::make_unique<CVariableItem>());
                variable = item->m_variables.back().get();
                variable->m_strName = std::string(name);
            }
            variable->m_strType = std::string(type);
            variable->m_nOffset = Offset(offset);
            if (item->FindByMemberName(name))
                continue;
            std::string className(type);
            bool isArray = false;
            if (className.size() > 5 && className.ends_with("Array")) {
                className.resize(className.size() - 5);
                isArray = true;
            }
            int32_t kind = -1;
            int32_t typeCode = kTypeNone;
            const CClassItem* memberClass = m_project.FindClass(className);
            if (memberClass && memberClass->m_strBaseClass == "CXActiveXCtrl") {
                kind = kKindActiveX;
            } else if (const int32_t found = LookupTypeCode(className); found != 0 && IsIntrinsicClassName(className)) {
                kind = kKindIntrinsic;
                typeCode = found;
            }
            auto control = std::make_unique<CControlItem>(kind, typeCode);
            control->m_strClassName = className;
            control->m_strMemberName = std::string(name);
            control->m_bArrayMember = isArray;
            if (memberClass && kind == kKindActiveX)
                control->m_pControlEntry = memberClass->m_pControlEntry;
            item->AppendItem(std::move(control));
            continue;
        }
        ++i;
    }
    if (item->m_strBaseClass == "CXActiveXCtrl")
        ParseProgId(*item, text);
}

void CClassParser::ParseProgId(CClassItem& item, std::string_view text)
{
    const CppScanner scanner(text);
    const size_t name = scanner.findWord("GetProgID", 0);
    const size_t keyword = name == npos ? npos : scanner.findWord("return", name);
    const size_t semicolon = keyword == npos ? npos : scanner.findToken(";", keyword);
    if (semicolon == npos)
        return;
    const std::string_view statement = text.substr(keyword, semicolon - keyword);
    const size_t first = statement.find('"');
    const size_t second = first == std::string_view::npos ? first : statement.find('"', first + 1);
    if (second == std::string_view::npos)
        return;
    item.m_strProgId = std::string(TrimSpaces(statement.substr(first + 1, second - first - 1)));
    if (m_pCatalogue && !item.m_strProgId.empty())
        item.m_pControlEntry = m_pCatalogue->FindOrCreateByProgId(item.m_strProgId);
}

// Pass 4: the access sections of every class declared in this file.
void CClassParser::ParseAccessSections(const std::string& path, std::string_view text)
{
    const CppScanner scanner(text);
    for (const auto& item : m_project.GetClasses()) {
        if (item->m_strHeaderFile != path || item->m_nBodyStart < 0)
            continue;
        const size_t bodyStart = static_cast<size_t>(item->m_nBodyStart);
        const size_t bodyEnd = static_cast<size_t>(item->m_nDeclarationEnd) + 1;
        item->m_accessSections.clear();
        item->m_accessSections.push_back(std::make_unique<CAccessSpecifierItem>());
        item->m_accessSections.back()->m_nOffset = Offset(bodyStart);
        // Searches end with the body, so that a keyword missing from it costs no scan of the rest.
        const CppScanner body(text.substr(0, std::min(bodyEnd, text.size())));
        std::vector<std::pair<size_t, std::string_view>> found;
        for (std::string_view keyword : {"public", "protected", "private"}) {
            for (size_t at = body.findWord(keyword, bodyStart); at != npos; at = body.findWord(keyword, at + 1)) {
                const size_t colon = scanner.skipSpaces(at + keyword.size());
                const bool scopeOperator = colon + 1 < text.size() && text[colon + 1] == ':';
                if (colon < text.size() && text[colon] == ':' && !scopeOperator)
                    found.emplace_back(at, keyword);
            }
        }
        std::sort(found.begin(), found.end());
        for (const auto& [at, keyword] : found) {
            auto section = std::make_unique<CAccessSpecifierItem>();
            section->m_strKeyword = std::string(keyword);
            section->m_nOffset = Offset(at);
            item->m_accessSections.push_back(std::move(section));
        }
        // Members take the access of the section they stand in.
        for (const auto& variable : item->m_variables) {
            for (const auto& section : item->m_accessSections)
                if (section->m_nOffset <= variable->m_nOffset)
                    variable->m_strAccess = section->m_strKeyword;
        }
    }
}

// Passes 5 and 6: message maps and event-sink maps.
void CClassParser::ParseMaps(const std::string& path, std::string_view text, std::string_view code, bool eventSink)
{
    const std::string_view beginWord = eventSink ? "BEGIN_EVENTSINK_MAP" : "BEGIN_MESSAGE_MAP";
    const std::string_view endWord = eventSink ? "END_EVENTSINK_MAP" : "END_MESSAGE_MAP";
    const CppScanner scanner(text);
    size_t begin = scanner.findWord(beginWord, 0);
    while (begin != npos) {
        const size_t open = scanner.skipSpaces(begin + beginWord.size());
        const size_t close = open < text.size() && text[open] == '(' ? scanner.matchingClose(open) : npos;
        const size_t end = close == npos ? npos : scanner.findWord(endWord, close);
        if (end == npos) {
            begin = scanner.findWord(beginWord, begin + 1);
            continue;
        }
        const std::string_view arguments = text.substr(open + 1, close - open - 1);
        CClassItem* item = m_project.FindClass(TrimSpaces(arguments.substr(0, arguments.find(','))));
        if (item) {
            (eventSink ? item->m_nEventSinkMapBegin : item->m_nMessageMapBegin) = Offset(begin);
            (eventSink ? item->m_nEventSinkMapEnd : item->m_nMessageMapEnd) = Offset(end);
            (eventSink ? item->m_strEventSinkMapFile : item->m_strMessageMapFile) = path;
            size_t line = close + 1;
            while (line < end) {
                size_t lineEnd = code.find('\n', line);
                lineEnd = lineEnd == npos || lineEnd > end ? end : lineEnd;
                MessageMapEntry entry;
                if (ParseMessageMapEntry(code.substr(line, lineEnd - line), entry)) {
                    for (const auto& function : item->m_functions) {
                        const bool handles = entry.m_bWindowMessage
                                                 ? IsWindowMessageHandler(function->m_strName, entry.m_strMessage)
                                                 : function->m_strName == entry.m_strHandler;
                        if (handles) {
                            function->m_strMessage = entry.m_strMessage;
                            function->m_strControlId = entry.m_strControlId;
                        }
                    }
                }
                line = lineEnd + 1;
            }
        }
        begin = scanner.findWord(beginWord, end);
    }
}

// Pass 7: the class wizard's generated blocks, found by their comment markers.
void CClassParser::ParseBlocks(const std::string& path, std::string_view text)
{
    static constexpr std::string_view kMarker = "//{{AFX_";
    const CppScanner scanner(text);
    for (size_t start = scanner.findRaw(kMarker, 0); start != npos; start = scanner.findRaw(kMarker, start + 1)) {
        size_t nameEnd = start + 4;
        while (nameEnd < text.size() && CppScanner::isIdentifierChar(text[nameEnd]))
            ++nameEnd;
        const std::string_view name = text.substr(start + 4, nameEnd - start - 4);
        if (name != "AFX_MSG_MAP" && name != "AFX_MSG" && name != "AFX_EVENTSINK_MAP" && name != "AFX_VIRTUAL")
            continue;
        if (nameEnd >= text.size() || text[nameEnd] != '(')
            continue;
        const size_t classEnd = text.find(')', nameEnd);
        if (classEnd == npos)
            continue;
        CClassItem* item = m_project.FindClass(TrimSpaces(text.substr(nameEnd + 1, classEnd - nameEnd - 1)));
        if (!item)
            continue;
        const std::string endMarker = "//}}" + std::string(name);
        // The end marker is the block name as a whole word: "//}}AFX_MSG" is not "//}}AFX_MSG_MAP".
        size_t end = scanner.findRaw(endMarker, classEnd);
        while (end != npos && end + endMarker.size() < text.size() &&
               CppScanner::isIdentifierChar(text[end + endMarker.size()]))
            end = scanner.findRaw(endMarker, end + 1);
        // A block ends before the next one starts. When its own end marker is not there, an end
        // marker written with another block's name closes it; without any, it stays open.
        const size_t nextStart = scanner.findRaw("//{{", classEnd);
        if (end != npos && nextStart != npos && end > nextStart) {
            const size_t other = scanner.findRaw("//}}", classEnd);
            end = other != npos && other < nextStart ? other : npos;
        } else if (end == npos) {
            const size_t other = scanner.findRaw("//}}", classEnd);
            end = other != npos && (nextStart == npos || other < nextStart) ? other : npos;
        }
        CAFXParseEntry* block = item->FindBlock(name);
        if (!block) {
            item->m_blocks.push_back(std::make_unique<CAFXParseEntry>());
            block = item->m_blocks.back().get();
            block->m_strName = std::string(name);
        }
        block->m_nStart = Offset(start);
        block->m_nEnd = Offset(end);
        block->m_strFile = path;
    }
}

void CClassParser::ResolveBaseClasses()
{
    const auto& classes = m_project.GetClasses();
    for (const auto& item : classes) {
        std::string root = item->m_strBaseClass;
        // A cycle of bases (bad code) ends after as many steps as there are classes.
        for (size_t step = 0; step <= classes.size(); ++step) {
            const CClassItem* base = m_project.FindClass(root);
            if (!base)
                break;
            root = base->m_strBaseClass;
        }
        item->m_strRootBase = root;
        item->m_bIsWindowClass = !root.empty() && IsListedBaseClass(root);
        item->m_bIsForm = IsFormBaseClass(root);
    }
}

CClassItem* CClassParser::FindClass(std::string_view name) const
{
    return m_project.FindClass(name);
}

CFunctionItem* CClassParser::FindFunction(std::string_view className, std::string_view functionName) const
{
    const CClassItem* item = m_project.FindClass(className);
    return item ? item->FindFunction(functionName) : nullptr;
}

bool CClassParser::IsFormClass(std::string_view className) const
{
    const CClassItem* item = m_project.FindClass(className);
    return item && item->IsFormClass();
}

bool CClassParser::BodyContainsCall(const CFunctionItem& function, std::string_view text, std::string_view callee)
{
    if (!function.HasBody() || static_cast<size_t>(function.m_nBodyEnd) >= text.size())
        return false;
    const CppScanner scanner(text);
    const size_t found = scanner.findWord(callee, static_cast<size_t>(function.m_nBodyStart));
    return found != npos && found < static_cast<size_t>(function.m_nBodyEnd);
}

bool CClassParser::BodyContainsCall(const CFunctionItem& function, std::string_view callee) const
{
    const auto text = m_fileSystem.readTextFile(function.m_strFile);
    return text && BodyContainsCall(function, text.value(), callee);
}

} // namespace morva
