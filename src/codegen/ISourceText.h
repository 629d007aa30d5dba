#pragma once

#include <cstdint>
#include <string>

namespace morva {

// How the code writers edit the project's files: through the IDE's editor when the file is open
// there (line and column from 1), on disk otherwise (character offsets from 0). Writers ask
// IsSourceOpen and choose the form. Every edit answers whether it was made.
class ISourceText {
public:
    virtual ~ISourceText() = default;

    virtual bool IsSourceOpen(const std::string& path) const = 0;

    virtual bool InsertTextAt(const std::string& path, int line, int column, const std::string& text) = 0;
    // Replaces from the first position up to (not including) the last one.
    virtual bool ReplaceRangeAt(const std::string& path, int firstLine, int firstColumn, int lastLine, int lastColumn,
                                const std::string& text) = 0;
    // Deletes the lines from the first up to (not including) the end line.
    virtual bool DeleteLinesAt(const std::string& path, int firstLine, int endLine) = 0;

    virtual bool InsertTextInFile(const std::string& path, int64_t offset, const std::string& text) = 0;
    // Replaces the characters from the first offset through the last one (inclusive).
    virtual bool ReplaceRangeInFile(const std::string& path, int64_t firstOffset, int64_t lastOffset,
                                    const std::string& text) = 0;
    // Deletes from the first offset up to (not including) the end offset.
    virtual bool DeleteRangeInFile(const std::string& path, int64_t firstOffset, int64_t endOffset) = 0;
    virtual bool WriteWholeFile(const std::string& path, const std::string& text) = 0;

    // Saves the file's open document; false when it is not open.
    virtual bool SaveSource(const std::string& path) = 0;
    virtual void OpenSourceAtLine(const std::string& path, int line) = 0;
};

} // namespace morva
