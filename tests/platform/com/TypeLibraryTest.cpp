// The loader on a library compiled by widl from fixtures/controls.idl: every field the
// control walk reads, checked against what the IDL says.
#include "ComTestSupport.h"
#include "TypeLibraryDump.h"

#include "platform/com/FolderTypeLibraryResolver.h"
#include "platform/com/HResult.h"
#include "platform/com/StandardGuids.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"
#include "platform/com/TypeMatch.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Types of controls.tlb, in the order of the IDL.
enum Index : uint32_t { OleColor, Border, Extent, Number, Panel, Gauge, GaugeEvents, Helpers, GaugeClass, Locked, Count };

ComPtr<TypeLibrary> loadControls(std::shared_ptr<const TypeLibraryResolver> resolver = nullptr)
{
    auto lib = TypeLibrary::load(comtest::readFile(comtest::fixturePath("controls.tlb")), "controls.tlb", resolver);
    EXPECT_TRUE(lib) << lib.message();
    return lib ? *lib : nullptr;
}

std::shared_ptr<const TypeLibraryResolver> wineResolver()
{
    FileSystem fs;
    return std::make_shared<FolderTypeLibraryResolver>(fs, std::vector<std::string>{fs.toWindowsPath(comtest::winePath(""))});
}

ComPtr<TypeInfo> type(const ComPtr<TypeLibrary>& lib, uint32_t index)
{
    auto info = lib->typeInfo(index);
    EXPECT_TRUE(info) << info.message();
    return info ? *info : nullptr;
}

// The function of a type with a member id and invoke kind.
FuncDesc func(const TypeInfo& info, int32_t memberId, InvokeKind kind = InvokeKind::Func)
{
    for (uint32_t i = 0; i < info.typeAttributes().funcCount; ++i) {
        auto f = info.funcDesc(i);
        if (f && f->memberId == memberId && f->invokeKind == kind)
            return *f;
    }
    ADD_FAILURE() << "no function " << memberId;
    return {};
}

VarDesc var(const TypeInfo& info, int32_t memberId)
{
    for (uint32_t i = 0; i < info.typeAttributes().varCount; ++i) {
        auto v = info.varDesc(i);
        if (v && v->memberId == memberId)
            return *v;
    }
    ADD_FAILURE() << "no variable " << memberId;
    return {};
}

std::vector<std::string> names(const TypeInfo& info, int32_t memberId, size_t max = 10)
{
    auto n = info.names(memberId, max);
    return n ? *n : std::vector<std::string>{"error: " + n.message()};
}

TEST(TypeLibrary, LibraryDocumentationAndTypeKinds)
{
    auto lib = loadControls();
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->attributes().guid, Guid::parse("{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0001}"));
    EXPECT_EQ(lib->attributes().majorVersion, 2);
    EXPECT_EQ(lib->attributes().minorVersion, 1);
    EXPECT_EQ(lib->attributes().sysKind, SysKind::Win64);
    EXPECT_EQ(lib->documentation(MEMBERID_NIL).value(),
              (Documentation{"MorvaTestControls", "Morva test controls", 100, "controls.hlp"}));

    ASSERT_EQ(lib->typeInfoCount(), uint32_t(Count));
    const TypeKind kinds[] = {TypeKind::Alias,    TypeKind::Enum,     TypeKind::Record, TypeKind::Union,
                              TypeKind::Dispatch, TypeKind::Dispatch, TypeKind::Dispatch, TypeKind::Module,
                              TypeKind::Coclass,  TypeKind::Coclass};
    for (uint32_t i = 0; i < Count; ++i) {
        EXPECT_EQ(lib->typeInfoType(i).value(), kinds[i]) << i;
        EXPECT_EQ(type(lib, i)->typeAttributes().typeKind, kinds[i]) << i;
    }
    EXPECT_EQ(lib->documentation(Gauge)->name, "DGauge");
    EXPECT_EQ(lib->documentation(Gauge)->docString, "Gauge properties and methods");
    EXPECT_EQ(lib->typeInfoType(Count).code(), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(lib->typeInfo(Count).code(), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(lib->documentation(-2).code(), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ((*lib->typeInfoOfGuid(*Guid::parse("{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0022}")))->name(), "DGaugeEvents");
}

TEST(TypeLibrary, CoclassImplementedTypesWithFlagsAndReferences)
{
    auto lib = loadControls();
    ASSERT_TRUE(lib);
    struct Expected {
        uint32_t coclass;
        std::vector<std::pair<uint32_t, std::string>> impls;
    } cases[] = {
        {GaugeClass, {{ImplTypeFlags::Default, "DGauge"}, {ImplTypeFlags::Default | ImplTypeFlags::Source, "DGaugeEvents"}}},
        {Locked,
         {{ImplTypeFlags::Default | ImplTypeFlags::Restricted, "DGauge"},
          {ImplTypeFlags::Default | ImplTypeFlags::Source, "DGaugeEvents"},
          {ImplTypeFlags::Source, "DPanel"}}},
    };
    for (const Expected& c : cases) {
        auto coclass = type(lib, c.coclass);
        const TypeAttributes& a = coclass->typeAttributes();
        ASSERT_EQ(a.implTypeCount, c.impls.size());
        EXPECT_EQ(a.typeFlags, TypeFlags::CanCreate | TypeFlags::Control);
        for (uint32_t j = 0; j < a.implTypeCount; ++j) {
            EXPECT_EQ(coclass->implTypeFlags(j).value(), c.impls[j].first);
            auto ref = coclass->refTypeInfo(coclass->refTypeOfImplType(int32_t(j)).value());
            ASSERT_TRUE(ref) << ref.message();
            EXPECT_EQ((*ref)->name(), c.impls[j].second);
        }
        EXPECT_EQ(coclass->implTypeFlags(a.implTypeCount).code(), TYPE_E_ELEMENTNOTFOUND);
        EXPECT_EQ(coclass->refTypeOfImplType(int32_t(a.implTypeCount)).code(), TYPE_E_ELEMENTNOTFOUND);
        EXPECT_EQ(coclass->refTypeOfImplType(-1).code(), TYPE_E_ELEMENTNOTFOUND) << "not a dual interface";
    }
    EXPECT_EQ(type(lib, GaugeClass)->documentation(MEMBERID_NIL)->docString, "Gauge control");
    EXPECT_EQ(type(lib, GaugeClass)->typeAttributes().guid, Guid::parse("{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}"));
}

TEST(TypeLibrary, DispinterfacePropertiesAsVariables)
{
    auto lib = loadControls();
    ASSERT_TRUE(lib);
    auto gauge = type(lib, Gauge);
    const TypeAttributes& a = gauge->typeAttributes();
    EXPECT_EQ(a.varCount, 12);
    EXPECT_EQ(a.funcCount, 10);
    EXPECT_EQ(a.typeFlags, TypeFlags::Dispatchable);

    // Member id, name, variant type of each property in declaration order.
    const std::tuple<int32_t, const char*, uint16_t> props[] = {
        {0, "Caption", VT_BSTR},     {-501, "BackColor", VT_USERDEFINED}, {-504, "Border", VT_USERDEFINED},
        {-514, "Enabled", VT_BOOL},  {-515, "hWnd", VT_I4},               {3, "Ratio", VT_R8},
        {4, "Ticks", VT_I2},         {-512, "Font", VT_PTR},              {-523, "Picture", VT_PTR},
        {5, "Panel", VT_PTR},        {6, "Tag", VT_VARIANT},              {7, "Value", VT_I4},
    };
    for (uint32_t i = 0; i < a.varCount; ++i) {
        const VarDesc v = gauge->varDesc(i).value();
        const auto& [id, name, vt] = props[i];
        EXPECT_EQ(v.memberId, id) << name;
        EXPECT_EQ(v.varKind, VarKind::Dispatch) << name;
        EXPECT_EQ(v.type.type.vt, vt) << name;
        EXPECT_EQ(names(*gauge, id, 1), std::vector<std::string>{name});
    }
    EXPECT_EQ(gauge->varDesc(a.varCount).code(), TYPE_E_ELEMENTNOTFOUND);

    // OLE_COLOR: an alias of VT_UI4 in this library.
    const VarDesc backColor = var(*gauge, -501);
    auto color = gauge->refTypeInfo(backColor.type.type.hrefType).value();
    EXPECT_EQ(color->name(), "OLE_COLOR");
    EXPECT_EQ(color->typeAttributes().typeKind, TypeKind::Alias);
    EXPECT_EQ(color->typeAttributes().aliasType.vt, VT_UI4);
    EXPECT_EQ(color->typeAttributes().guid, Guid::parse("{66504301-BE0F-101A-8BBB-00AA00300CAB}"));

    // The enumeration: constants with their values, large and negative ones included.
    auto border = gauge->refTypeInfo(var(*gauge, -504).type.type.hrefType).value();
    EXPECT_EQ(border->name(), "BorderStyle");
    EXPECT_EQ(border->documentation(MEMBERID_NIL)->docString, "Border styles");
    const std::pair<const char*, int64_t> constants[] = {{"bsNone", 0}, {"bsSingle", 1}, {"bsSunken", -2}, {"bsWide", 100000000}};
    ASSERT_EQ(border->typeAttributes().varCount, 4);
    for (uint32_t i = 0; i < 4; ++i) {
        const VarDesc c = border->varDesc(i).value();
        EXPECT_EQ(c.varKind, VarKind::Const);
        EXPECT_EQ(c.type.type.vt, VT_INT) << "widl types enumeration constants as int";
        ASSERT_TRUE(c.value);
        EXPECT_EQ(c.value->integer(), constants[i].second) << constants[i].first;
        EXPECT_EQ(names(*border, c.memberId, 1), std::vector<std::string>{constants[i].first});
    }

    // A sub-object: a pointer to another dispinterface of the library.
    const VarDesc panel = var(*gauge, 5);
    ASSERT_EQ(panel.type.type.pointee().vt, VT_USERDEFINED);
    auto panelType = gauge->refTypeInfo(panel.type.type.pointee().hrefType).value();
    EXPECT_EQ(panelType->name(), "DPanel");
    EXPECT_EQ(panelType->index(), uint32_t(Panel));
    EXPECT_EQ(panelType->typeAttributes().typeFlags, TypeFlags::Dispatchable | TypeFlags::Hidden);
}

TEST(TypeLibrary, FunctionsWithParametersOptionalsDefaultsAndNames)
{
    auto lib = loadControls();
    ASSERT_TRUE(lib);
    auto gauge = type(lib, Gauge);

    const FuncDesc value = func(*gauge, 7, InvokeKind::PropertyGet);
    EXPECT_EQ(value.funcKind, FuncKind::Dispatch);
    EXPECT_EQ(value.result.type.vt, VT_I4);
    EXPECT_EQ(value.paramCount(), 0u);

    // A property get with parameters, the second one optional.
    const FuncDesc reading = func(*gauge, 8, InvokeKind::PropertyGet);
    ASSERT_EQ(reading.paramCount(), 2u);
    EXPECT_EQ(reading.optionalParamCount, 1);
    EXPECT_EQ(reading.result.type.vt, VT_I4);
    EXPECT_EQ(reading.params[0].type.vt, VT_I4);
    EXPECT_EQ(reading.params[0].paramFlags, ParamFlags::In);
    EXPECT_EQ(reading.params[1].type.vt, VT_VARIANT);
    EXPECT_EQ(reading.params[1].paramFlags, ParamFlags::In | ParamFlags::Optional);
    EXPECT_EQ(names(*gauge, 8), (std::vector<std::string>{"Reading", "index", "unit"}));
    EXPECT_EQ(names(*gauge, 8, 2), (std::vector<std::string>{"Reading", "index"}));
    EXPECT_EQ(gauge->documentation(8).value(), (Documentation{"Reading", "Reading at a point", 2008, "controls.hlp"}));
    const FuncDesc readingPut = func(*gauge, 8, InvokeKind::PropertyPut);
    EXPECT_EQ(readingPut.paramCount(), 3u);
    EXPECT_EQ(readingPut.result.type.vt, VT_VOID);

    // Optional and defaulted parameters, with their default values.
    const FuncDesc moveTo = func(*gauge, 9);
    ASSERT_EQ(moveTo.paramCount(), 4u);
    EXPECT_EQ(moveTo.optionalParamCount, 1);
    EXPECT_EQ(moveTo.result.type.vt, VT_VOID);
    EXPECT_FALSE(moveTo.params[1].defaultValue);
    const uint16_t defaulted = ParamFlags::In | ParamFlags::Optional | ParamFlags::HasDefault;
    EXPECT_EQ(moveTo.params[2].paramFlags, defaulted);
    ASSERT_TRUE(moveTo.params[2].defaultValue);
    EXPECT_EQ(*moveTo.params[2].defaultValue, Variant::fromInteger(VT_I4, 3));
    ASSERT_TRUE(moveTo.params[3].defaultValue);
    EXPECT_EQ(*moveTo.params[3].defaultValue, Variant::fromString("fast"));
    EXPECT_EQ(names(*gauge, 9), (std::vector<std::string>{"MoveTo", "position", "speed", "steps", "mode"}));
    EXPECT_EQ(gauge->documentation(9)->helpContext, 2009u);

    // By-reference and array parameters.
    const FuncDesc fill = func(*gauge, 10);
    EXPECT_EQ(fill.params[1].type.vt, VT_PTR);
    EXPECT_EQ(fill.params[1].type.pointee().vt, VT_BSTR);
    const FuncDesc take = func(*gauge, 13);
    EXPECT_EQ(take.params[0].type.vt, VT_SAFEARRAY);
    EXPECT_EQ(take.params[0].type.pointee().vt, VT_I4);
    EXPECT_EQ(take.params[1].type.vt, VT_PTR);
    EXPECT_EQ(take.params[1].type.pointee().vt, VT_VARIANT);
    EXPECT_EQ(take.params[1].paramFlags, ParamFlags::In | ParamFlags::Out);

    // Two pointer levels before an imported interface.
    const FuncDesc picture = func(*gauge, 12);
    EXPECT_EQ(picture.result.type.vt, VT_PTR);
    EXPECT_EQ(picture.result.type.pointee().vt, VT_PTR);
    EXPECT_EQ(picture.result.type.pointee().pointee().vt, VT_USERDEFINED);

    // A put-by-reference keeps its value parameter unnamed, so only the member is named.
    const FuncDesc image = func(*gauge, 14, InvokeKind::PropertyPutRef);
    EXPECT_EQ(image.paramCount(), 1u);
    EXPECT_EQ(names(*gauge, 14), std::vector<std::string>{"Image"});

    EXPECT_EQ(func(*gauge, -552).paramCount(), 0u);
    EXPECT_EQ(gauge->funcDesc(10).code(), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(gauge->names(12345, 5).code(), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(gauge->documentation(12345).code(), TYPE_E_ELEMENTNOTFOUND);

    // The event interface.
    auto events = type(lib, GaugeEvents);
    ASSERT_EQ(events->typeAttributes().funcCount, 3);
    EXPECT_EQ(events->funcDesc(0)->memberId, -600);
    EXPECT_EQ(names(*events, 1), (std::vector<std::string>{"Changed", "oldValue", "newValue"}));
    const FuncDesc limit = func(*events, 2);
    EXPECT_EQ(limit.params[0].type.vt, VT_PTR);
    EXPECT_EQ(limit.params[0].type.pointee().vt, VT_BOOL);
}

TEST(TypeLibrary, RecordsUnionsModulesAndDispatchBase)
{
    auto lib = loadControls();
    ASSERT_TRUE(lib);
    auto extent = type(lib, Extent);
    ASSERT_EQ(extent->typeAttributes().varCount, 4);
    const VarDesc grid = extent->varDesc(2).value();
    EXPECT_EQ(grid.varKind, VarKind::PerInstance);
    EXPECT_EQ(grid.type.type.vt, VT_CARRAY);
    EXPECT_EQ(grid.type.type.pointee().vt, VT_I2);
    EXPECT_EQ(grid.type.type.bounds, (std::vector<ArrayBound>{{4, 0}, {2, 0}}));
    EXPECT_EQ(extent->varDesc(1)->instanceOffset, 4u);

    auto number = type(lib, Number);
    EXPECT_EQ(number->typeAttributes().varCount, 2);
    EXPECT_EQ(number->varDesc(1)->type.type.vt, VT_R8);

    // A module's functions are static and name their DLL entry by name or ordinal.
    auto helpers = type(lib, Helpers);
    EXPECT_EQ(helpers->funcDesc(0)->funcKind, FuncKind::Static);
    EXPECT_EQ(helpers->funcDesc(0)->callConv, CallConv::StdCall);
    const TypeInfoData& data = lib->data().types[Helpers];
    EXPECT_TRUE(data.funcs[0].entryName) << "entry(\"GaugeVersion\") (widl stores the text \"#\")";
    EXPECT_FALSE(data.funcs[0].entryOrdinal);
    EXPECT_EQ(data.funcs[1].entryOrdinal, 7);
    EXPECT_FALSE(data.funcs[1].entryName);
    EXPECT_EQ(names(*helpers, helpers->funcDesc(1)->memberId), (std::vector<std::string>{"GaugeReset", "how"}));

    // A dispinterface derives from IDispatch, which lives in the imported stdole2; without a
    // resolver the reference fails with a message naming the missing library.
    auto gauge = type(lib, Gauge);
    EXPECT_EQ(gauge->typeAttributes().implTypeCount, 1);
    auto base = gauge->refTypeInfo(gauge->refTypeOfImplType(0).value());
    ASSERT_FALSE(base);
    EXPECT_EQ(base.code(), TYPE_E_CANTLOADLIBRARY);
    EXPECT_NE(base.message().find("stdole2.tlb"), std::string::npos) << base.message();
    EXPECT_NE(base.message().find("{00020430-0000-0000-C000-000000000046}"), std::string::npos) << base.message();
    EXPECT_EQ(lib->data().imports.size(), 1u);
}

TEST(TypeLibrary, ImportedFontAndPictureInterfacesMatchTheirGuids)
{
    if (!comtest::exists(comtest::winePath("stdole2.tlb")))
        GTEST_SKIP() << "Wine's stdole2.tlb is not installed (package libwine)";
    auto lib = loadControls(wineResolver());
    ASSERT_TRUE(lib);
    auto gauge = type(lib, Gauge);

    auto base = gauge->refTypeInfo(gauge->refTypeOfImplType(0).value());
    ASSERT_TRUE(base) << base.message();
    EXPECT_EQ((*base)->name(), "IDispatch");
    EXPECT_EQ((*base)->typeAttributes().guid, IID_IDispatch);
    EXPECT_EQ((*base)->containingTypeLibrary().documentation(MEMBERID_NIL)->name, "stdole");

    // stdole2 names its dispinterfaces Font and Picture; IFontDisp and IPictureDisp are
    // aliases of them, which is what a library that uses them refers to.
    const TypeDesc font = var(*gauge, -512).type.type;
    const TypeDesc picture = var(*gauge, -523).type.type;
    const std::tuple<TypeDesc, const char*, const char*, Guid> aliases[] = {
        {font, "IFontDisp", "Font", IID_IFontDisp}, {picture, "IPictureDisp", "Picture", IID_IPictureDisp}};
    for (const auto& [desc, aliasName, dispName, guid] : aliases) {
        auto alias = gauge->refTypeInfo(desc.pointee().hrefType);
        ASSERT_TRUE(alias) << alias.message();
        EXPECT_EQ((*alias)->name(), aliasName);
        EXPECT_EQ((*alias)->typeAttributes().typeKind, TypeKind::Alias);
        const TypeDesc& aliased = (*alias)->typeAttributes().aliasType;
        ASSERT_EQ(aliased.vt, VT_USERDEFINED);
        auto disp = (*alias)->refTypeInfo(aliased.hrefType);
        ASSERT_TRUE(disp) << disp.message();
        EXPECT_EQ((*disp)->name(), dispName);
        EXPECT_EQ((*disp)->typeAttributes().typeKind, TypeKind::Dispatch);
        EXPECT_EQ((*disp)->typeAttributes().guid, guid);
    }
    auto fontType = gauge->refTypeInfo(font.pointee().hrefType);

    struct Case {
        const char* what;
        TypeDesc type;
        bool font, picture;
    } cases[] = {
        {"IFontDisp*", font, true, false},
        {"IPictureDisp*", picture, false, true},
        {"IFontDisp", font.pointee(), true, false},
        {"IFontDisp* result", func(*gauge, 11).result.type, true, false},
        {"IPictureDisp** is two levels", func(*gauge, 12).result.type, false, false},
        {"DPanel*", var(*gauge, 5).type.type, false, false},
        {"OLE_COLOR", var(*gauge, -501).type.type, false, false},
        {"long", var(*gauge, 7).type.type, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TypeMatch::isFontDispatch(*gauge, c.type), c.font) << c.what;
        EXPECT_EQ(TypeMatch::isPictureDispatch(*gauge, c.type), c.picture) << c.what;
    }
    EXPECT_TRUE(TypeMatch::matchesGuid(*gauge, font, IID_IFontDisp, 1));
    EXPECT_FALSE(TypeMatch::matchesGuid(*gauge, font, IID_IFontDisp, 0));
    EXPECT_FALSE(TypeMatch::matchesGuid(*gauge, font, IID_IFontDisp, 2));
    EXPECT_TRUE(TypeMatch::matchesGuid(*gauge, var(*gauge, 5).type.type, *Guid::parse("{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0020}"), 1));

    // Matching in the alias's own library, through the alias type it holds.
    const TypeDesc& aliased = (*fontType)->typeAttributes().aliasType;
    EXPECT_TRUE(TypeMatch::isFontDispatch(**fontType, aliased));
    EXPECT_FALSE(TypeMatch::isPictureDispatch(**fontType, aliased));
}

TEST(TypeLibrary, ImportsAreLookedUpBesideTheLibraryAndMustCarryTheirGuid)
{
    if (!comtest::exists(comtest::winePath("stdole2.tlb")))
        GTEST_SKIP() << "Wine's stdole2.tlb is not installed (package libwine)";
    FileSystem fs;
    // Found beside the importing file, with no search folder.
    auto resolver = std::make_shared<FolderTypeLibraryResolver>(fs, std::vector<std::string>{});
    auto lib = TypeLibrary::load(comtest::readFile(comtest::fixturePath("controls.tlb")),
                                 fs.toWindowsPath(comtest::winePath("controls.tlb")), resolver);
    ASSERT_TRUE(lib);
    auto gauge = *(*lib)->typeInfo(Gauge);
    EXPECT_TRUE(gauge->refTypeInfo(*gauge->refTypeOfImplType(0)));

    // A file of that name holding another library is refused.
    auto elsewhere = TypeLibrary::load(comtest::readFile(comtest::fixturePath("controls.tlb")),
                                       fs.toWindowsPath(comtest::fixturePath("x.tlb")),
                                       std::make_shared<FolderTypeLibraryResolver>(fs, std::vector<std::string>{}));
    ASSERT_TRUE(elsewhere);
    auto g = *(*elsewhere)->typeInfo(Gauge);
    auto missing = g->refTypeInfo(*g->refTypeOfImplType(0));
    EXPECT_EQ(missing.code(), TYPE_E_CANTLOADLIBRARY);
    EXPECT_NE(missing.message().find("not found in the search path"), std::string::npos) << missing.message();
}

} // namespace
