#pragma once

#include "sourcemodel/CMenuResource.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class FileSystem;
class MessageService;
} // namespace platform

namespace morva {

class CClassItem;
class CCppFileItem;

// The project open in the IDE, as its project file (.dsp) describes it: the source files in
// the order they are parsed (headers first) and the paths derived from the project file.
class CProject {
public:
    CProject(platform::FileSystem& files, platform::MessageService& messages);
    ~CProject();
    CProject(const CProject&) = delete;
    CProject& operator=(const CProject&) = delete;

    // Sets the project path and reads the file list; false when the file does not exist.
    bool OpenProjectFile(const std::string& path);
    // Reads the SOURCE= lines of the project file into the file list.
    bool ReadProjectFile();
    bool ContainsFile(const std::string& path) const;

    const std::string& GetProjectPath() const { return m_strProjectPath; }
    const std::vector<std::string>& GetFiles() const { return m_files; }
    void AddFile(const std::string& path) { m_files.push_back(path); }

    // Derived paths, empty while the project path is.
    std::string GetProjectFolder() const;
    std::string GetProjectName() const;
    std::string GetResourceHeaderPath() const;
    std::string GetResourceScriptPath() const;
    std::string GetToolboxFilePath() const;

    // The temporary folder, set when it has been created for the loaded project.
    const std::string& GetTemporaryFolder() const { return m_strTemporaryFolder; }
    void SetTemporaryFolder(std::string folder) { m_strTemporaryFolder = std::move(folder); }

    // The classes found by the class parser, in the order they were first met.
    const std::vector<std::unique_ptr<CClassItem>>& GetClasses() const { return m_classes; }
    // Exact comparison of the name; null when the project has no such class.
    CClassItem* FindClass(std::string_view name) const;
    CClassItem& AddClass(std::unique_ptr<CClassItem> item);
    void RemoveClass(const CClassItem& item);
    // The MENU resources of the resource script, as last read.
    const std::vector<CMenuResource>& GetMenus() const { return m_menus; }
    const CMenuResource* FindMenu(std::string_view symbol) const;
    void SetMenus(std::vector<CMenuResource> menus) { m_menus = std::move(menus); }
    // The parser's record of one file, created on first use.
    CCppFileItem& GetFileItem(const std::string& path);

    // Parse progress: -1 until the file list is read.
    int m_nNextFile = -1;
    int m_nFileCount = -1;
    bool m_bFinished = false;
    bool m_bActive = false;
    std::string m_strStatusText;

private:
    // Resolves a SOURCE= value against the project folder.
    std::string ResolveSourcePath(const std::string& value) const;
    void RemoveTemporaryFolder();

    platform::FileSystem& m_fileSystem;
    platform::MessageService& m_messages;
    std::string m_strProjectPath;
    std::string m_strTemporaryFolder;
    std::vector<std::string> m_files;
    std::vector<std::unique_ptr<CClassItem>> m_classes;
    std::vector<std::unique_ptr<CCppFileItem>> m_fileItems;
    std::vector<CMenuResource> m_menus;
};

} // namespace morva
