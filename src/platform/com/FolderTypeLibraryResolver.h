#pragma once

#include "platform/base/FileSystem.h"
#include "platform/com/TypeLibraryResolver.h"

#include <string>
#include <vector>

namespace platform {

// Resolves an import by its file name: first in the importing library's folder, then in
// each search folder in order (Windows-form paths). A library found there must carry the
// GUID the import table names.
class FolderTypeLibraryResolver : public TypeLibraryResolver {
public:
    FolderTypeLibraryResolver(FileSystem fileSystem, std::vector<std::string> searchFolders)
        : m_fileSystem(std::move(fileSystem)), m_searchFolders(std::move(searchFolders))
    {
    }

    Result<ComPtr<TypeLibrary>> resolve(const ImportedLibraryData& library, std::string_view importingPath) const override;

private:
    FileSystem m_fileSystem;
    std::vector<std::string> m_searchFolders;
};

} // namespace platform
