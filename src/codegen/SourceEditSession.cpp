#include "codegen/SourceEditSession.h"

#include "codegen/ISourceText.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassParser.h"

#include <algorithm>
#include <cerrno>

namespace morva {

namespace {

// Line and column (from 1) of an offset as the IDE's editor counts them: lines end at LF.
std::pair<int, int> LineColumnOf(const std::string& text, size_t offset)
{
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    return {line, static_cast<int>(offset - lineStart) + 1};
}

} // namespace

SourceEditSession::SourceEditSession(const CodegenContext& context, ISourceText& sources, CClassParser& parser)
    : m_context(context), m_sources(sources), m_parser(parser)
{
}

SourceEditSession::~SourceEditSession()
{
    if (!m_finished)
        Discard();
}

const std::string* SourceEditSession::Load(const std::string& path)
{
    if (const auto found = m_files.find(path); found != m_files.end())
        return &found->second.working;
    if (path.empty())
        return nullptr;
    const bool open = m_sources.IsSourceOpen(path);
    if (open)
        m_sources.SaveSource(path);
    if (!m_context.fs.exists(path))
        return nullptr;
    auto read = m_context.fs.readWholeFile(path);
    if (!read) {
        const int error = read.code() != 0 ? read.code() : EIO;
        m_context.messages.show(platform::FileSystem::systemErrorDescription(error) + "\nError in  reading file..\n");
        return nullptr;
    }
    File& file = m_files[path];
    file.original = std::move(read).value();
    file.working = file.original;
    file.openDocument = open;
    return &file.working;
}

const std::string& SourceEditSession::Text(const std::string& path) const
{
    static const std::string none;
    const auto found = m_files.find(path);
    return found == m_files.end() ? none : found->second.working;
}

bool SourceEditSession::IsLoaded(const std::string& path) const
{
    return m_files.contains(path);
}

bool SourceEditSession::Insert(const std::string& path, size_t offset, const std::string& text)
{
    return Replace(path, offset, offset, text);
}

bool SourceEditSession::Replace(const std::string& path, size_t first, size_t end, const std::string& text)
{
    const auto found = m_files.find(path);
    if (found == m_files.end() || m_finished)
        return false;
    File& file = found->second;
    if (first > end || end > file.working.size())
        return false;
    if (file.openDocument) {
        const auto [firstLine, firstColumn] = LineColumnOf(file.working, first);
        const auto [lastLine, lastColumn] = LineColumnOf(file.working, end);
        file.edits.push_back({firstLine, firstColumn, lastLine, lastColumn, text});
    }
    file.working.replace(first, end - first, text);
    if (std::find(m_order.begin(), m_order.end(), path) == m_order.end())
        m_order.push_back(path);
    return true;
}

void SourceEditSession::Reparse(const std::string& path)
{
    const auto found = m_files.find(path);
    if (found == m_files.end())
        return;
    found->second.reparsed = true;
    m_parser.ReparseText(path, found->second.working);
    if (m_onReparsed)
        m_onReparsed(path);
}

bool SourceEditSession::HasChanges() const
{
    return !m_order.empty();
}

bool SourceEditSession::WriteFile(const std::string& path, const File& file)
{
    if (file.openDocument && m_sources.IsSourceOpen(path)) {
        for (const Edit& edit : file.edits) {
            const bool done = edit.firstLine == edit.lastLine && edit.firstColumn == edit.lastColumn
                                  ? m_sources.InsertTextAt(path, edit.firstLine, edit.firstColumn, edit.text)
                                  : m_sources.ReplaceRangeAt(path, edit.firstLine, edit.firstColumn, edit.lastLine,
                                                             edit.lastColumn, edit.text);
            if (!done)
                return false;
        }
        return true;
    }
    return m_sources.WriteWholeFile(path, file.working);
}

bool SourceEditSession::Commit()
{
    m_finished = true;
    for (size_t i = 0; i < m_order.size(); ++i) {
        const File& file = m_files.at(m_order[i]);
        if (file.working == file.original || WriteFile(m_order[i], file))
            continue;
        // The files from this one on keep their old text: the model follows them again.
        for (size_t j = i; j < m_order.size(); ++j) {
            File& kept = m_files.at(m_order[j]);
            kept.working = kept.original;
            if (kept.reparsed) {
                m_parser.ReparseText(m_order[j], kept.original);
                if (m_onReparsed)
                    m_onReparsed(m_order[j]);
            }
        }
        return false;
    }
    return true;
}

void SourceEditSession::Discard()
{
    m_finished = true;
    // Every text goes back first, so that rebuilding the controls reads the original script.
    for (auto& entry : m_files)
        entry.second.working = entry.second.original;
    for (auto& [path, file] : m_files) {
        if (!file.reparsed)
            continue;
        m_parser.ReparseText(path, file.original);
        if (m_onReparsed)
            m_onReparsed(path);
    }
}

} // namespace morva
