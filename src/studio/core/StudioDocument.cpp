#include "studio/core/StudioDocument.h"

#include "platform/base/FileSystem.h"

#include <algorithm>

namespace studio {

StudioDocument::StudioDocument(StudioDocumentHost& host, platform::FileSystem& files, std::string path,
                               std::string untitledName, std::string text, bool readOnly)
    : m_host(host), m_files(files), m_path(std::move(path)), m_untitledName(std::move(untitledName)),
      m_text(std::move(text)), m_readOnly(readOnly)
{
}

std::string StudioDocument::name() const
{
    if (m_path.empty())
        return m_untitledName;
    const size_t slash = m_path.find_last_of("\\/");
    return slash == std::string::npos ? m_path : m_path.substr(slash + 1);
}

void StudioDocument::replaceText(size_t offset, size_t length, const std::string& text)
{
    if (!m_open || m_readOnly)
        return;
    offset = std::min(offset, m_text.size());
    length = std::min(length, m_text.size() - offset);
    m_text.replace(offset, length, text);
    m_lines.reset();
    m_saved = false;
    m_selection.clampTo(m_text.size());
}

const TextLines& StudioDocument::lines() const
{
    if (!m_lines)
        m_lines.emplace(m_text);
    return *m_lines;
}

bool StudioDocument::save(const std::string& fileName)
{
    if (!m_open)
        return false;
    const std::string target = fileName.empty() ? m_path : fileName;
    if (target.empty())
        return false;
    const platform::Status written = m_files.writeWholeFile(target, m_text);
    if (!written) {
        m_host.documentSaveFailed(*this, written.message());
        return false;
    }
    if (auto absolute = m_files.absolutePath(target))
        m_path = absolute.value();
    m_saved = true;
    m_host.documentSaved(*this);
    return true;
}

bool StudioDocument::close(bool saveChanges)
{
    if (!m_open)
        return false;
    // A save that fails keeps the document open, so that the edits are not lost.
    if (saveChanges && !m_saved && !save({}))
        return false;
    m_host.documentClosing(*this);
    m_open = false;
    m_host.documentClosed(*this);
    return true;
}

} // namespace studio
