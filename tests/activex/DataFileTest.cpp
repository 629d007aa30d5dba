#include "ActiveXTestSupport.h"

#include "activex/CArchive.h"
#include "activex/COCXInfo.h"

using namespace morva;

namespace {

// Expected bytes built by hand, independently of the archive writer.
struct Bytes {
    std::string b;
    Bytes& u8(uint8_t v) { b.push_back(char(v)); return *this; }
    Bytes& u16(uint16_t v) { return u8(uint8_t(v)).u8(uint8_t(v >> 8)); }
    Bytes& u32(uint32_t v) { return u16(uint16_t(v)).u16(uint16_t(v >> 16)); }
    Bytes& str(const std::string& s) { u8(uint8_t(s.size())); b += s; return *this; } // short strings only
};

std::unique_ptr<CToolControlEntry> SmallEntry(const std::string& name)
{
    auto entry = std::make_unique<CToolControlEntry>();
    entry->m_strName = name;
    entry->m_strServerPath = "C:\\x.ocx";
    entry->m_strClsid = "{C}";
    entry->m_strProgId = "L.X.1";
    entry->m_strTypeLibId = "{T}";
    entry->m_bInsertable = true;
    platform::ModuleBitmap bitmap;
    bitmap.width = 2;
    bitmap.height = 1;
    bitmap.bitsPerPixel = 4;
    bitmap.pixels = {0xFF112233, 0x00ABCDEF};
    entry->m_bitmap = bitmap;

    auto dispInterface = std::make_unique<CXDispInterface>(entry.get());
    dispInterface->m_bIsDefault = true;
    dispInterface->m_strName = "X";
    dispInterface->m_nPropCount = 1;
    auto property = std::make_unique<CXDispInterfacePropItem>(dispInterface.get());
    property->name = "Caption";
    property->typeText = "CString";
    property->varType = 8;
    property->dispId = -518;
    property->docName = "Caption";
    property->docString = "d";
    property->helpFile = "x.hlp";
    property->helpContext = 7;
    dispInterface->m_properties.push_back(std::move(property));
    auto method = std::make_unique<CXDispInterfaceEventMethodItem>();
    method->name = "Fill";
    method->paramDecls = "BSTR* b";
    method->paramVts = "VTS_PBSTR ";
    method->dispId = 10;
    method->returnVarType = 24;
    method->m_nParamCount = 1;
    method->m_paramNames = {"b"};
    method->m_paramTypes = {0x4008};
    dispInterface->m_methods.push_back(std::move(method));
    entry->m_interfaces.push_back(std::move(dispInterface));
    return entry;
}

std::string SmallEntryBytes(const std::string& name)
{
    Bytes e;
    e.str(name).str("C:\\x.ocx").str("{C}").str("L.X.1").str("{T}").u16(1);
    e.u32(2).u32(1).u32(1).u32(32).u32(8).u32(0xFF112233).u32(0x00ABCDEF);
    e.u32(1);                                     // interfaces
    e.u32(1).u32(0).str("X").u32(1).str("").str("").str("").u32(0xFFFFFFFF).u32(0xFFFFFFFF);
    e.u32(1);                                     // properties
    e.str("Caption").str("").str("CString").u32(1).u16(8).u32(uint32_t(-518));
    e.str("Caption").str("d").str("x.hlp").u32(7).str("").str("");
    e.u32(1);                                     // methods
    e.str("Fill").str("void").str("BSTR* b").str("VTS_PBSTR ").u32(10).u16(24).u32(1).u32(0);
    e.u32(1).str("b").u32(1).u32(0x4008);
    e.u32(0);                                     // events
    return e.b;
}

} // namespace

TEST(DataFile, ArchiveStringLengthPrefixes)
{
    struct Case {
        size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {0xFFFD, "\xFF\xFD\xFF"},
        {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {0x10000, std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        CArchiveWriter writer;
        writer.WriteString(std::string(c.length, 'a'));
        EXPECT_EQ(writer.Bytes(), c.prefix + std::string(c.length, 'a'));
        CArchiveReader reader(writer.Bytes());
        std::string back;
        EXPECT_TRUE(reader.ReadString(back));
        EXPECT_EQ(back.size(), c.length);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(DataFile, ListIsWrittenByteForByteAndReadBack)
{
    axtest::World world(false);
    COCXInfo list(world.services);
    list.InsertSorted(SmallEntry("Beta"));
    list.InsertSorted(SmallEntry("alpha"));
    const std::string expected = Bytes().u32(2).b + SmallEntryBytes("alpha") + SmallEntryBytes("Beta");
    EXPECT_EQ(list.Serialize(), expected);

    std::vector<std::unique_ptr<CToolControlEntry>> entries;
    ASSERT_TRUE(COCXInfo::Deserialize(expected, entries));
    ASSERT_EQ(entries.size(), 2u);
    const CToolControlEntry& back = *entries[0];
    EXPECT_TRUE(back.m_bServerExists);
    EXPECT_TRUE(back.m_bInsertable);
    ASSERT_TRUE(back.m_bitmap);
    EXPECT_EQ(back.m_bitmap->pixels, (std::vector<uint32_t>{0xFF112233, 0x00ABCDEF}));
    const CXDispInterface& dispInterface = *back.m_interfaces.at(0);
    EXPECT_EQ(dispInterface.m_pOwner, &back);
    EXPECT_EQ(dispInterface.m_properties.at(0)->m_pOwner, &dispInterface);
    EXPECT_EQ(dispInterface.m_properties.at(0)->dispId, -518);
    EXPECT_EQ(dispInterface.m_methods.at(0)->m_paramTypes, (std::vector<uint32_t>{0x4008}));

    // Written again, the same bytes.
    COCXInfo again(world.services);
    for (auto& entry : entries)
        again.InsertSorted(std::move(entry));
    EXPECT_EQ(again.Serialize(), expected);
}

TEST(DataFile, LargeBitmapKeepsItsFirstThousandBytes)
{
    axtest::World world(false);
    COCXInfo list(world.services);
    auto entry = SmallEntry("Big");
    entry->m_bitmap->width = 32;
    entry->m_bitmap->height = 32;
    entry->m_bitmap->pixels.assign(32 * 32, 0xFF00FF00);
    list.InsertSorted(std::move(entry));
    std::vector<std::unique_ptr<CToolControlEntry>> entries;
    ASSERT_TRUE(COCXInfo::Deserialize(list.Serialize(), entries));
    const platform::ModuleBitmap& bitmap = *entries.at(0)->m_bitmap;
    EXPECT_EQ(bitmap.pixels.size(), 32u * 32u);
    EXPECT_EQ(bitmap.pixels[249], 0xFF00FF00u);
    EXPECT_EQ(bitmap.pixels[250], 0u);
}

TEST(DataFile, DamagedDataIsRefused)
{
    const std::string good = Bytes().u32(1).b + SmallEntryBytes("A");
    std::vector<std::unique_ptr<CToolControlEntry>> entries;
    for (size_t length = 0; length < good.size(); ++length) {
        entries.clear();
        EXPECT_FALSE(COCXInfo::Deserialize(good.substr(0, length), entries)) << "cut at " << length;
    }
    std::string hugeCount = good;
    hugeCount[0] = '\xFF';
    EXPECT_FALSE(COCXInfo::Deserialize(hugeCount, entries));
    std::string hugeBitmap = good; // byte count of the bits beyond what is ever stored
    const size_t bitsCount = 4 + (1 + 1) + (1 + 8) + (1 + 3) + (1 + 5) + (1 + 3) + 2 + 16;
    hugeBitmap[bitsCount] = '\x00';
    hugeBitmap[bitsCount + 1] = '\x10';
    EXPECT_FALSE(COCXInfo::Deserialize(hugeBitmap, entries));
}

TEST(DataFile, ProjectDataFileLoadAndSave)
{
    axtest::World world(false);
    ASSERT_TRUE(world.fs.makeFolder("C:\\P").isOk());
    COCXInfo list(world.services);
    EXPECT_FALSE(list.SaveToProjectFile()) << "no project open";
    list.SetProjectFile("C:\\P\\My.App.dsp");
    EXPECT_TRUE(list.LoadFromProjectFile()) << "a missing data file is no error";
    EXPECT_EQ(list.GetCount(), 0u);

    ASSERT_TRUE(world.fs.writeWholeFile("C:\\P\\My.dat", Bytes().u32(0).b).isOk());
    EXPECT_TRUE(list.LoadFromProjectFile());
    EXPECT_EQ(list.GetCount(), 0u);

    list.InsertSorted(SmallEntry("Kept"));
    ASSERT_TRUE(world.fs.writeWholeFile("C:\\P\\My.dat", Bytes().u32(3).b + SmallEntryBytes("Lost")).isOk());
    EXPECT_FALSE(list.LoadFromProjectFile());
    ASSERT_EQ(list.GetCount(), 1u) << "a damaged file changes nothing";

    ASSERT_TRUE(list.SaveToProjectFile());
    EXPECT_EQ(*world.fs.readWholeFile("C:\\P\\My.dat"), Bytes().u32(1).b + SmallEntryBytes("Kept"));
    list.SetProjectFile("C:\\Missing\\My.dsp");
    EXPECT_FALSE(list.SaveToProjectFile());
}

TEST(DataFile, DataFileNames)
{
    EXPECT_EQ(COCXInfo::DataFilePath("C:\\Work\\Demo.dsp"), "C:\\Work\\Demo.dat");
    EXPECT_EQ(COCXInfo::DataFilePath("D:\\P\\My.App.dsp"), "D:\\P\\My.dat");
    EXPECT_EQ(COCXInfo::DataFilePath("D:\\P.Q\\Plain"), "D:\\P.Q\\Plain.dat");
}
