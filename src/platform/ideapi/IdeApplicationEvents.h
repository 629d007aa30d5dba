#pragma once

#include <string>

namespace platform {

class IdeDocument;
class IdeWindow;

// What the IDE tells an advised sink. Every handler does nothing unless overridden.
class IdeApplicationEvents {
public:
    virtual ~IdeApplicationEvents() = default;
    virtual void beforeBuildStart() {}
    virtual void buildFinish(int /*errors*/, int /*warnings*/) {}
    virtual void beforeApplicationShutDown() {}
    virtual void documentOpen(IdeDocument& /*document*/) {}
    virtual void beforeDocumentClosing(IdeDocument& /*document*/) {}
    virtual void documentSave(IdeDocument& /*document*/) {}
    virtual void newDocument(IdeDocument& /*document*/) {}
    virtual void windowActivate(IdeWindow& /*window*/) {}
    virtual void windowDeactivate(IdeWindow& /*window*/) {}
    virtual void workspaceOpen() {}
    virtual void workspaceClose() {}
    virtual void newWorkspace() {}
};

} // namespace platform
