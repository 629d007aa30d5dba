#pragma once

#include "codegen/CodegenContext.h"
#include "model/IImageReferenceResolver.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace morva {

class CProject;
class ISourceText;

// The result of adding a picture resource: the property's new value ("<number>-<path>") and
// the resource counter after it.
struct AddedPicture {
    std::string value;
    long nextResourceCounter = 0;
};

// Reads and edits the project's resource.h and resource script: through the IDE's editor when
// a file is open there, on disk otherwise. The resource counter is passed in and handed back;
// its owner keeps it.
class ResourceScriptEditor : public IImageReferenceResolver {
public:
    ResourceScriptEditor(const CodegenContext& context, ISourceText& sources, const CProject& project);

    std::string ResourceHeaderPath() const;
    std::string ResourceScriptPath() const;

    // The file's text; an open document is saved first. A missing file reads as empty; a read
    // error shows the system's description and reads as empty.
    std::string LoadTextFile(const std::string& path) const;
    // A file saved as UTF-8 or UTF-16 is edited as ANSI text and written back in its own
    // encoding; one holding characters the code page lacks would lose them and is not edited.
    static constexpr std::string_view kNotEditableMessage =
        "The resource files are saved as Unicode text with characters that cannot be edited here.\n";
    bool KeepsItsEncoding(const std::string& path) const;
    // Shows the message and answers false when one of the files cannot keep its encoding.
    bool CheckEncodings(std::initializer_list<std::string> paths) const;
    // Replaces the whole file with the text (a safe write: the old text stays on failure).
    bool SaveTextFile(const std::string& path, const std::string& text);

    // Adds the picture as a resource numbered `resourceCounter` and copies the file into res.
    // Nothing when the files are not writable or the script lacks the picture's section.
    std::optional<AddedPicture> AddPictureResource(const std::string& picturePath, long resourceCounter);
    // Points the resource of `currentValue` ("<number>-<path>") at a new picture file.
    bool ReplacePictureResource(const std::string& picturePath, const std::string& currentValue);
    // "<number>-<folder>\<file>" of a stored value; empty when the script has no such picture.
    std::string FindPictureFile(int64_t storedValue) const override;

private:
    bool CheckWritable(const std::string& path) const;
    bool CopyIntoRes(const std::string& picturePath) const;
    // Inserts into the open document or into `text` (written back by the caller).
    bool Insert(const std::string& path, std::string& text, size_t offset, const std::string& piece);
    bool Replace(const std::string& path, std::string& text, size_t first, size_t end, const std::string& piece);

    CodegenContext m_context;
    ISourceText& m_sources;
    const CProject& m_project;
};

} // namespace morva
