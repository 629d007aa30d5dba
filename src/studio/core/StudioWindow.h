#pragma once

#include "platform/ideapi/IdeWindow.h"

#include <memory>
#include <string>

namespace studio {

class Studio;
class StudioDocument;

// An MDI child of the studio: the editor window of a document, or a named tool window.
class StudioWindow : public platform::IdeWindow, public std::enable_shared_from_this<StudioWindow> {
public:
    StudioWindow(Studio& studio, std::shared_ptr<StudioDocument> document, std::string caption);

    std::string caption() const override;
    std::shared_ptr<platform::IdeDocument> document() const override;
    void activate() override;
    bool close() override;

    const std::shared_ptr<StudioDocument>& studioDocument() const { return m_document; }

private:
    Studio& m_studio;
    std::shared_ptr<StudioDocument> m_document;
    std::string m_caption; // for windows without a document
};

} // namespace studio
