// The module loader on gauge.dll (a PE32+ made with windres and ld from our fixtures), on
// PE files built here (PE32 and PE32+), and on files that are no module.
#include "ComTestSupport.h"
#include "TypeLibraryDump.h"

#include "platform/base/FileSystem.h"
#include "platform/com/HResult.h"
#include "platform/com/Module.h"
#include "platform/com/TypeLibrary.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;

namespace {

// The pixels make_fixtures.py gave the bitmaps of gauge.dll.
uint32_t toolboxPixel(int x, int y)
{
    const uint32_t i = uint32_t(x + 2 * y) % 16;
    return 0xFF000000 | ((i * 16) << 16) | ((255 - i * 16) << 8) | (i * 8);
}

uint32_t swatchPixel(int x, int y)
{
    return 0xFF000000 | (uint32_t(x * 50) << 16) | (uint32_t(y * 100) << 8) | 7;
}

class ModuleFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morva-com-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string write(const std::string& name, const comtest::Bytes& bytes)
    {
        std::ofstream(m_folder + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        return m_fs.toWindowsPath(m_folder + "/" + name);
    }

    FileSystem m_fs;
    std::string m_folder;
};

TEST_F(ModuleFiles, LoadsBitmapsFromAModuleMadeWithTheMingwTools)
{
    auto module = Module::load(m_fs, m_fs.toWindowsPath(comtest::fixturePath("gauge.dll")));
    ASSERT_TRUE(module) << module.message();
    EXPECT_TRUE(module->is64Bit());

    auto toolbox = module->loadBitmap(3);
    ASSERT_TRUE(toolbox) << toolbox.message();
    EXPECT_EQ(toolbox->width, 16);
    EXPECT_EQ(toolbox->height, 15);
    EXPECT_EQ(toolbox->bitsPerPixel, 4);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(toolbox->pixel(x, y), toolboxPixel(x, y)) << x << "," << y;

    auto swatch = module->loadBitmap(4);
    ASSERT_TRUE(swatch) << swatch.message();
    EXPECT_EQ(swatch->bitsPerPixel, 24);
    ASSERT_EQ(swatch->pixels.size(), 15u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(swatch->pixel(x, y), swatchPixel(x, y)) << x << "," << y;

    EXPECT_EQ(module->loadBitmap(99).code(), ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(module->resource(ResourceId::number(6), ResourceId::number(1)).code(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    auto entries = module->image().listResources();
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 3u);
}

TEST_F(ModuleFiles, TheModulesTypeLibraryIsTheTlbItWasBuiltFrom)
{
    auto module = Module::load(m_fs, m_fs.toWindowsPath(comtest::fixturePath("gauge.dll")));
    ASSERT_TRUE(module);
    auto resource = module->resource(ResourceId::named("typelib"), ResourceId::number(1));
    ASSERT_TRUE(resource) << resource.message();
    EXPECT_EQ(comtest::Bytes(resource->begin(), resource->end()), comtest::readFile(comtest::fixturePath("controls.tlb")));

    auto fromModule = TypeLibrary::loadFile(m_fs, m_fs.toWindowsPath(comtest::fixturePath("gauge.dll")));
    auto fromFile = TypeLibrary::loadFile(m_fs, m_fs.toWindowsPath(comtest::fixturePath("controls.tlb")));
    ASSERT_TRUE(fromModule) << fromModule.message();
    ASSERT_TRUE(fromFile) << fromFile.message();
    EXPECT_EQ(dump::libraryText(**fromModule), dump::libraryText(**fromFile));
}

TEST_F(ModuleFiles, BuiltModulesOfBothFormatsGiveTheirResources)
{
    const comtest::Bytes tlb = comtest::readFile(comtest::fixturePath("controls.tlb"));
    // 2 x 2, 8 bits per pixel, rows bottom-up: top row red, green; bottom row blue, white.
    const comtest::Bytes dib = comtest::buildDib(2, 2, 8, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {2, 3, 0, 0, 0, 1, 0, 0});
    for (bool plus : {false, true}) {
        SCOPED_TRACE(plus ? "PE32+" : "PE32");
        const comtest::Bytes pe = comtest::buildPe(
            {{0, "TYPELIB", 1, 0x409, tlb}, {0, "TYPELIB", 2, 0, tlb}, {2, "", 7, 0, dib}, {2, "", 8, 0x407, dib}}, plus);
        const std::string path = write(plus ? "ctl64.ocx" : "ctl32.ocx", pe);
        auto module = Module::load(m_fs, path);
        ASSERT_TRUE(module) << module.message();
        EXPECT_EQ(module->is64Bit(), plus);
        for (uint16_t id : {7, 8}) {
            auto bitmap = module->loadBitmap(id);
            ASSERT_TRUE(bitmap) << bitmap.message();
            EXPECT_EQ(bitmap->pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}));
        }
        auto lib = TypeLibrary::loadFile(m_fs, path);
        ASSERT_TRUE(lib) << lib.message();
        EXPECT_EQ((*lib)->documentation(MEMBERID_NIL)->name, "MorvaTestControls");
        // "module\2" names the second TYPELIB resource; a missing one cannot be loaded.
        EXPECT_TRUE(TypeLibrary::loadFile(m_fs, path + "\\2"));
        EXPECT_EQ(TypeLibrary::loadFile(m_fs, path + "\\3").code(), TYPE_E_CANTLOADLIBRARY);
    }
}

TEST_F(ModuleFiles, MissingAndUnloadableFilesGiveTheirOwnCodes)
{
    const comtest::Bytes pe = comtest::buildPe({{2, "", 1, 0, {1, 2, 3}}}, true);
    comtest::Bytes noSignature = pe;
    noSignature[0x40] = 'X';
    comtest::Bytes badMagic = pe;
    comtest::put16(badMagic, 0x44 + 20, 0x999);
    const struct {
        const char* what;
        std::string path;
        HResult code;
    } cases[] = {
        {"missing file", m_fs.toWindowsPath(m_folder + "/absent.ocx"), ERROR_MOD_NOT_FOUND},
        {"missing folder", m_fs.toWindowsPath(m_folder + "/none/absent.ocx"), ERROR_MOD_NOT_FOUND},
        {"empty file", write("empty.ocx", {}), TYPE_E_CANTLOADLIBRARY},
        {"text file", write("readme.ocx", {'h', 'e', 'l', 'l', 'o'}), TYPE_E_CANTLOADLIBRARY},
        {"bare MZ", write("mz.ocx", {'M', 'Z'}), TYPE_E_CANTLOADLIBRARY},
        {"no PE signature", write("nosig.ocx", noSignature), TYPE_E_CANTLOADLIBRARY},
        {"unknown optional header", write("magic.ocx", badMagic), TYPE_E_CANTLOADLIBRARY},
        {"a folder", m_fs.toWindowsPath(m_folder), TYPE_E_CANTLOADLIBRARY},
    };
    for (const auto& c : cases) {
        auto module = Module::load(m_fs, c.path);
        ASSERT_FALSE(module) << c.what;
        EXPECT_EQ(module.code(), c.code) << c.what << ": " << module.message();
        EXPECT_NE(module.message().find("Module"), std::string::npos) << module.message();
    }
    // A valid module whose bitmap resource is damaged: its own error, not a load failure.
    auto module = Module::load(m_fs, write("bad-bitmap.ocx", pe));
    ASSERT_TRUE(module);
    EXPECT_EQ(module->loadBitmap(1).code(), ERROR_INVALID_DATA);
    EXPECT_EQ(TypeLibrary::loadFile(m_fs, m_fs.toWindowsPath(m_folder + "/absent.tlb")).code(), TYPE_E_CANTLOADLIBRARY);
    EXPECT_EQ(TypeLibrary::loadFile(m_fs, write("bad-bitmap.ocx", pe)).code(), TYPE_E_CANTLOADLIBRARY) << "no TYPELIB";
}

TEST_F(ModuleFiles, WineModuleBitmaps)
{
    if (!comtest::exists(comtest::winePath("hhctrl.ocx")))
        GTEST_SKIP() << "Wine's hhctrl.ocx is not installed (package libwine)";
    auto module = Module::load(m_fs, m_fs.toWindowsPath(comtest::winePath("hhctrl.ocx")));
    ASSERT_TRUE(module) << module.message();
    auto entries = module->image().listResources();
    ASSERT_TRUE(entries) << entries.message();
    int bitmaps = 0;
    for (const PeResourceEntry& e : *entries) {
        if (!e.type.isNumber() || e.type.id() != RT_BITMAP)
            continue;
        ++bitmaps;
        auto bitmap = module->loadBitmap(e.name);
        ASSERT_TRUE(bitmap) << e.name.toString() << ": " << bitmap.message();
        EXPECT_GT(bitmap->width, 0);
        EXPECT_EQ(bitmap->pixels.size(), size_t(bitmap->width) * size_t(bitmap->height));
    }
    EXPECT_GT(bitmaps, 0);
}

} // namespace
