#pragma once

#include "platform/base/Result.h"
#include "platform/com/ModuleBitmap.h"
#include "platform/com/PeImage.h"
#include "platform/com/ResourceId.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class FileSystem;

// A Windows module (.dll, .ocx, .exe) loaded for its resources only: its file is read and
// its resource directory walked; none of its code is run.
class Module {
public:
    // Loads the file at a Windows path. A file that does not exist gives ERROR_MOD_NOT_FOUND,
    // one that exists but is no PE file (or cannot be read as one) TYPE_E_CANTLOADLIBRARY,
    // one that may not be read ERROR_ACCESS_DENIED.
    static Result<Module> load(const FileSystem& fileSystem, std::string_view path);
    // The same from bytes already in memory; `path` only names the module in messages.
    static Result<Module> fromBytes(std::vector<uint8_t> bytes, std::string path = {});

    const std::string& path() const { return m_path; }
    bool is64Bit() const { return m_image.is64Bit(); }
    const PeImage& image() const { return m_image; }
    std::span<const uint8_t> fileBytes() const { return *m_bytes; }

    // The raw data of a resource; the view lives as long as any copy of this module.
    Result<std::span<const uint8_t>> resource(const ResourceId& type, const ResourceId& name) const;
    // A BITMAP resource decoded into pixels; a missing resource keeps the look-up's error
    // (ERROR_RESOURCE_TYPE_NOT_FOUND, ERROR_RESOURCE_NAME_NOT_FOUND), a damaged one gives
    // ERROR_INVALID_DATA.
    Result<ModuleBitmap> loadBitmap(const ResourceId& name) const;
    Result<ModuleBitmap> loadBitmap(uint16_t id) const { return loadBitmap(ResourceId::number(id)); }

private:
    Module(std::shared_ptr<const std::vector<uint8_t>> bytes, PeImage image, std::string path)
        : m_bytes(std::move(bytes)), m_image(std::move(image)), m_path(std::move(path))
    {
    }

    // Shared so that copies of the module keep the views of its image valid.
    std::shared_ptr<const std::vector<uint8_t>> m_bytes;
    PeImage m_image;
    std::string m_path;
};

} // namespace platform
