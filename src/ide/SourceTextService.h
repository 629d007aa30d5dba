#pragma once

#include "codegen/ISourceText.h"

#include <cstdint>
#include <string>

namespace platform {
class FileSystem;
class MessageService;
} // namespace platform

namespace morva {

class IdeAutomation;

// Edits the project's source files: through the IDE's editor when the file is open there (line
// and column from 1), on disk otherwise (character offsets from 0 into the whole text). Callers
// ask IsSourceOpen and choose the form. A disk edit reads the whole file, edits the text and
// writes it back safely; when the file cannot be read or an offset is not a position, nothing
// is written and the edit reports false.
class SourceTextService : public ISourceText {
public:
    SourceTextService(IdeAutomation& ide, platform::FileSystem& files, platform::MessageService& messages);

    // The file exists and an open IDE document has its path.
    bool IsSourceOpen(const std::string& path) const override;

    // --- Editor forms ----------------------------------------------------------------------
    bool InsertTextAt(const std::string& path, int line, int column, const std::string& text) override;
    // Replaces from the first position up to (not including) the last one.
    bool ReplaceRangeAt(const std::string& path, int firstLine, int firstColumn, int lastLine, int lastColumn,
                        const std::string& text) override;
    // Deletes the lines from the first up to (not including) the end line.
    bool DeleteLinesAt(const std::string& path, int firstLine, int endLine) override;

    // --- Disk forms ----------------------------------------------------------------------------
    bool InsertTextInFile(const std::string& path, int64_t offset, const std::string& text) override;
    // Replaces the characters from the first offset through the last one (inclusive).
    bool ReplaceRangeInFile(const std::string& path, int64_t firstOffset, int64_t lastOffset, const std::string& text) override;
    // Deletes from the first offset up to (not including) the end offset.
    bool DeleteRangeInFile(const std::string& path, int64_t firstOffset, int64_t endOffset) override;
    bool WriteWholeFile(const std::string& path, const std::string& text) override;

    bool SaveSource(const std::string& path) override;
    void OpenSourceAtLine(const std::string& path, int line) override;

private:
    bool ReadText(const std::string& path, std::string& text);
    void ShowNotEditable(const std::string& path);

    IdeAutomation& m_ide;
    platform::FileSystem& m_files;
    platform::MessageService& m_messages;
};

} // namespace morva
