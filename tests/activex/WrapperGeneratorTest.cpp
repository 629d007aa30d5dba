#include "ActiveXTestSupport.h"

#include "activex/CActiveXWrapperGenerator.h"
#include "activex/CToolControlEntry.h"
#include "activex/WrapperNames.h"
#include "codegen/TemplateTable.h"
#include "codegen/templates/WrapperTemplateIds.h"

#include <fstream>
#include <set>

using namespace morva;

namespace {

CXDispInterfacePropItem& AddProperty(CXDispInterface& dispInterface, const std::string& name, const std::string& type,
                                     uint16_t vt, int32_t dispId, const std::string& decls = {},
                                     const std::string& vts = {})
{
    auto property = std::make_unique<CXDispInterfacePropItem>(&dispInterface);
    property->name = name;
    property->typeText = type;
    property->varType = vt;
    property->dispId = dispId;
    property->paramDecls = decls;
    property->paramVts = vts;
    dispInterface.m_properties.push_back(std::move(property));
    return *dispInterface.m_properties.back();
}

void AddMethod(CXDispInterface& dispInterface, const std::string& name, const std::string& returnType, uint16_t vt,
               int32_t dispId, const std::string& decls, const std::string& vts)
{
    auto method = std::make_unique<CXDispInterfaceEventMethodItem>();
    method->name = name;
    method->returnType = returnType;
    method->returnVarType = vt;
    method->dispId = dispId;
    method->paramDecls = decls;
    method->paramVts = vts;
    dispInterface.m_methods.push_back(std::move(method));
}

// A small control: plain, colour, font, picture and sub-object properties, a property with
// parameters, one with DISPID 0, and methods; its sub-object has a property of its own type.
std::unique_ptr<CToolControlEntry> SmallControl()
{
    auto entry = std::make_unique<CToolControlEntry>();
    entry->m_strName = "Dial";
    entry->m_strProgId = "DialLib.Dial.1";
    entry->m_strClsid = "{0A1B2C3D-0004-0005-0607-08090A0B0C0D}";
    auto main = std::make_unique<CXDispInterface>(entry.get());
    main->m_bIsDefault = true;
    main->m_strName = "Dial";
    AddProperty(*main, "Caption", "CString", 8, 0);
    AddProperty(*main, "BackColor", "COLORREF", 3, -501);
    AddProperty(*main, "Font", "Font", 9, -512);
    AddProperty(*main, "Picture", "Picture", 9, -523);
    AddProperty(*main, "Panel", "IPanel", 9, 5);
    AddProperty(*main, "Reading", "long", 3, 8, "long index", "VTS_I4 ");
    AddMethod(*main, "AboutBox", "void", 24, -552, "", "VTS_NONE");
    AddMethod(*main, "Fill", "void", 24, 10, "long a, BSTR* b", "VTS_I4 VTS_PBSTR ");
    AddMethod(*main, "Count", "long", 3, 11, "", "VTS_NONE");
    AddMethod(*main, "Item", "IPanel", 9, 12, "VARIANT index", "VTS_VARIANT ");
    auto panel = std::make_unique<CXDispInterface>(entry.get());
    panel->m_strName = "IPanel";
    panel->m_nTypeIndex = 4;
    AddProperty(*panel, "Margin", "long", 3, 1);
    AddProperty(*panel, "Parent", "IPanel", 9, 2);
    auto events = std::make_unique<CXDispInterface>(entry.get());
    events->m_bIsDefaultSource = true;
    events->m_strName = "Dial";
    entry->m_interfaces.push_back(std::move(main));
    entry->m_interfaces.push_back(std::move(panel));
    entry->m_interfaces.push_back(std::move(events));
    return entry;
}

struct Generation {
    axtest::World world{false};
    CodegenContext context{world.fs, world.messages};
    std::set<std::string> classes;
    CActiveXWrapperGenerator generator{context, [this](const std::string& name) { return classes.count(name) > 0; }};

    Generation()
    {
        EXPECT_TRUE(world.fs.makeFolder("C:\\Proj").isOk());
        generator.SetGuidSource([] { return *platform::Guid::parse("{11111111-2222-3333-4444-555555555555}"); });
    }
    std::string Read(const std::string& file) { return world.fs.readWholeFile("C:\\Proj\\" + file).valueOr("<missing>"); }
};

} // namespace

std::string Golden(const std::string& name)
{
    std::ifstream in(std::string(MORVA_AX_GOLDEN) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(WrapperGenerator, SmallControlFilesAreTheExpectedText)
{
    Generation g;
    auto entry = SmallControl();
    ASSERT_TRUE(g.generator.GenerateActiveXWrapper(*entry, "C:\\Proj"));
    // Helpers first, then the sub-object, then the control's own header and source.
    const std::vector<std::string> written = {"xfont.h", "xfont.cpp", "xpicture.h", "xpicture.cpp",
                                              "xpanel.h", "xpanel.cpp", "Dial.h", "Dial.cpp"};
    std::vector<std::string> expectedPaths;
    for (const std::string& file : written)
        expectedPaths.push_back("C:\\Proj\\" + file);
    EXPECT_EQ(g.generator.WrittenFiles(), expectedPaths);
    for (const std::string& file : written) {
        SCOPED_TRACE(file);
        const std::string expected = Golden(file);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(g.Read(file), expected);
    }
    EXPECT_TRUE(g.world.messages.shownTexts().empty());
}

TEST(WrapperGenerator, HelpersAreWrittenOnlyWhenNeededAndMissing)
{
    Generation g;
    auto entry = SmallControl();
    entry->m_strProgId = "DialLib.Plain.1";
    g.classes = {"CXOleFont"}; // the project has the font helper already
    ASSERT_TRUE(g.generator.GenerateActiveXWrapper(*entry, "C:\\Proj"));
    EXPECT_EQ(g.Read("xfont.h"), "<missing>");
    EXPECT_NE(g.Read("xpicture.h"), "<missing>");

    Generation plain;
    auto noObjects = SmallControl();
    auto& properties = noObjects->m_interfaces[0]->m_properties;
    std::erase_if(properties, [](const auto& p) { return p->typeText == "Font" || p->typeText == "Picture"; });
    ASSERT_TRUE(plain.generator.GenerateActiveXWrapper(*noObjects, "C:\\Proj"));
    EXPECT_EQ(plain.Read("xfont.h"), "<missing>");
    EXPECT_EQ(plain.Read("xpicture.cpp"), "<missing>");
    EXPECT_EQ(plain.Read("Dial.h").find("xfont.h"), std::string::npos);
}

TEST(WrapperGenerator, ExistingControlFilesStopGeneration)
{
    for (const char* existing : {"Dial.cpp", "Dial.h"}) {
        SCOPED_TRACE(existing);
        Generation g;
        ASSERT_TRUE(g.world.fs.writeWholeFile(std::string("C:\\Proj\\") + existing, "old").isOk());
        auto entry = SmallControl();
        EXPECT_FALSE(g.generator.GenerateActiveXWrapper(*entry, "C:\\Proj"));
        EXPECT_EQ(g.world.messages.shownTexts(),
                  (std::vector<std::string>{std::string("File C:\\Proj\\") + existing + " already exists"}));
        EXPECT_TRUE(g.generator.WrittenFiles().empty());
        EXPECT_EQ(g.Read("xfont.h"), "<missing>");
    }
}

TEST(WrapperGenerator, UnwritableProjectFolderReportsTheGenerateError)
{
    Generation g;
    auto entry = SmallControl();
    EXPECT_FALSE(g.generator.GenerateActiveXWrapper(*entry, "C:\\Missing"));
    const std::vector<std::string> texts = g.world.messages.shownTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), TemplateText(tpl::kAxGenerateError));
    EXPECT_TRUE(g.generator.WrittenFiles().empty());
}

TEST(WrapperGenerator, ControlBaseNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Lib.TreeCtrl.2", "Treectrl"}, {"MSACAL.Calendar.7", "Calendar"}, {"Lib.my-ctl.1", "My-ctl"},
        {"Lib.two words.1", "Two"}, {"Lib.Grid", "Grid"}, {"NoDots", "Nodots"}, {"Lib.a(b).1", "A"},
        {"Lib.x\\y.1", "X"}, {"Lib. pad.1", ""}, {"", ""},
    };
    for (const auto& [progId, name] : cases)
        EXPECT_EQ(ControlBaseName(progId), name) << progId;
    EXPECT_EQ(SubObjectClassName("IColumns"), "CXAxColumns");
    EXPECT_EQ(SubObjectClassName("DPanel"), "CXAxDPanel");
    EXPECT_EQ(ArgumentNames("long a, BSTR* b"), "a, b");
    EXPECT_EQ(ArgumentNames("long index, LPDISPATCH pDispatch"), "index, pDispatch");
    EXPECT_EQ(ArgumentNames(""), "");
}

// The wrapper of a control read from a real type library.
TEST(WrapperGenerator, GaugeFromItsTypeLibrary)
{
    Generation g;
    CToolControlEntry entry;
    entry.m_strServerPath = "D:\\gauge.dll";
    entry.m_strClsid = "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}";
    entry.m_strProgId = "MorvaTest.Gauge.1";
    ASSERT_TRUE(entry.ReadTypeLibrary(g.world.fs, g.world.services.resolver, true));
    ASSERT_TRUE(g.generator.GenerateActiveXWrapper(entry, "C:\\Proj"));
    const std::string header = g.Read("Gauge.h");
    EXPECT_NE(header.find("\tCXAxDPanel\tPanel;\r\n"), std::string::npos);
    EXPECT_NE(header.find("= { 0x6b1e4c10, 0xc1d, 0x4b9a, { 0x9f, 0x3e, 0x3c, 0x6a, 0x2d, 0x1e, 0x0, 0x30 } };"),
              std::string::npos);
    EXPECT_NE(g.Read("xdpanel.h").find("class CXAxDPanel : public COleDispatchDriver"), std::string::npos);
    const std::string source = g.Read("Gauge.cpp");
    EXPECT_EQ(source.find("Caption"), std::string::npos) << "DISPID 0 makes no code";
    EXPECT_NE(source.find("\tInvokeHelper(-512, DISPATCH_PROPERTYGET, VT_DISPATCH, (void*)&Font.m_lpDispatch, NULL);"),
              std::string::npos);
    EXPECT_NE(source.find("CXOleFont CXAxGauge::GetFont()\r\n{\r\n\tLPDISPATCH ret;\r\n"), std::string::npos);
    EXPECT_NE(source.find("\treturn CXOleFont(ret);"), std::string::npos);
}
