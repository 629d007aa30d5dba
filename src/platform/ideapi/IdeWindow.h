#pragma once

#include <memory>
#include <string>

namespace platform {

class IdeDocument;

// A window of the IDE's MDI area: a text editor window of a document, or another window such as
// the workspace or output window when it is docked as an MDI child.
class IdeWindow {
public:
    virtual ~IdeWindow() = default;
    virtual std::string caption() const = 0;
    // The document shown, or null for windows without one.
    virtual std::shared_ptr<IdeDocument> document() const = 0;
    virtual void activate() = 0;
    virtual bool close() = 0;
};

} // namespace platform
