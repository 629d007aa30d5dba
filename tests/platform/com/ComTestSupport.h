#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

// Where the committed fixtures and Wine's own files are, and small builders of PE files and
// device-independent bitmaps for tests that need exact control of the bytes.
namespace comtest {

using Bytes = std::vector<uint8_t>;

inline std::string fixturePath(const std::string& name)
{
    return std::string(MORVA_COM_FIXTURES) + "/" + name;
}

// Wine's PE files for x86-64 (libwine): real files that no one here wrote.
inline std::string winePath(const std::string& name)
{
    return "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/" + name;
}

inline bool exists(const std::string& hostPath)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(hostPath, ec);
}

inline Bytes readFile(const std::string& hostPath)
{
    std::ifstream in(hostPath, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void put16(Bytes& b, size_t at, uint32_t v)
{
    if (b.size() < at + 2)
        b.resize(at + 2);
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

inline void put32(Bytes& b, size_t at, uint32_t v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

inline uint32_t get32(const Bytes& b, size_t at)
{
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) | (uint32_t(b[at + 3]) << 24);
}

// One resource for PeBuilder: type and name are numbers, or names when the text is set.
struct PeResource {
    uint16_t typeId = 0;
    std::string typeName;
    uint16_t nameId = 0;
    uint16_t language = 0;
    Bytes data;
};

// A PE32 or PE32+ file with one section that holds the resource directory and the data.
// `layout` gives the offsets a test may damage.
struct PeLayout {
    size_t peHeader = 0;
    size_t sectionTable = 0;
    size_t resourceSection = 0; // file offset of the directory
    uint32_t resourceRva = 0x1000;
};

inline Bytes buildPe(const std::vector<PeResource>& resources, bool pe32Plus, PeLayout* layout = nullptr)
{
    // The directory: root -> one entry per type -> one per name -> one language -> data.
    std::map<std::pair<std::string, uint16_t>, std::vector<size_t>> byType;
    for (size_t i = 0; i < resources.size(); ++i)
        byType[{resources[i].typeName, resources[i].typeId}].push_back(i);

    Bytes dir;
    auto directory = [&](size_t at, uint16_t named, uint16_t numbered) {
        put32(dir, at + 12, uint32_t(numbered) << 16 | named);
    };
    // Sizes first: every directory is 16 bytes plus 8 per entry.
    const size_t types = byType.size();
    size_t cursor = 16 + 8 * types;
    std::vector<size_t> nameDirs, langDirs, dataEntries, nameStrings;
    for (auto& [key, list] : byType) {
        nameDirs.push_back(cursor);
        cursor += 16 + 8 * list.size();
    }
    for (size_t i = 0; i < resources.size(); ++i) {
        langDirs.push_back(cursor);
        cursor += 16 + 8;
    }
    for (size_t i = 0; i < resources.size(); ++i) {
        dataEntries.push_back(cursor);
        cursor += 16;
    }
    for (auto& [key, list] : byType) {
        nameStrings.push_back(cursor);
        cursor += key.first.empty() ? 0 : ((2 + 2 * key.first.size() + 3) & ~size_t(3));
    }
    std::vector<size_t> dataAt(resources.size());
    for (size_t i = 0; i < resources.size(); ++i) {
        dataAt[i] = cursor;
        cursor += (resources[i].data.size() + 7) & ~size_t(7);
    }
    dir.resize(cursor);

    const uint32_t rva = 0x1000;
    size_t t = 0;
    uint16_t namedTypes = 0, numberedTypes = 0;
    for (auto& [key, list] : byType) {
        const bool named = !key.first.empty();
        (named ? namedTypes : numberedTypes)++;
        if (named) {
            put32(dir, 16 + 8 * t, 0x80000000u | uint32_t(nameStrings[t]));
            put16(dir, nameStrings[t], uint32_t(key.first.size()));
            for (size_t c = 0; c < key.first.size(); ++c)
                put16(dir, nameStrings[t] + 2 + 2 * c, uint8_t(key.first[c]));
        } else {
            put32(dir, 16 + 8 * t, key.second);
        }
        put32(dir, 16 + 8 * t + 4, 0x80000000u | uint32_t(nameDirs[t]));
        directory(nameDirs[t], 0, uint16_t(list.size()));
        for (size_t n = 0; n < list.size(); ++n) {
            const size_t i = list[n];
            put32(dir, nameDirs[t] + 16 + 8 * n, resources[i].nameId);
            put32(dir, nameDirs[t] + 16 + 8 * n + 4, 0x80000000u | uint32_t(langDirs[i]));
            directory(langDirs[i], 0, 1);
            put32(dir, langDirs[i] + 16, resources[i].language);
            put32(dir, langDirs[i] + 20, uint32_t(dataEntries[i]));
            put32(dir, dataEntries[i], rva + uint32_t(dataAt[i]));
            put32(dir, dataEntries[i] + 4, uint32_t(resources[i].data.size()));
            std::copy(resources[i].data.begin(), resources[i].data.end(), dir.begin() + long(dataAt[i]));
        }
        ++t;
    }
    directory(0, namedTypes, numberedTypes);

    Bytes pe(0x200, 0);
    pe[0] = 'M';
    pe[1] = 'Z';
    put32(pe, 0x3C, 0x40);
    put32(pe, 0x40, 0x00004550);
    const size_t coff = 0x44;
    const uint16_t optionalSize = pe32Plus ? 240 : 224;
    put16(pe, coff, pe32Plus ? 0x8664 : 0x14C);
    put16(pe, coff + 2, 1);
    put16(pe, coff + 16, optionalSize);
    put16(pe, coff + 18, 0x2102);
    const size_t optional = coff + 20;
    put16(pe, optional, pe32Plus ? 0x20B : 0x10B);
    const size_t count = optional + (pe32Plus ? 108 : 92);
    put32(pe, count, 16);
    put32(pe, count + 4 + 2 * 8, rva);
    put32(pe, count + 4 + 2 * 8 + 4, uint32_t(dir.size()));
    const size_t section = optional + optionalSize;
    const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    std::copy(name, name + 8, pe.begin() + long(section));
    put32(pe, section + 8, uint32_t(dir.size()));
    put32(pe, section + 12, rva);
    put32(pe, section + 16, uint32_t(dir.size()));
    put32(pe, section + 20, 0x200);
    pe.insert(pe.end(), dir.begin(), dir.end());
    if (layout)
        *layout = {0x40, section, 0x200, rva};
    return pe;
}

// A packed DIB: info header (40 bytes), optional masks, palette, rows as given.
inline Bytes buildDib(int32_t width, int32_t height, uint16_t bits, const std::vector<uint32_t>& palette,
                      const Bytes& rows, uint32_t compression = 0, const std::vector<uint32_t>& masks = {})
{
    Bytes b;
    put32(b, 0, 40);
    put32(b, 4, uint32_t(width));
    put32(b, 8, uint32_t(height));
    put16(b, 12, 1);
    put16(b, 14, bits);
    put32(b, 16, compression);
    put32(b, 20, uint32_t(rows.size()));
    put32(b, 32, uint32_t(palette.size()));
    put32(b, 36, 0);
    for (uint32_t m : masks)
        put32(b, b.size(), m);
    for (uint32_t c : palette) // 0xRRGGBB, stored blue, green, red, 0
        put32(b, b.size(), c & 0xFFFFFF);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

} // namespace comtest
