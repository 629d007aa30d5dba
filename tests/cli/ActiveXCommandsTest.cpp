#include "CliRun.h"
#include "activex/COCXInfo.h"
#include "cli/CliCommand.h"
#include "cli/CliProject.h"
#include "model/CControlItem.h"
#include "sourcemodel/CClassItem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace morva::cli {
namespace {

// The Windows form of a host path under Z:.
std::string WindowsPath(std::string host)
{
    for (char& c : host)
        if (c == '/')
            c = '\\';
    return "Z:" + host;
}

std::string ReplaceEvery(std::string text, const std::string& find, const std::string& with)
{
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, at + with.size()))
        text.replace(at, find.size(), with);
    return text;
}

// A folder with the catalogue's registry fixture, its D: servers pointing at the type-library
// fixtures, and a project to insert controls into.
class ActiveXCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream in(std::string(MORVA_AX_FIXTURES) + "/controls.reg", std::ios::binary);
        const std::string reg{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_FALSE(reg.empty());
        m_server = WindowsPath(MORVA_COM_FIXTURES) + "\\";
        m_folder.write("controls.reg", ReplaceEvery(reg, "D:\\\\", ReplaceEvery(m_server, "\\", "\\\\")));
        m_registry = m_folder.host("controls.reg");
    }

    std::string gauge() const { return m_server + "gauge.dll"; }

    CliRun newProject()
    {
        return Morva({"new-project", "--location", m_folder.path(), "--name", "demo"});
    }
    CliRun insert(const std::string& name, const std::string& server)
    {
        return Morva({"insert-activex", m_folder.host("demo/demo.dsp"), "--name", name, "--server", server,
                      "--registry", m_registry});
    }

    // The project opened with the fixture registry, or with `registry` (host path) instead.
    bool open(CliProject& project, const std::string& registry = {})
    {
        return project.Open(m_folder.host("demo/demo.dsp"), registry.empty() ? m_registry : registry);
    }
    // A registry without any installed control: an entry found then came from the data file.
    std::string emptyRegistry() const
    {
        m_folder.write("empty.reg", "REGEDIT4\r\n");
        return m_folder.host("empty.reg");
    }

    TempFolder m_folder;
    std::string m_server;
    std::string m_registry;
    std::ostringstream m_out, m_err;
    CliStreams m_io{m_out, m_err};
};

TEST_F(ActiveXCommandsTest, ControlsAreListedInTheDialogsOrder)
{
    const CliRun run = Morva({"controls", "--registry", m_registry});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, "alpha widget\t" + m_server + "missing.ocx\t\n"
                       "ALPHA WIDGET\t" + m_server + "other.ocx\t\n"
                       "Broken Widget\t" + m_server + "controls.idl\t\n"
                       "Commaless\t" + m_server + "gauge.dll\t\n"
                       "Morva Gauge\t" + gauge() + "\tMorvaTest.Gauge.1\n"
                       "Morva Locked Gauge\t" + gauge() + "\tMorvaTest.LockedGauge.1\n");

    const CliRun all = Morva({"controls", "--all", "--registry", m_registry});
    ASSERT_EQ(all.status, kExitOk) << all.err;
    EXPECT_NE(all.out.find("Morva Gauge\t" + gauge() + "\tMorvaTest.Gauge.1\n"
                           "  CLSID:          {6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}\n"
                           "  type library:   {6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0001}\n"
                           "  server file:    present\n"
                           "  toolbox bitmap: " + gauge() + ", 3\n"
                           "  insertable:     yes\n"),
              std::string::npos)
        << all.out;
    EXPECT_NE(all.out.find("  server file:    missing\n"), std::string::npos);
    EXPECT_NE(all.out.find("  toolbox bitmap: none (the control cannot be added)\n"), std::string::npos);
}

TEST_F(ActiveXCommandsTest, ArgumentAndRegistryErrors)
{
    const CliRun missing = Morva({"controls", "--registry", m_folder.host("none.reg")});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err.rfind("morva controls: ", 0), 0u) << missing.err;

    m_folder.write("bad.reg", "not a registry file\n");
    EXPECT_EQ(Morva({"controls", "--registry", m_folder.host("bad.reg")}).status, kExitFailure);
    EXPECT_EQ(Morva({"controls", "--registry"}).status, kExitUsage);
    EXPECT_EQ(Morva({"controls", "extra"}).err, "morva controls: unknown argument 'extra' (see 'morva controls --help')\n");
    EXPECT_EQ(Morva({"typelib"}).status, kExitUsage);
    EXPECT_EQ(Morva({"typelib", "x.tlb", "--clsid", "nope"}).err,
              "morva typelib: 'nope' is not a CLSID (see 'morva typelib --help')\n");
    EXPECT_EQ(Morva({"insert-activex", "demo.dsp", "--name", "x"}).status, kExitUsage);
}

TEST_F(ActiveXCommandsTest, TypeLibPrintsTheDispatchModelOfEachCoclass)
{
    const std::string library = std::string(MORVA_COM_FIXTURES) + "/controls.tlb";
    const CliRun run = Morva({"typelib", library});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    for (const char* line : {"coclass Gauge {6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}\n",
                             "coclass LockedGauge {6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0031}\n",
                             "    property Value: long  VT 3  DISPID 7\n",
                             "    property Reading: long  VT 3  DISPID 8  params (long index, VARIANT unit) VTS "
                             "\"VTS_I4 VTS_VARIANT \"\n",
                             "  interface DPanel [sub-object]\n",
                             "    property Title: CString  VT 8  DISPID 2\n",
                             "    method void AboutBox()  DISPID -552  return VT 24  VTS \"VTS_NONE\"\n",
                             "    event void Changed(long oldValue, long newValue)  DISPID 1  return VT 24  VTS "
                             "\"VTS_I4 VTS_I4 \"\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
    EXPECT_NE(run.out.find("[default]\n"), std::string::npos);
    EXPECT_NE(run.out.find("[default source]\n"), std::string::npos);
    // The library inside a module gives the same model.
    EXPECT_EQ(Morva({"typelib", std::string(MORVA_COM_FIXTURES) + "/gauge.dll"}).out, run.out);

    const CliRun one = Morva({"typelib", library, "--clsid", "6b1e4c10-0c1d-4b9a-9f3e-3c6a2d1e0031", "--json"});
    ASSERT_EQ(one.status, kExitOk) << one.err;
    EXPECT_EQ(one.out.rfind("[{\"coclass\": \"LockedGauge\", \"clsid\": \"{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0031}\"", 0),
              0u)
        << one.out;
    EXPECT_NE(one.out.find("{\"name\": \"Limit\", \"returnType\": \"void\", \"returnVt\": 24, \"dispId\": 2, "
                           "\"declaration\": \"BOOL* cancel\", \"vts\": \"VTS_PBOOL \"}"),
              std::string::npos)
        << one.out;
    EXPECT_EQ(one.out.find("\"Gauge\""), std::string::npos);
    EXPECT_EQ(one.out.substr(one.out.size() - 3), "}]\n");

    const CliRun absent = Morva({"typelib", library, "--clsid", "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0099}"});
    EXPECT_EQ(absent.status, kExitFailure);
    EXPECT_EQ(absent.err, "morva typelib: " + WindowsPath(library) +
                              " has no coclass {6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0099}\n");
    m_folder.write("junk.tlb", "MSFT garbage");
    EXPECT_EQ(Morva({"typelib", m_folder.host("junk.tlb")}).status, kExitFailure);
}

TEST_F(ActiveXCommandsTest, InsertActiveXGeneratesTheWrapperAndInsertsItIntoTheProject)
{
    ASSERT_EQ(newProject().status, kExitOk);
    const CliRun run = insert("Morva Gauge", gauge());
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string folder = WindowsPath(m_folder.path()) + "\\demo\\";
    EXPECT_NE(run.out.find(folder + "Gauge.h\n" + folder + "Gauge.cpp\n"), std::string::npos) << run.out;
    const std::string project = m_folder.read("demo/demo.dsp");
    EXPECT_NE(project.find("SOURCE=.\\Gauge.cpp\r\n"), std::string::npos);
    EXPECT_NE(project.find("SOURCE=.\\Gauge.h\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(m_folder.host("demo/demo.dat")));
    EXPECT_NE(m_folder.read("demo/stdafx.h").find("#include <tfxForm.h>\r\n//{{AFX_INSERT_LOCATION}}"),
              std::string::npos);
}

TEST_F(ActiveXCommandsTest, RefusedInsertionsChangeNoFile)
{
    ASSERT_EQ(newProject().status, kExitOk);
    ASSERT_EQ(insert("Morva Gauge", gauge()).status, kExitOk);
    const std::string listing = m_folder.listing("demo");
    auto snapshot = [&] {
        std::string all;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.host("demo")))
            if (entry.is_regular_file())
                all += entry.path().filename().string() + "=" + m_folder.read("demo/" + entry.path().filename().string());
        return all;
    };
    const std::string before = snapshot();
    struct Case {
        const char* name;
        std::string server;
        std::string err;
    };
    for (const Case& c : {Case{"Morva Gauge", gauge(), "File " + WindowsPath(m_folder.path()) + "\\demo\\Gauge.cpp already exists\n"},
                          Case{"Morva Locked Gauge", gauge(), "Error in retreiving OCX file info from registry\n"},
                          Case{"Nothing", gauge(), "morva insert-activex: no installed control is named 'Nothing' with the server " +
                                                       gauge() + " (see 'morva controls')\n"}}) {
        const CliRun run = insert(c.name, c.server);
        EXPECT_EQ(run.status, kExitFailure) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
        EXPECT_EQ(run.err, c.err) << c.name;
        EXPECT_EQ(m_folder.listing("demo"), listing) << c.name;
        EXPECT_EQ(snapshot(), before) << c.name;
    }
    const CliRun noProject = Morva({"insert-activex", m_folder.host("none.dsp"), "--name", "Morva Gauge", "--server",
                                    gauge(), "--registry", m_registry});
    EXPECT_EQ(noProject.status, kExitFailure);
    EXPECT_EQ(noProject.err, "morva insert-activex: " + WindowsPath(m_folder.path()) + "\\none.dsp does not exist\n");
}

TEST_F(ActiveXCommandsTest, ReopenedProjectLinksTheWrapperClassToItsToolboxEntry)
{
    ASSERT_EQ(newProject().status, kExitOk);
    ASSERT_EQ(insert("Morva Gauge", gauge()).status, kExitOk);
    const std::string dataFile = m_folder.read("demo/demo.dat");
    {
        CliProject project(m_io, "test");
        ASSERT_TRUE(open(project, emptyRegistry())) << m_err.str();
        ASSERT_EQ(project.Toolbox().GetCount(), 1u);
        const CToolControlEntry* entry = project.Toolbox().GetAt(0);
        EXPECT_EQ(entry->m_strProgId, "MorvaTest.Gauge.1");
        // The data file keeps the dispatch model: nothing had to be read from the registry.
        EXPECT_NE(entry->GetDefaultInterface(), nullptr);
        const CClassItem* wrapper = project.Project().FindClass("CXAxGauge");
        ASSERT_NE(wrapper, nullptr);
        EXPECT_EQ(wrapper->m_pControlEntry, entry);
    }

    const CliRun placed = Morva({"add-control", m_folder.host("demo/demo.dsp"), "--form", "CForm1", "--type",
                                 "CXAxGauge", "--rect", "10,10,110,60"});
    ASSERT_EQ(placed.status, kExitOk) << placed.err;
    CliProject reopened(m_io, "test");
    ASSERT_TRUE(open(reopened, emptyRegistry())) << m_err.str();
    CClassItem* form = reopened.FindForm("CForm1");
    ASSERT_NE(form, nullptr);
    const CControlItem* gaugeControl = nullptr;
    for (const auto& item : form->GetItems())
        if (item->m_strClassName == "CXAxGauge")
            gaugeControl = item.get();
    ASSERT_NE(gaugeControl, nullptr) << placed.out;
    EXPECT_EQ(gaugeControl->m_nKind, 2);
    ASSERT_EQ(reopened.Toolbox().GetCount(), 1u);
    EXPECT_EQ(gaugeControl->m_pControlEntry, reopened.Toolbox().GetAt(0));
    // Opening never rewrites the data file.
    EXPECT_EQ(m_folder.read("demo/demo.dat"), dataFile);
    EXPECT_EQ(m_err.str(), "");
}

TEST_F(ActiveXCommandsTest, OpeningKeepsOnlyTheEntriesOfWrapperClassesStillInTheProject)
{
    ASSERT_EQ(newProject().status, kExitOk);
    ASSERT_EQ(insert("Morva Gauge", gauge()).status, kExitOk);
    const std::string header = m_folder.read("demo/Gauge.h");
    const std::string dataFile = m_folder.read("demo/demo.dat");
    ASSERT_NE(header.find("\"MorvaTest.Gauge.1\""), std::string::npos);
    struct Case {
        const char* what;
        std::string header;
        bool withRegistry;
        size_t entries;
    };
    for (const Case& c : {
             Case{"wrapper class deleted", "// nothing left\r\n", true, 0},
             // Compared ignoring case: the data file's entry serves, the registry is not needed.
             Case{"ProgID in other case", ReplaceEvery(header, "MorvaTest.Gauge.1", "morvatest.GAUGE.1"), false, 1},
             Case{"data file lost", header, true, 1},
             Case{"data file lost, control not installed", header, false, 0},
         }) {
        m_folder.write("demo/Gauge.h", c.header);
        const bool dataFileLost = std::string(c.what).find("data file lost") != std::string::npos;
        if (dataFileLost)
            std::filesystem::remove(m_folder.host("demo/demo.dat"));
        {
            CliProject project(m_io, "test");
            ASSERT_TRUE(open(project, c.withRegistry ? m_registry : emptyRegistry())) << c.what;
            EXPECT_EQ(project.Toolbox().GetCount(), c.entries) << c.what;
            const CClassItem* wrapper = project.Project().FindClass("CXAxGauge");
            if (c.entries > 0) {
                ASSERT_NE(wrapper, nullptr) << c.what;
                EXPECT_EQ(wrapper->m_pControlEntry, project.Toolbox().GetAt(0)) << c.what;
            } else if (wrapper) {
                EXPECT_EQ(wrapper->m_pControlEntry, nullptr) << c.what;
            }
        }
        // The list in memory changed; the file on disk did not (nor was one created).
        EXPECT_EQ(std::filesystem::exists(m_folder.host("demo/demo.dat")), !dataFileLost) << c.what;
        if (!dataFileLost) {
            EXPECT_EQ(m_folder.read("demo/demo.dat"), dataFile) << c.what;
        }
        m_folder.write("demo/demo.dat", dataFile);
    }
    EXPECT_EQ(m_err.str(), "");
}

TEST_F(ActiveXCommandsTest, DamagedDataFileGivesAnEmptyToolboxAndIsLeftAlone)
{
    ASSERT_EQ(newProject().status, kExitOk);
    ASSERT_EQ(insert("Morva Gauge", gauge()).status, kExitOk);
    std::string damaged = m_folder.read("demo/demo.dat");
    damaged.resize(damaged.size() / 2);
    m_folder.write("demo/demo.dat", damaged);
    const std::string path = WindowsPath(m_folder.path()) + "\\demo\\demo.dat";
    const std::string message = "The project's control list " + path +
                                " cannot be read; the toolbox starts without its ActiveX controls\n";
    {
        CliProject project(m_io, "test");
        ASSERT_TRUE(open(project, emptyRegistry()));
        EXPECT_EQ(m_err.str(), message);
        EXPECT_EQ(project.Toolbox().GetCount(), 0u);
        EXPECT_TRUE(project.Steps().ToolboxFileUnreadable());
        const CClassItem* wrapper = project.Project().FindClass("CXAxGauge");
        ASSERT_NE(wrapper, nullptr);
        EXPECT_EQ(wrapper->m_pControlEntry, nullptr);
    }
    // Adding a control would save the list over the damaged file and lose its entries.
    const CliRun refused = insert("Morva Gauge", gauge());
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_EQ(refused.err, message + "morva insert-activex: the project's control list " + path + " is damaged\n");
    EXPECT_EQ(m_folder.read("demo/demo.dat"), damaged);
}

} // namespace
} // namespace morva::cli
