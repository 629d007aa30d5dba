#include "ide/SourceTextService.h"

#include "ide/IdeAutomation.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/base/TextEncoding.h"
#include "platform/ideapi/IdeDocument.h"

#include <algorithm>

namespace morva {

SourceTextService::SourceTextService(IdeAutomation& ide, platform::FileSystem& files,
                                     platform::MessageService& messages)
    : m_ide(ide), m_files(files), m_messages(messages)
{
}

bool SourceTextService::IsSourceOpen(const std::string& path) const
{
    return m_files.exists(path) && m_ide.IsDocumentOpen(path);
}

bool SourceTextService::InsertTextAt(const std::string& path, int line, int column, const std::string& text)
{
    const auto document = m_ide.FindOpenDocument(path);
    return document && m_ide.MoveCaret(*document, line, column, false) && m_ide.SetSelectionText(*document, text);
}

bool SourceTextService::ReplaceRangeAt(const std::string& path, int firstLine, int firstColumn, int lastLine,
                                       int lastColumn, const std::string& text)
{
    const auto document = m_ide.FindOpenDocument(path);
    return document && m_ide.MoveCaret(*document, firstLine, firstColumn, false) &&
           m_ide.MoveCaret(*document, lastLine, lastColumn, true) && m_ide.SetSelectionText(*document, text);
}

bool SourceTextService::DeleteLinesAt(const std::string& path, int firstLine, int endLine)
{
    const auto document = m_ide.FindOpenDocument(path);
    return document && m_ide.MoveCaret(*document, firstLine, 1, false) && m_ide.MoveCaret(*document, endLine, 1, true) &&
           m_ide.DeleteSelection(*document);
}

bool SourceTextService::ReadText(const std::string& path, std::string& text)
{
    auto read = m_files.readWholeFile(path);
    if (!read) {
        m_messages.show(read.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
        return false;
    }
    // Offsets are positions in the ANSI text the parser read; the edit is made there and the
    // file is written back in its own encoding.
    platform::DecodedText decoded = platform::decodeText(*read, m_files.codePage());
    if (!decoded.lossless) {
        ShowNotEditable(path);
        return false;
    }
    text = std::move(decoded.text);
    return true;
}

void SourceTextService::ShowNotEditable(const std::string& path)
{
    m_messages.show("The file " + path + " is saved as Unicode text with characters that cannot be edited here.",
                    platform::MessageButtons::Ok, platform::MessageIcon::Error);
}

bool SourceTextService::InsertTextInFile(const std::string& path, int64_t offset, const std::string& text)
{
    std::string file;
    if (offset < 0 || !ReadText(path, file))
        return false;
    file.insert(std::min<size_t>(static_cast<size_t>(offset), file.size()), text);
    return WriteWholeFile(path, file);
}

bool SourceTextService::ReplaceRangeInFile(const std::string& path, int64_t firstOffset, int64_t lastOffset,
                                           const std::string& text)
{
    std::string file;
    if (firstOffset < 0 || lastOffset < firstOffset - 1 || !ReadText(path, file))
        return false;
    const size_t first = std::min<size_t>(static_cast<size_t>(firstOffset), file.size());
    const size_t after = std::min<size_t>(static_cast<size_t>(lastOffset + 1), file.size());
    file = file.substr(0, first) + text + file.substr(std::max(after, first));
    return WriteWholeFile(path, file);
}

bool SourceTextService::DeleteRangeInFile(const std::string& path, int64_t firstOffset, int64_t endOffset)
{
    std::string file;
    // An end before the start would repeat text rather than delete it.
    if (firstOffset < 0 || endOffset < firstOffset || !ReadText(path, file))
        return false;
    const size_t first = std::min<size_t>(static_cast<size_t>(firstOffset), file.size());
    const size_t end = std::min<size_t>(static_cast<size_t>(endOffset), file.size());
    file.erase(first, end - first);
    return WriteWholeFile(path, file);
}

bool SourceTextService::WriteWholeFile(const std::string& path, const std::string& text)
{
    // A file saved as UTF-8 or UTF-16 keeps its encoding; one whose characters the code page
    // cannot hold is not replaced by a text that lost them.
    platform::TextEncoding encoding = platform::TextEncoding::Ansi;
    if (m_files.exists(path)) {
        if (const auto old = m_files.readWholeFile(path)) {
            encoding = platform::detectEncoding(*old);
            if (encoding != platform::TextEncoding::Ansi && !platform::decodeText(*old, m_files.codePage()).lossless) {
                ShowNotEditable(path);
                return false;
            }
        }
    }
    const platform::Status written = m_files.writeWholeFile(path, platform::encodeText(text, encoding, m_files.codePage()));
    if (!written)
        m_messages.show(written.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
    return written.isOk();
}

bool SourceTextService::SaveSource(const std::string& path)
{
    return m_ide.SaveDocument(path);
}

void SourceTextService::OpenSourceAtLine(const std::string& path, int line)
{
    m_ide.OpenDocument(path);
    if (line == -1)
        return;
    if (const auto document = m_ide.FindOpenDocument(path))
        m_ide.GoToLine(*document, line);
}

} // namespace morva
