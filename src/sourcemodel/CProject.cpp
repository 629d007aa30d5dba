#include "sourcemodel/CProject.h"

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CCppFileItem.h"
#include "sourcemodel/CClassItem.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace morva {

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The extension from the last dot, dot included; empty without one.
std::string Extension(const std::string& path)
{
    const size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

bool IsAcceptedKind(const std::string& path)
{
    static constexpr std::array<std::string_view, 9> kKinds{".cpp", ".c", ".cxx", ".hpp", ".h",
                                                            ".hxx", ".hm",  ".inl", ".rc"};
    const std::string extension = Lower(Extension(path));
    return std::find(kKinds.begin(), kKinds.end(), extension) != kKinds.end();
}

// Headers go to the head of the list, so that every class is declared before its members'
// definitions are read.
bool IsHeaderKind(const std::string& path)
{
    static constexpr std::array<std::string_view, 5> kHeaders{"H", "HPP", "HLX", "INL", "TLH"};
    const std::string extension = Extension(path);
    if (extension.empty())
        return false;
    const std::string kind = Upper(extension.substr(1));
    return std::find(kHeaders.begin(), kHeaders.end(), kind) != kHeaders.end();
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

CProject::CProject(platform::FileSystem& files, platform::MessageService& messages)
    : m_fileSystem(files), m_messages(messages)
{
}

CProject::~CProject()
{
    RemoveTemporaryFolder();
}

bool CProject::OpenProjectFile(const std::string& path)
{
    if (!m_fileSystem.exists(path) || m_fileSystem.isDirectory(path))
        return false;
    m_strProjectPath = path;
    m_bActive = true;
    ReadProjectFile();
    return true;
}

bool CProject::ReadProjectFile()
{
    const auto text = m_fileSystem.readTextFile(m_strProjectPath);
    if (!text) {
        const std::string description = text.code() ? platform::FileSystem::systemErrorDescription(text.code())
                                                    : text.message().substr(text.message().find('\n') + 1);
        m_messages.show(description + "\nError in  reading / writing file..\n");
        return false;
    }
    constexpr std::string_view kSource = "SOURCE=";
    const std::string& content = text.value();
    for (size_t found = content.find(kSource); found != std::string::npos; found = content.find(kSource, found)) {
        found += kSource.size();
        // The value ends at the line break; a file with bare LF line ends is read the same way.
        const size_t end = content.find_first_of("\r\n", found);
        std::string value = content.substr(found, end == std::string::npos ? std::string::npos : end - found);
        // The IDE quotes a path that holds blanks; the quotes are not part of the name.
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.size() < 2 || !IsAcceptedKind(value))
            continue;
        const std::string path = ResolveSourcePath(value);
        if (!m_fileSystem.exists(path) || ContainsFile(path))
            continue;
        if (IsHeaderKind(path))
            m_files.insert(m_files.begin(), path);
        else
            m_files.push_back(path);
    }
    m_nNextFile = 0;
    m_nFileCount = static_cast<int>(m_files.size());
    return true;
}

std::string CProject::ResolveSourcePath(const std::string& value) const
{
    const std::string folder = GetProjectFolder();
    std::string path = value;
    if (value.rfind("..", 0) == 0)
        path = FolderOf(folder) + value.substr(2);
    else if (value.rfind('.', 0) == 0)
        path = folder + value.substr(1);
    if (path.rfind('\\', 0) == 0)
        path = folder.substr(0, 2) + path;
    return path;
}

bool CProject::ContainsFile(const std::string& path) const
{
    return std::find(m_files.begin(), m_files.end(), path) != m_files.end();
}

std::string CProject::GetProjectFolder() const
{
    return FolderOf(m_strProjectPath);
}

std::string CProject::GetProjectName() const
{
    if (m_strProjectPath.empty())
        return {};
    const std::string file = m_strProjectPath.substr(m_strProjectPath.rfind('\\') + 1);
    return file.substr(0, file.find('.'));
}

std::string CProject::GetResourceHeaderPath() const
{
    return m_strProjectPath.empty() ? std::string() : GetProjectFolder() + "\\resource.h";
}

std::string CProject::GetResourceScriptPath() const
{
    if (m_strProjectPath.empty())
        return {};
    const size_t dot = m_strProjectPath.rfind('.');
    return (dot == std::string::npos ? m_strProjectPath : m_strProjectPath.substr(0, dot)) + ".rc";
}

std::string CProject::GetToolboxFilePath() const
{
    return m_strProjectPath.empty() ? std::string() : GetProjectFolder() + "\\" + GetProjectName() + ".dat";
}

void CProject::RemoveTemporaryFolder()
{
    if (m_strTemporaryFolder.empty())
        return;
    const std::string scratch = m_strTemporaryFolder + "\\XTemp.tmp";
    if (m_fileSystem.exists(scratch))
        (void)m_fileSystem.removeFile(scratch);
    (void)m_fileSystem.setCurrentDirectory(GetProjectFolder());
    (void)m_fileSystem.removeFolder(m_strTemporaryFolder);
}

const CMenuResource* CProject::FindMenu(std::string_view symbol) const
{
    for (const CMenuResource& menu : m_menus)
        if (menu.m_strSymbol == symbol)
            return &menu;
    return nullptr;
}

CClassItem* CProject::FindClass(std::string_view name) const
{
    for (const auto& item : m_classes)
        if (item->m_strName == name)
            return item.get();
    return nullptr;
}

CClassItem& CProject::AddClass(std::unique_ptr<CClassItem> item)
{
    m_classes.push_back(std::move(item));
    return *m_classes.back();
}

void CProject::RemoveClass(const CClassItem& item)
{
    std::erase_if(m_classes, [&](const auto& held) { return held.get() == &item; });
}

CCppFileItem& CProject::GetFileItem(const std::string& path)
{
    for (const auto& item : m_fileItems)
        if (item->m_strPath == path)
            return *item;
    m_fileItems.push_back(std::make_unique<CCppFileItem>());
    m_fileItems.back()->m_strPath = path;
    return *m_fileItems.back();
}

} // namespace morva
