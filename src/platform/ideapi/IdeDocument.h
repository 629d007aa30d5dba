#pragma once

#include <string>

namespace platform {

class IdeTextSelection;

// A document open in the IDE. Only text documents exist here; each has a selection.
class IdeDocument {
public:
    virtual ~IdeDocument() = default;

    // The full path in Windows form.
    virtual std::string fullName() const = 0;
    // The file name without its folder, as window captions show it.
    virtual std::string name() const = 0;
    virtual bool isOpen() const = 0;
    virtual bool isSaved() const = 0;
    virtual bool isReadOnly() const = 0;
    // The whole text as held by the editor (not necessarily what is on disk).
    virtual const std::string& text() const = 0;

    virtual IdeTextSelection* selection() = 0;
    // Saves under `fileName` (empty: its own path). False when it could not be written.
    virtual bool save(const std::string& fileName) = 0;
    // Closes the document; with `saveChanges` a modified document is saved first.
    virtual bool close(bool saveChanges) = 0;
};

} // namespace platform
