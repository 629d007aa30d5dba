#include "studio/core/StudioWindow.h"

#include "studio/core/Studio.h"
#include "studio/core/StudioDocument.h"

namespace studio {

StudioWindow::StudioWindow(Studio& studio, std::shared_ptr<StudioDocument> document, std::string caption)
    : m_studio(studio), m_document(std::move(document)), m_caption(std::move(caption))
{
}

std::string StudioWindow::caption() const
{
    return m_document ? m_document->name() : m_caption;
}

std::shared_ptr<platform::IdeDocument> StudioWindow::document() const
{
    return m_document;
}

void StudioWindow::activate()
{
    m_studio.activateWindow(*this);
}

bool StudioWindow::close()
{
    if (m_document)
        return m_document->close(true);
    m_studio.removeWindow(*this);
    return true;
}

} // namespace studio
