// Damaged and hostile files: every one gives an error (never a crash, an over-read or a
// huge allocation; the sanitizer and fuzz builds check the latter two).
#include "ComTestSupport.h"
#include "TypeLibraryDump.h"

#include "platform/com/DualInterfaceView.h"
#include "platform/com/HResult.h"
#include "platform/com/Module.h"
#include "platform/com/TypeLibrary.h"
#include "platform/com/TypeMatch.h"

#include <gtest/gtest.h>

#include <functional>

using namespace platform;
using comtest::Bytes;

namespace {

// Where the parts of controls.tlb are, read from its own header.
struct Layout {
    explicit Layout(const Bytes& b) : bytes(b)
    {
        types = comtest::get32(b, 0x20);
        const size_t dir = 0x54 + 4 * types;
        for (int s = 0; s < 15; ++s)
            segments[s] = {dir + 16 * size_t(s), comtest::get32(b, dir + 16 * size_t(s)), comtest::get32(b, dir + 16 * size_t(s) + 4)};
    }
    struct Segment {
        size_t entry; // where the directory entry is
        uint32_t offset, length;
    };
    size_t typeInfo(uint32_t index) const { return segments[0].offset + 0x64 * index; }
    uint32_t members(uint32_t index) const { return comtest::get32(bytes, typeInfo(index) + 4); }
    // The first type description with the given variant type.
    size_t typeDescWith(uint16_t vt) const
    {
        for (uint32_t at = 0; at < segments[9].length; at += 8)
            if ((comtest::get32(bytes, segments[9].offset + at) & 0xFFF) == vt)
                return segments[9].offset + at;
        return 0;
    }

    const Bytes& bytes;
    uint32_t types = 0;
    Segment segments[15];
};

enum : uint32_t { OleColor = 0, Gauge = 5, GaugeClass = 8 };
enum : int { NameTable = 7, StringTable = 8, TypeDescs = 9, ArrayDescs = 10, CustomGuids = 12, RefTable = 3 };

const Bytes& controls()
{
    static const Bytes bytes = comtest::readFile(comtest::fixturePath("controls.tlb"));
    return bytes;
}

Result<ComPtr<TypeLibrary>> load(const Bytes& b)
{
    return TypeLibrary::load(b, "damaged.tlb");
}

TEST(DamagedTypeLibrary, EveryTruncationFails)
{
    const Bytes& good = controls();
    ASSERT_TRUE(load(good));
    for (size_t length = 0; length < good.size(); ++length) {
        const Bytes cut(good.begin(), good.begin() + long(length));
        auto lib = load(cut);
        ASSERT_FALSE(lib) << "cut at " << length;
        EXPECT_TRUE(lib.code() == TYPE_E_INVDATAREAD || lib.code() == TYPE_E_UNSUPFORMAT) << length;
    }
}

TEST(DamagedTypeLibrary, OffsetsAndCountsThatLeaveTheirBoundsFail)
{
    const Layout l(controls());
    const uint32_t gaugeMembers = l.members(Gauge);
    const struct {
        const char* what;
        std::function<void(Bytes&)> damage;
    } cases[] = {
        {"type count overflows", [&](Bytes& b) { comtest::put32(b, 0x20, 0x7FFFFFFF); }},
        {"negative type count", [&](Bytes& b) { comtest::put32(b, 0x20, 0xFFFFFFFF); }},
        {"more types than the table holds", [&](Bytes& b) { comtest::put32(b, l.segments[0].entry + 4, 0x64 * 3); }},
        {"segment beyond the file", [&](Bytes& b) { comtest::put32(b, l.segments[NameTable].entry, 0x7FFFFF00); }},
        {"segment length overflows", [&](Bytes& b) { comtest::put32(b, l.segments[StringTable].entry + 4, 0x7FFFFFFF); }},
        {"unknown type kind", [&](Bytes& b) { comtest::put32(b, l.typeInfo(2), 0xF); }},
        {"name outside the name table", [&](Bytes& b) { comtest::put32(b, l.typeInfo(2) + 0x34, l.segments[NameTable].length - 4); }},
        {"doc string outside the string table", [&](Bytes& b) { comtest::put32(b, l.typeInfo(2) + 0x3C, 0x10000000); }},
        {"GUID outside the GUID table", [&](Bytes& b) { comtest::put32(b, l.typeInfo(2) + 0x2C, 0x7FFFFFF0); }},
        {"members beyond the file", [&](Bytes& b) { comtest::put32(b, l.typeInfo(Gauge) + 4, uint32_t(b.size()) - 8); }},
        {"member block longer than the file", [&](Bytes& b) { comtest::put32(b, gaugeMembers, 0x7FFFFFF0); }},
        {"function count overflows", [&](Bytes& b) { comtest::put32(b, l.typeInfo(Gauge) + 0x18, 0xFFFFFFFF); }},
        {"members without a block", [&](Bytes& b) { comtest::put32(b, l.typeInfo(Gauge) + 4, 0xFFFFFFFF); }},
        {"function record longer than its block", [&](Bytes& b) { comtest::put16(b, gaugeMembers + 4, 0xFFF0); }},
        {"function record shorter than its fixed part", [&](Bytes& b) { comtest::put16(b, gaugeMembers + 4, 8); }},
        {"more parameters than the record holds", [&](Bytes& b) { comtest::put16(b, gaugeMembers + 4 + 20, 0x7FFF); }},
        {"negative parameter count", [&](Bytes& b) { comtest::put16(b, gaugeMembers + 4 + 20, 0xFFFF); }},
        {"more optional parameters than parameters", [&](Bytes& b) { comtest::put16(b, gaugeMembers + 4 + 22, 5); }},
        {"unknown invoke kind", [&](Bytes& b) { comtest::put32(b, gaugeMembers + 4 + 16, (3u << 3) | 4); }},
        {"type description outside its table", [&](Bytes& b) { comtest::put32(b, gaugeMembers + 4 + 4, 0x7FFF0000); }},
        {"unaligned type description", [&](Bytes& b) { comtest::put32(b, gaugeMembers + 4 + 4, 4); }},
        {"pointer type that points at itself",
         [&](Bytes& b) {
             const size_t ptr = l.typeDescWith(VT_PTR);
             comtest::put32(b, ptr + 4, uint32_t(ptr - l.segments[TypeDescs].offset));
         }},
        {"array bounds beyond their table",
         [&](Bytes& b) { comtest::put16(b, l.segments[ArrayDescs].offset + 4, 0xFFFF); }},
        {"custom data chain loops", [&](Bytes& b) { comtest::put32(b, l.segments[CustomGuids].offset + 8, 0); }},
        {"implemented types outside the reference table",
         [&](Bytes& b) { comtest::put32(b, l.typeInfo(GaugeClass) + 0x54, l.segments[RefTable].length); }},
        {"more implemented types than listed", [&](Bytes& b) { comtest::put16(b, l.typeInfo(GaugeClass) + 0x4C, 0xFFFF); }},
        {"import file outside its table",
         [&](Bytes& b) { comtest::put32(b, l.segments[1].offset + 4, 0x1000); }},
        {"not the binary format", [&](Bytes& b) { b[0] = 'X'; }},
    };
    for (const auto& c : cases) {
        Bytes b = controls();
        c.damage(b);
        auto lib = load(b);
        ASSERT_FALSE(lib) << c.what;
        if (std::string(c.what) == "not the binary format") {
            EXPECT_EQ(lib.code(), TYPE_E_UNSUPFORMAT);
            continue;
        }
        EXPECT_EQ(lib.code(), TYPE_E_INVDATAREAD) << c.what;
        EXPECT_NE(lib.message().find("Damaged type library"), std::string::npos) << c.what << ": " << lib.message();
    }
}

TEST(DamagedTypeLibrary, SharedDataCannotMultiplyBeyondTheBudget)
{
    // 2000 types whose documentation is one 60000-character string: a file of 260 KB that
    // describes 120 MB of text. The reader refuses instead of building it.
    const Layout l(controls());
    const uint32_t types = 2000;
    const size_t shift = 4 * (types - l.types);
    Bytes b(controls().begin(), controls().begin() + 0x54);
    comtest::put32(b, 0x20, types);
    b.resize(0x54 + 4 * types, 0);
    b.insert(b.end(), controls().begin() + 0x54 + 4 * long(l.types), controls().end());
    const size_t dir = 0x54 + 4 * types;
    for (int s = 0; s < 15; ++s) {
        const uint32_t offset = comtest::get32(b, dir + 16 * size_t(s));
        if (offset != 0xFFFFFFFF)
            comtest::put32(b, dir + 16 * size_t(s), offset + uint32_t(shift));
    }
    // A new type table of copies of the OLE_COLOR alias, which has no members.
    const size_t table = b.size();
    for (uint32_t i = 0; i < types; ++i)
        b.insert(b.end(), controls().begin() + long(l.typeInfo(OleColor)), controls().begin() + long(l.typeInfo(OleColor) + 0x64));
    comtest::put32(b, dir, uint32_t(table));
    comtest::put32(b, dir + 4, 0x64 * types);
    // The long string, reached by stretching the string table to the end of the file.
    const size_t text = b.size();
    comtest::put16(b, text, 60000);
    b.resize(text + 2 + 60000, 'x');
    const uint32_t strings = l.segments[StringTable].offset + uint32_t(shift);
    comtest::put32(b, dir + 16 * StringTable + 4, uint32_t(b.size() - strings));
    for (uint32_t i = 0; i < types; ++i)
        comtest::put32(b, table + 0x64 * i + 0x3C, uint32_t(text - strings));

    auto lib = load(b);
    ASSERT_FALSE(lib);
    EXPECT_NE(lib.message().find("far more often than its size allows"), std::string::npos) << lib.message();

}

TEST(DamagedTypeLibrary, CyclicTypeReferencesEndWhenFollowed)
{
    const Layout l(controls());
    // OLE_COLOR made an alias of itself, and DGauge a dual interface that derives from itself.
    Bytes b = controls();
    const size_t user = l.typeDescWith(VT_USERDEFINED);
    comtest::put32(b, user + 4, 0x64 * OleColor);
    comtest::put32(b, l.typeInfo(OleColor) + 0x54, uint32_t(user - l.segments[TypeDescs].offset));
    comtest::put32(b, l.typeInfo(Gauge) + 0x30, TypeFlags::Dispatchable | TypeFlags::Dual);
    comtest::put32(b, l.typeInfo(Gauge) + 0x54, 0x64 * Gauge);
    auto lib = load(b);
    ASSERT_TRUE(lib) << lib.message(); // references are followed only when asked for

    auto color = *(*lib)->typeInfo(OleColor);
    const TypeDesc& self = color->typeAttributes().aliasType;
    ASSERT_EQ(self.vt, VT_USERDEFINED);
    EXPECT_EQ((*color->refTypeInfo(self.hrefType))->index(), uint32_t(OleColor));
    EXPECT_FALSE(TypeMatch::isFontDispatch(*color, self));

    auto gauge = *(*lib)->typeInfo(Gauge);
    const uint16_t own = 10;
    EXPECT_EQ(gauge->typeAttributes().funcCount, (DualInterfaceView::maxBaseDepth + 1) * own);
    EXPECT_FALSE(dump::libraryText(**lib).empty());
}

TEST(DamagedModule, HostileResourceDirectoriesFail)
{
    comtest::PeLayout layout;
    const Bytes good = comtest::buildPe({{2, "", 1, 0, comtest::buildDib(1, 1, 24, {}, {1, 2, 3, 0})}, {0, "TYPELIB", 1, 0, {}}}, false, &layout);
    ASSERT_TRUE(Module::fromBytes(good));
    const size_t dir = layout.resourceSection;
    const size_t optional = layout.peHeader + 24;
    const struct {
        const char* what;
        std::function<void(Bytes&)> damage;
        HResult load, bitmap;
    } cases[] = {
        {"PE header beyond the file", [](Bytes& b) { comtest::put32(b, 0x3C, 0x7FFFFFFF); }, TYPE_E_CANTLOADLIBRARY, 0},
        {"section table beyond the file", [&](Bytes& b) { comtest::put16(b, layout.peHeader + 6, 0xFFFF); }, TYPE_E_CANTLOADLIBRARY, 0},
        {"optional header too short", [&](Bytes& b) { comtest::put16(b, layout.peHeader + 20, 8); }, TYPE_E_CANTLOADLIBRARY, 0},
        {"resources outside every section", [&](Bytes& b) { comtest::put32(b, optional + 96 + 16, 0x900000); }, TYPE_E_CANTLOADLIBRARY, 0},
        {"no resource directory", [&](Bytes& b) { comtest::put32(b, optional + 96 + 20, 0); }, S_OK, ERROR_RESOURCE_DATA_NOT_FOUND},
        {"entry counts beyond the directory", [&](Bytes& b) { comtest::put16(b, dir + 14, 0xFFFF); }, S_OK, ERROR_INVALID_DATA},
        {"type entry points outside", [&](Bytes& b) { comtest::put32(b, dir + 16 + 4, 0x8FFFFFF0); }, S_OK, ERROR_INVALID_DATA},
        {"type directory loops to the root", [&](Bytes& b) { comtest::put32(b, dir + 16 + 4, 0x80000000); }, S_OK, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"name string beyond the directory", [&](Bytes& b) { comtest::put32(b, dir + 16, 0x8FFFFFF0); }, S_OK, ERROR_INVALID_DATA},
        {"data entry beyond the directory",
         [&](Bytes& b) {
             for (size_t at = dir; at + 8 <= b.size(); at += 4) // the bitmap's language entry
                 if (comtest::get32(b, at) == 0 && (comtest::get32(b, at + 4) & 0x80000000) == 0 && comtest::get32(b, at + 4) > 0x40) {
                     comtest::put32(b, at + 4, 0x7FFFFFF0);
                     break;
                 }
         },
         S_OK, ERROR_INVALID_DATA},
    };
    for (const auto& c : cases) {
        Bytes b = good;
        c.damage(b);
        auto module = Module::fromBytes(b);
        if (c.load != S_OK) {
            ASSERT_FALSE(module) << c.what;
            EXPECT_EQ(module.code(), c.load) << c.what << ": " << module.message();
            continue;
        }
        ASSERT_TRUE(module) << c.what << ": " << module.message();
        auto bitmap = module->loadBitmap(1);
        ASSERT_FALSE(bitmap) << c.what;
        EXPECT_EQ(bitmap.code(), c.bitmap) << c.what << ": " << bitmap.message();
        auto list = module->image().listResources();
        if (list) {
            EXPECT_LE(list->size(), PeImage::maxListedResources) << c.what;
        }
    }
}

TEST(DamagedModule, SharedSubdirectoriesCannotMakeTheListingHuge)
{
    // One type whose 4000 name entries all share one language directory of 4000 entries.
    Bytes dir(16 + 8 + 16 + 8 * 4000 + 16 + 8 * 4000 + 16, 0);
    const uint32_t names = 24, languages = 24 + 16 + 8 * 4000, data = languages + 16 + 8 * 4000;
    comtest::put16(dir, 14, 1);
    comtest::put32(dir, 16, 2);
    comtest::put32(dir, 20, 0x80000000 | names);
    comtest::put16(dir, names + 14, 4000);
    comtest::put16(dir, languages + 14, 4000);
    for (uint32_t i = 0; i < 4000; ++i) {
        comtest::put32(dir, names + 16 + 8 * i, i);
        comtest::put32(dir, names + 20 + 8 * i, 0x80000000 | languages);
        comtest::put32(dir, languages + 16 + 8 * i, i);
        comtest::put32(dir, languages + 20 + 8 * i, data);
    }
    comtest::put32(dir, data, 0x1000 + data + 8);
    comtest::put32(dir, data + 4, 4);
    comtest::PeLayout layout;
    Bytes pe = comtest::buildPe({{2, "", 1, 0, {}}}, true, &layout);
    pe.resize(layout.resourceSection);
    pe.insert(pe.end(), dir.begin(), dir.end());
    pe.insert(pe.end(), 8, 0);
    comtest::put32(pe, layout.sectionTable + 8, uint32_t(dir.size() + 8));
    comtest::put32(pe, layout.sectionTable + 16, uint32_t(dir.size() + 8));
    auto module = Module::fromBytes(pe);
    ASSERT_TRUE(module) << module.message();
    auto list = module->image().listResources();
    ASSERT_FALSE(list);
    EXPECT_EQ(list.code(), ERROR_INVALID_DATA);
    EXPECT_TRUE(module->resource(ResourceId::number(2), ResourceId::number(3999))) << "a look-up still works";
}

} // namespace
