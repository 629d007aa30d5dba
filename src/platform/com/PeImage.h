#pragma once

#include "platform/base/Result.h"
#include "platform/com/ByteView.h"
#include "platform/com/ResourceId.h"

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// One resource of a module as its directory lists it.
struct PeResourceEntry {
    ResourceId type = ResourceId::number(0);
    ResourceId name = ResourceId::number(0);
    uint16_t language = 0;
    uint32_t size = 0;
};

// The headers and resource directory of a Windows PE file (PE32 or PE32+), read from its
// bytes without running anything of it. The bytes must outlive the image: it keeps a view.
class PeImage {
public:
    // At most this many resources are listed, however the directory entries are shared.
    static constexpr size_t maxListedResources = 65536;

    // Fails with TYPE_E_CANTLOADLIBRARY when the bytes are not a PE file this reader accepts.
    static Result<PeImage> parse(std::span<const uint8_t> bytes);

    bool is64Bit() const { return m_is64Bit; }
    bool hasResources() const { return m_resourceSize != 0; }

    // The data of a resource; with several languages, the neutral one, then US English, then
    // the first listed. ERROR_RESOURCE_DATA_NOT_FOUND without a resource directory,
    // ERROR_RESOURCE_TYPE_NOT_FOUND / ERROR_RESOURCE_NAME_NOT_FOUND when absent,
    // ERROR_INVALID_DATA when the directory or data lie outside the file.
    Result<std::span<const uint8_t>> findResource(const ResourceId& type, const ResourceId& name) const;
    // Every resource of the directory, in directory order.
    Result<std::vector<PeResourceEntry>> listResources() const;

private:
    struct Section {
        uint32_t virtualAddress = 0;
        uint32_t virtualSize = 0;
        uint32_t rawSize = 0;
        uint32_t rawOffset = 0;
    };
    struct DirectoryEntry {
        uint32_t nameField = 0;
        uint32_t offsetField = 0;
    };

    // File offset of `length` bytes at `rva`, when they lie in one section's file data.
    std::optional<uint64_t> fileOffsetOf(uint32_t rva, uint32_t length) const;
    Result<std::vector<DirectoryEntry>> readDirectory(uint32_t offset) const;
    Result<ResourceId> entryId(const DirectoryEntry& entry) const;
    Result<std::span<const uint8_t>> dataOf(const DirectoryEntry& entry) const;
    Result<DirectoryEntry> pickLanguage(const DirectoryEntry& nameEntry) const;

    ByteView m_file;
    bool m_is64Bit = false;
    std::vector<Section> m_sections;
    uint32_t m_resourceRva = 0;
    uint32_t m_resourceSize = 0;
    ByteView m_resources; // the resource directory's bytes
};

} // namespace platform
