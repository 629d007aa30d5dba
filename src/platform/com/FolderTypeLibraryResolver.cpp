#include "platform/com/FolderTypeLibraryResolver.h"

#include "platform/com/HResult.h"
#include "platform/com/TypeLibrary.h"

namespace platform {

namespace {

std::string folderOf(std::string_view path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

} // namespace

Result<ComPtr<TypeLibrary>> FolderTypeLibraryResolver::resolve(const ImportedLibraryData& library,
                                                               std::string_view importingPath) const
{
    // Only the file name counts: an import table may record the path it was compiled with.
    std::string_view name = library.fileName;
    if (const size_t slash = name.find_last_of("\\/"); slash != std::string_view::npos)
        name = name.substr(slash + 1);
    const std::string label = "The imported type library '" + std::string(library.fileName) + "' " +
                              library.guid.toRegistryString();
    if (name.empty())
        return Status::failure(label + " has no file name", TYPE_E_CANTLOADLIBRARY);

    std::vector<std::string> folders;
    if (const std::string own = folderOf(importingPath); !own.empty())
        folders.push_back(own);
    folders.insert(folders.end(), m_searchFolders.begin(), m_searchFolders.end());

    std::string mismatch;
    for (const std::string& folder : folders) {
        const std::string candidate = folder + "\\" + std::string(name);
        if (!m_fileSystem.exists(candidate) || m_fileSystem.isDirectory(candidate))
            continue;
        // The library found this way resolves its own imports through the same folders.
        auto loaded = TypeLibrary::loadFile(m_fileSystem, candidate,
                                            std::make_shared<FolderTypeLibraryResolver>(m_fileSystem, m_searchFolders));
        if (!loaded)
            return loaded.status();
        if (library.guid.isNull() || (*loaded)->attributes().guid == library.guid)
            return loaded;
        mismatch = " ('" + candidate + "' is another library)";
    }
    return Status::failure(label + " was not found in the search path" + mismatch, TYPE_E_CANTLOADLIBRARY);
}

} // namespace platform
