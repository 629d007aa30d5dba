#include "platform/com/PeImage.h"

#include "platform/com/HResult.h"

#include <algorithm>

namespace platform {

namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr uint32_t kSubdirectoryBit = 0x80000000;
constexpr uint16_t kLanguageNeutral = 0;
constexpr uint16_t kLanguageUsEnglish = 0x409;

Status notLoadable(const std::string& why)
{
    return Status::failure("Not a loadable Windows module: " + why, TYPE_E_CANTLOADLIBRARY);
}

Status damaged(const std::string& why)
{
    return Status::failure("Damaged resource directory: " + why, ERROR_INVALID_DATA);
}

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

bool matches(const ResourceId& a, const ResourceId& b)
{
    if (a.isNumber() != b.isNumber())
        return false;
    return a.isNumber() ? a.id() == b.id() : sameName(a.name(), b.name());
}

} // namespace

Result<PeImage> PeImage::parse(std::span<const uint8_t> bytes)
{
    PeImage image;
    image.m_file = ByteView(bytes);
    const ByteView& f = image.m_file;

    if (f.u16(0) != uint16_t(0x5A4D))
        return notLoadable("no MZ header");
    const auto peOffset = f.u32(0x3C);
    if (!peOffset || f.u32(*peOffset) != uint32_t(0x00004550))
        return notLoadable("no PE signature");
    const uint64_t coff = uint64_t(*peOffset) + 4;
    const auto sectionCount = f.u16(coff + 2);
    const auto optionalSize = f.u16(coff + 16);
    if (!sectionCount || !optionalSize)
        return notLoadable("truncated file header");
    const uint64_t optional = coff + 20;
    const auto magic = f.u16(optional);
    if (magic != kPe32Magic && magic != kPe32PlusMagic)
        return notLoadable("unknown optional header");
    image.m_is64Bit = magic == kPe32PlusMagic;

    // The data directories follow the fixed part of the optional header; the resource entry
    // counts only when the header says it has that many and is long enough to hold it.
    const uint64_t countField = optional + (image.m_is64Bit ? 108 : 92);
    const uint64_t directories = countField + 4;
    const auto directoryCount = f.u32(countField);
    if (!directoryCount || countField + 4 > optional + *optionalSize)
        return notLoadable("truncated optional header");
    if (*directoryCount > kResourceDirectoryIndex &&
        directories + 8 * (kResourceDirectoryIndex + 1) <= optional + *optionalSize) {
        image.m_resourceRva = f.u32(directories + 8 * kResourceDirectoryIndex).value_or(0);
        image.m_resourceSize = f.u32(directories + 8 * kResourceDirectoryIndex + 4).value_or(0);
    }

    const uint64_t sectionTable = optional + *optionalSize;
    if (!f.contains(sectionTable, uint64_t(*sectionCount) * 40))
        return notLoadable("section table outside the file");
    image.m_sections.reserve(*sectionCount);
    for (uint32_t i = 0; i < *sectionCount; ++i) {
        const uint64_t at = sectionTable + uint64_t(i) * 40;
        Section s;
        s.virtualSize = *f.u32(at + 8);
        s.virtualAddress = *f.u32(at + 12);
        s.rawSize = *f.u32(at + 16);
        s.rawOffset = *f.u32(at + 20);
        image.m_sections.push_back(s);
    }

    if (image.m_resourceRva == 0 || image.m_resourceSize == 0) {
        image.m_resourceSize = 0;
        return image;
    }
    // The directory may reach anywhere up to the end of its section's data in the file.
    for (const Section& s : image.m_sections) {
        const uint64_t start = s.virtualAddress;
        const uint64_t rawEnd = start + std::min<uint64_t>(s.rawSize, f.size() > s.rawOffset ? f.size() - s.rawOffset : 0);
        if (image.m_resourceRva >= start && image.m_resourceRva < rawEnd) {
            const uint64_t offset = uint64_t(s.rawOffset) + (image.m_resourceRva - start);
            image.m_resources = ByteView(*f.slice(offset, rawEnd - image.m_resourceRva));
            return image;
        }
    }
    return notLoadable("resource directory outside every section");
}

std::optional<uint64_t> PeImage::fileOffsetOf(uint32_t rva, uint32_t length) const
{
    for (const Section& s : m_sections) {
        if (rva < s.virtualAddress)
            continue;
        const uint64_t inSection = uint64_t(rva) - s.virtualAddress;
        if (inSection + length > s.rawSize || inSection >= std::max(s.virtualSize, s.rawSize))
            continue;
        const uint64_t offset = uint64_t(s.rawOffset) + inSection;
        if (m_file.contains(offset, length))
            return offset;
    }
    return std::nullopt;
}

Result<std::vector<PeImage::DirectoryEntry>> PeImage::readDirectory(uint32_t offset) const
{
    const auto named = m_resources.u16(uint64_t(offset) + 12);
    const auto numbered = m_resources.u16(uint64_t(offset) + 14);
    if (!named || !numbered)
        return damaged("directory outside the resource data");
    const uint64_t count = uint64_t(*named) + *numbered;
    const uint64_t first = uint64_t(offset) + 16;
    if (!m_resources.contains(first, count * 8))
        return damaged("directory entries outside the resource data");
    std::vector<DirectoryEntry> entries;
    entries.reserve(size_t(count));
    for (uint64_t i = 0; i < count; ++i)
        entries.push_back({*m_resources.u32(first + i * 8), *m_resources.u32(first + i * 8 + 4)});
    return entries;
}

Result<ResourceId> PeImage::entryId(const DirectoryEntry& entry) const
{
    if (!(entry.nameField & kSubdirectoryBit))
        return ResourceId::number(uint16_t(entry.nameField));
    const uint64_t at = entry.nameField & ~kSubdirectoryBit;
    const auto length = m_resources.u16(at);
    const auto chars = length ? m_resources.slice(at + 2, uint64_t(*length) * 2) : std::nullopt;
    if (!chars)
        return damaged("resource name outside the resource data");
    // Names are UTF-16; the ones that matter (TYPELIB, REGISTRY, ...) are ASCII, anything
    // else is kept as '?', which no ASCII name matches.
    std::string name;
    for (size_t i = 0; i < *length; ++i) {
        const uint16_t c = uint16_t((*chars)[2 * i] | ((*chars)[2 * i + 1] << 8));
        name += (c < 0x80 && c != 0) ? char(c) : '?';
    }
    return ResourceId::named(std::move(name));
}

Result<std::span<const uint8_t>> PeImage::dataOf(const DirectoryEntry& entry) const
{
    if (entry.offsetField & kSubdirectoryBit)
        return damaged("a directory where resource data was expected");
    const auto rva = m_resources.u32(entry.offsetField);
    const auto size = m_resources.u32(uint64_t(entry.offsetField) + 4);
    if (!rva || !size)
        return damaged("resource data entry outside the resource data");
    const auto offset = fileOffsetOf(*rva, *size);
    if (!offset)
        return damaged("resource data outside the file");
    return *m_file.slice(*offset, *size);
}

Result<PeImage::DirectoryEntry> PeImage::pickLanguage(const DirectoryEntry& nameEntry) const
{
    if (!(nameEntry.offsetField & kSubdirectoryBit))
        return nameEntry; // data directly under the name: accepted as the only language
    auto languages = readDirectory(nameEntry.offsetField & ~kSubdirectoryBit);
    if (!languages)
        return languages.status();
    if (languages->empty())
        return Status::failure("Resource has no language entry", ERROR_RESOURCE_NAME_NOT_FOUND);
    for (uint16_t wanted : {kLanguageNeutral, kLanguageUsEnglish}) {
        for (const DirectoryEntry& e : *languages) {
            if (!(e.nameField & kSubdirectoryBit) && uint16_t(e.nameField) == wanted)
                return e;
        }
    }
    return languages->front();
}

Result<std::span<const uint8_t>> PeImage::findResource(const ResourceId& type, const ResourceId& name) const
{
    if (!hasResources())
        return Status::failure("The module has no resources", ERROR_RESOURCE_DATA_NOT_FOUND);
    auto types = readDirectory(0);
    if (!types)
        return types.status();
    for (const DirectoryEntry& t : *types) {
        auto typeId = entryId(t);
        if (!typeId)
            return typeId.status();
        if (!matches(*typeId, type))
            continue;
        if (!(t.offsetField & kSubdirectoryBit))
            return damaged("resource type without a directory");
        auto names = readDirectory(t.offsetField & ~kSubdirectoryBit);
        if (!names)
            return names.status();
        for (const DirectoryEntry& n : *names) {
            auto nameId = entryId(n);
            if (!nameId)
                return nameId.status();
            if (!matches(*nameId, name))
                continue;
            auto language = pickLanguage(n);
            if (!language)
                return language.status();
            return dataOf(*language);
        }
        return Status::failure("The module has no " + type.toString() + " resource " + name.toString(),
                               ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return Status::failure("The module has no resources of type " + type.toString(), ERROR_RESOURCE_TYPE_NOT_FOUND);
}

Result<std::vector<PeResourceEntry>> PeImage::listResources() const
{
    std::vector<PeResourceEntry> list;
    if (!hasResources())
        return list;
    auto types = readDirectory(0);
    if (!types)
        return types.status();
    // Entries may share subdirectories, so a small file can describe a vast tree: the walk
    // visits a bounded number of entries.
    size_t visited = 0;
    const auto tooMany = [] { return damaged("more than " + std::to_string(maxListedResources) + " resources"); };
    for (const DirectoryEntry& t : *types) {
        auto typeId = entryId(t);
        if (!typeId)
            return typeId.status();
        if (!(t.offsetField & kSubdirectoryBit))
            return damaged("resource type without a directory");
        auto names = readDirectory(t.offsetField & ~kSubdirectoryBit);
        if (!names)
            return names.status();
        for (const DirectoryEntry& n : *names) {
            if (++visited > maxListedResources)
                return tooMany();
            auto nameId = entryId(n);
            if (!nameId)
                return nameId.status();
            std::vector<DirectoryEntry> languages{n};
            if (n.offsetField & kSubdirectoryBit) {
                auto read = readDirectory(n.offsetField & ~kSubdirectoryBit);
                if (!read)
                    return read.status();
                languages = std::move(*read);
            }
            for (const DirectoryEntry& l : languages) {
                auto data = dataOf(l);
                if (!data)
                    return data.status();
                if (++visited > maxListedResources)
                    return tooMany();
                const uint16_t language = (n.offsetField & kSubdirectoryBit) ? uint16_t(l.nameField) : 0;
                list.push_back({*typeId, *nameId, language, uint32_t(data->size())});
            }
        }
    }
    return list;
}

} // namespace platform
