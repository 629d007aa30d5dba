#pragma once

#include "codegen/CodegenContext.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace morva {

class CClassParser;
class ISourceText;

// The files one designer operation edits, held in memory until the operation is complete.
// Every edit changes the working text and is logged; a re-parse reads the working text, so the
// next edit finds fresh positions. Commit hands the edits to the files (replayed in the IDE's
// editor for an open document, one safe whole-file write otherwise); a session that is not
// committed leaves every file as it was and re-parses the original texts.
class SourceEditSession {
public:
    // Called after each re-parse of a file, to rebuild the controls of its classes.
    using ReparseHook = std::function<void(const std::string& path)>;

    SourceEditSession(const CodegenContext& context, ISourceText& sources, CClassParser& parser);
    ~SourceEditSession();
    SourceEditSession(const SourceEditSession&) = delete;
    SourceEditSession& operator=(const SourceEditSession&) = delete;

    void SetReparseHook(ReparseHook hook) { m_onReparsed = std::move(hook); }

    // The working text of the file, read on first use (an open document is saved first).
    // Null when the file does not exist or cannot be read (the read error is shown).
    const std::string* Load(const std::string& path);
    // The working text of a file already loaded; empty for one that is not.
    const std::string& Text(const std::string& path) const;
    bool IsLoaded(const std::string& path) const;

    // Edits of a loaded file; false for a position outside its text.
    bool Insert(const std::string& path, size_t offset, const std::string& text);
    // Replaces [first, end) with the text (an empty text deletes the range).
    bool Replace(const std::string& path, size_t first, size_t end, const std::string& text);

    // Parses the file's working text again and runs the hook.
    void Reparse(const std::string& path);

    bool HasChanges() const;
    // Committed or discarded: the session takes no more edits.
    bool IsFinished() const { return m_finished; }
    // Writes every changed file. False at the first file that could not be written: the files
    // written before it keep their new text, that one and those after it their old text, and
    // the model is parsed from the old texts again.
    bool Commit();
    // Forgets the edits and re-parses the original text of every file that was re-parsed.
    void Discard();

private:
    struct Edit {
        int firstLine, firstColumn, lastLine, lastColumn;
        std::string text;
    };
    struct File {
        std::string original;
        std::string working;
        bool openDocument = false;
        bool reparsed = false;
        std::vector<Edit> edits;
    };

    bool WriteFile(const std::string& path, const File& file);

    CodegenContext m_context;
    ISourceText& m_sources;
    CClassParser& m_parser;
    ReparseHook m_onReparsed;
    std::map<std::string, File> m_files;
    std::vector<std::string> m_order; // files in the order of their first edit
    bool m_finished = false;
};

} // namespace morva
