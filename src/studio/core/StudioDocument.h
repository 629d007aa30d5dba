#pragma once

#include "platform/ideapi/IdeDocument.h"
#include "studio/core/StudioSelection.h"
#include "studio/core/TextLines.h"

#include <optional>
#include <string>

namespace platform {
class FileSystem;
}

namespace studio {

class StudioDocument;

// What a document tells the studio that holds it.
class StudioDocumentHost {
public:
    virtual ~StudioDocumentHost() = default;
    virtual void documentSaved(StudioDocument& document) = 0;
    virtual void documentSaveFailed(StudioDocument& document, const std::string& message) = 0;
    virtual void documentClosing(StudioDocument& document) = 0;
    virtual void documentClosed(StudioDocument& document) = 0;
};

// A text document of the studio. Its text is the editor's: the file on disk changes only when
// the document is saved.
class StudioDocument : public platform::IdeDocument {
public:
    // `path` empty for a new, untitled text ("Text1").
    StudioDocument(StudioDocumentHost& host, platform::FileSystem& files, std::string path, std::string untitledName,
                   std::string text, bool readOnly);

    std::string fullName() const override { return m_path; }
    std::string name() const override;
    bool isOpen() const override { return m_open; }
    bool isSaved() const override { return m_saved; }
    bool isReadOnly() const override { return m_readOnly; }
    const std::string& text() const override { return m_text; }
    platform::IdeTextSelection* selection() override { return &m_selection; }
    bool save(const std::string& fileName) override;
    bool close(bool saveChanges) override;

    StudioSelection& studioSelection() { return m_selection; }
    // The line index of the current text, built when first asked after a change.
    const TextLines& lines() const;
    // Replaces `length` characters at `offset`; the edit a person makes in the editor.
    void replaceText(size_t offset, size_t length, const std::string& text);
    void markClosed() { m_open = false; }

private:
    StudioDocumentHost& m_host;
    platform::FileSystem& m_files;
    std::string m_path;
    std::string m_untitledName;
    std::string m_text;
    bool m_readOnly;
    bool m_saved = true;
    bool m_open = true;
    StudioSelection m_selection{*this};
    mutable std::optional<TextLines> m_lines;
};

} // namespace studio
