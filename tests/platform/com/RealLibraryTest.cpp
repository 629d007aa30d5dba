// Type libraries that no one here wrote: Wine's own, and controls.idl compiled afresh by
// widl. Each test skips with a message when its tool or file is not installed.
#include "ComTestSupport.h"
#include "TypeLibraryDump.h"

#include "platform/com/FolderTypeLibraryResolver.h"
#include "platform/com/HResult.h"
#include "platform/com/StandardGuids.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <gtest/gtest.h>

#include <set>

using namespace platform;

namespace {

std::shared_ptr<const TypeLibraryResolver> wineResolver()
{
    FileSystem fs;
    return std::make_shared<FolderTypeLibraryResolver>(fs, std::vector<std::string>{fs.toWindowsPath(comtest::winePath(""))});
}

Result<ComPtr<TypeLibrary>> loadWine(const std::string& name)
{
    FileSystem fs;
    return TypeLibrary::loadFile(fs, fs.toWindowsPath(comtest::winePath(name)), wineResolver());
}

#define REQUIRE_WINE_FILE(name)                                                                   \
    if (!comtest::exists(comtest::winePath(name)))                                                \
    GTEST_SKIP() << "Wine's " << (name) << " is not installed (package libwine)"

TEST(RealTypeLibrary, WineStdole2ListsItsTypes)
{
    REQUIRE_WINE_FILE("stdole2.tlb");
    auto lib = loadWine("stdole2.tlb"); // a PE file holding the library as TYPELIB 1
    ASSERT_TRUE(lib) << lib.message();
    EXPECT_EQ((*lib)->documentation(MEMBERID_NIL)->name, "stdole");
    EXPECT_EQ((*lib)->attributes().guid, Guid::parse("{00020430-0000-0000-C000-000000000046}"));

    std::map<std::string, TypeKind> kinds;
    for (uint32_t i = 0; i < (*lib)->typeInfoCount(); ++i)
        kinds[(*lib)->documentation(int32_t(i))->name] = (*lib)->typeInfoType(i).value();
    const std::pair<const char*, TypeKind> expected[] = {
        {"IUnknown", TypeKind::Interface}, {"IDispatch", TypeKind::Interface}, {"IEnumVARIANT", TypeKind::Interface},
        {"OLE_COLOR", TypeKind::Alias},    {"Font", TypeKind::Dispatch},       {"IFontDisp", TypeKind::Alias},
        {"StdFont", TypeKind::Coclass},    {"Picture", TypeKind::Dispatch},    {"IPictureDisp", TypeKind::Alias},
        {"StdPicture", TypeKind::Coclass}, {"StdFunctions", TypeKind::Module}, {"LoadPictureConstants", TypeKind::Enum},
    };
    for (const auto& [name, kind] : expected) {
        ASSERT_TRUE(kinds.count(name)) << name;
        EXPECT_EQ(kinds[name], kind) << name;
    }

    // The font dispinterface: its properties by member id, name and type.
    auto font = (*lib)->typeInfoOfGuid(IID_IFontDisp);
    ASSERT_TRUE(font) << font.message();
    std::set<std::string> properties;
    for (uint32_t i = 0; i < (*font)->typeAttributes().varCount; ++i) {
        const VarDesc v = (*font)->varDesc(i).value();
        properties.insert((*font)->names(v.memberId, 1)->front());
    }
    EXPECT_EQ(properties, (std::set<std::string>{"Name", "Size", "Bold", "Italic", "Underline", "Strikethrough", "Weight", "Charset"}));
    EXPECT_TRUE((*lib)->typeInfoOfGuid(IID_IPictureDisp));

    // Every type and member of the library can be walked without an error.
    const std::string text = dump::libraryText(**lib);
    EXPECT_EQ(text.find(dump::failureMark), std::string::npos) << text;
}

TEST(RealTypeLibrary, WineControlDualInterfacesComeAsDispinterfaces)
{
    REQUIRE_WINE_FILE("msscript.ocx");
    REQUIRE_WINE_FILE("stdole2.tlb");
    auto lib = loadWine("msscript.ocx");
    ASSERT_TRUE(lib) << lib.message();
    auto info = (*lib)->typeInfoOfGuid(*Guid::parse("{70841C6F-067D-11D0-95D8-00A02463AB28}")); // IScriptModuleCollection
    ASSERT_TRUE(info) << info.message();
    const TypeInfo& dispatch = **info;
    const TypeAttributes& a = dispatch.typeAttributes();
    EXPECT_EQ(a.typeKind, TypeKind::Dispatch);
    EXPECT_TRUE(a.typeFlags & TypeFlags::Dual);
    // Seven inherited functions (IUnknown's and IDispatch's) and its own four.
    ASSERT_EQ(a.funcCount, 11);
    const char* expectedNames[] = {"QueryInterface", "AddRef", "Release", "GetTypeInfoCount", "GetTypeInfo",
                                   "GetIDsOfNames", "Invoke", "_NewEnum", "Item", "Count", "Add"};
    for (uint32_t i = 0; i < a.funcCount; ++i) {
        const FuncDesc f = dispatch.funcDesc(i).value();
        EXPECT_EQ(f.funcKind, FuncKind::Dispatch) << i;
        EXPECT_EQ(dispatch.names(f.memberId, 1)->front(), expectedNames[i]) << i;
    }
    // Its own functions in dispatch form: the [out, retval] parameter is the result.
    const FuncDesc count = dispatch.funcDesc(9).value();
    EXPECT_EQ(count.invokeKind, InvokeKind::PropertyGet);
    EXPECT_EQ(count.result.type.vt, VT_I4);
    EXPECT_EQ(count.paramCount(), 0u);
    const FuncDesc add = dispatch.funcDesc(10).value();
    EXPECT_EQ(add.paramCount(), 2u);
    EXPECT_EQ(add.optionalParamCount, 1);
    EXPECT_EQ(add.result.type.vt, VT_PTR);
    EXPECT_EQ(*dispatch.names(add.memberId, 5), (std::vector<std::string>{"Add", "Name", "Object"}));
    EXPECT_EQ(dispatch.funcDesc(3)->result.type.vt, VT_VOID) << "an HRESULT result is hidden";
    // A reference inside an inherited function resolves in the library it came from.
    const FuncDesc query = dispatch.funcDesc(0).value();
    auto guidType = dispatch.refTypeInfo(query.params[0].type.pointee().hrefType);
    ASSERT_TRUE(guidType) << guidType.message();
    EXPECT_EQ((*guidType)->name(), "GUID");

    // The interface view holds the functions as stored.
    auto other = dispatch.refTypeInfo(dispatch.refTypeOfImplType(-1).value());
    ASSERT_TRUE(other) << other.message();
    EXPECT_EQ((*other)->typeAttributes().typeKind, TypeKind::Interface);
    ASSERT_EQ((*other)->typeAttributes().funcCount, 4);
    const FuncDesc storedCount = (*other)->funcDesc(2).value();
    EXPECT_EQ(storedCount.funcKind, FuncKind::PureVirtual);
    EXPECT_EQ(storedCount.result.type.vt, VT_HRESULT);
    ASSERT_EQ(storedCount.paramCount(), 1u);
    EXPECT_EQ(storedCount.params[0].paramFlags, ParamFlags::Out | ParamFlags::Retval);
    auto back = (*other)->refTypeInfo((*other)->refTypeOfImplType(-1).value());
    ASSERT_TRUE(back);
    EXPECT_EQ((*back)->typeAttributes().funcCount, 11);
    EXPECT_EQ((*(*other)->refTypeInfo(*(*other)->refTypeOfImplType(0)))->name(), "IDispatch");
}

TEST(RealTypeLibrary, EveryWineLibraryLoadsAndWalksClean)
{
    const char* files[] = {"stdole2.tlb", "stdole32.tlb", "activeds.tlb", "wshom.ocx", "hhctrl.ocx", "msscript.ocx", "dhtmled.ocx"};
    int found = 0;
    for (const char* name : files) {
        if (!comtest::exists(comtest::winePath(name)))
            continue;
        ++found;
        auto lib = loadWine(name);
        ASSERT_TRUE(lib) << name << ": " << lib.message();
        EXPECT_GT((*lib)->typeInfoCount(), 0u) << name;
        const std::string text = dump::libraryText(**lib);
        EXPECT_EQ(text.find(dump::failureMark), std::string::npos) << name;
    }
    if (found == 0)
        GTEST_SKIP() << "Wine's type libraries are not installed (package libwine)";
}

TEST(RealTypeLibrary, WidlRebuildsTheCommittedFixture)
{
    if (std::system("command -v x86_64-w64-mingw32-widl > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "widl is not installed (package mingw-w64-tools)";
    REQUIRE_WINE_FILE("stdole2.tlb");
    const std::string out = std::filesystem::temp_directory_path() / ("morva-widl-" + std::to_string(getpid()) + ".tlb");
    const std::string command = "x86_64-w64-mingw32-widl -L " + comtest::winePath("") + " -t -o " + out + " " +
                                comtest::fixturePath("controls.idl") + " 2> /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const comtest::Bytes fresh = comtest::readFile(out);
    std::filesystem::remove(out);

    // widl stamps the time of compilation into the library, so the two are compared as
    // what they describe rather than byte by byte.
    auto rebuilt = TypeLibrary::load(fresh, "fresh.tlb", wineResolver());
    auto committed = TypeLibrary::load(comtest::readFile(comtest::fixturePath("controls.tlb")), "controls.tlb", wineResolver());
    ASSERT_TRUE(rebuilt) << rebuilt.message();
    ASSERT_TRUE(committed) << committed.message();
    EXPECT_EQ(dump::libraryText(**rebuilt), dump::libraryText(**committed));
}

} // namespace
