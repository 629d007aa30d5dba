#include "activex/NamingTables.h"

#include <gtest/gtest.h>

using namespace morva;

TEST(NamingTables, VariantTypeNames)
{
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "VT_EMPTY"}, {3, "VT_I4"}, {4, "4"}, {8, "VT_BSTR"}, {9, "VT_DISPATCH"}, {19, "VT_UI4"},
        {29, "VT_USERDEFINED"}, {72, "VT_CLSID"}, {4096, "VT_VECTOR"}, {8192, "VT_ARRAY"}, {1, "1"},
        {0x4008, "16392"}, {0x10008, "VT_BSTR"}, // only the low 16 bits count
    };
    for (const auto& [vt, text] : cases)
        EXPECT_EQ(VariantTypeName(vt), text) << vt;
}

TEST(NamingTables, CppTypeNames)
{
    const std::pair<uint32_t, const char*> cases[] = {
        {0, ""}, {1, ""}, {2, "short"}, {3, "long"}, {4, "float"}, {8, "CString"}, {9, "LPDISPATCH"},
        {11, "BOOL"}, {12, "VARIANT"}, {13, "LPUNKNOWN"}, {16, "BYTE"}, {17, "BYTE"}, {19, "UINT"},
        {21, "unsigned int64"}, {22, "int"}, {23, "UINT"}, {24, "void"}, {65, "BLOB"}, {72, "CLSID"},
        {8192, "VT_ARRAY"}, {0x4008, ""},
    };
    for (const auto& [vt, text] : cases)
        EXPECT_EQ(CppTypeName(vt), text) << vt;
}

TEST(NamingTables, VtsNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"short", "VTS_I2"}, {"USHORT", "VTS_I2"}, {"int", "VTS_I4"}, {"UINT", "VTS_I4"},
        {"long", "VTS_I4"}, {"COLORREF", "VTS_I4"}, {"float", "VTS_R4"}, {"LPCOLESTR", "VTS_WBSTR"},
        {"COleFont", "VTS_DISPATCH"}, {"LPDISPATCH", "VTS_DISPATCH"}, {"VARIANT_BOOL", "VTS_BOOL"},
        {"const VARIANT FAR&", "VTS_VARIANT"}, {"VARIANT*", "VTS_PVARIANT"}, {"LPUNKNOWN", "VTS_UNKNOWN"},
        {"CString", "VTS_BSTR"}, {"CString*", "VTS_BSTR"}, {"BYTE", "VTS_UI1"}, {"int*", "VTS_PI4"},
        {"short*", "VTS_PI2"}, {"BSTR*", "VTS_PBSTR"}, {"IDispatch**", "VTS_PDISPATCH"},
        {"IUnknown**", "VTS_PUNKNOWN"}, {"BYTE*", "VTS_PUI1"},
        {"Long", "\"\""}, {"", "\"\""}, {"Font", "\"\""}, {"long ", "\"\""},
    };
    for (const auto& [type, vts] : cases)
        EXPECT_EQ(VtsName(type), vts) << type;
}

TEST(NamingTables, DispIdNames)
{
    const std::pair<int32_t, const char*> cases[] = {
        {-728, "DISPID_AMBIENT_TRANSFERPRIORITY"}, {-727, "-727"}, {-701, "DISPID_AMBIENT_BACKCOLOR"},
        {-600, "DISPID_CLICK"}, {-552, "DISPID_ABOUTBOX"}, {-515, "DISPID_HWND"}, {-506, "-506"},
        {-501, "DISPID_BACKCOLOR"}, {-500, "DISPID_AUTOSIZE"}, {-499, "-499"}, {0, "0"}, {7, "7"},
    };
    for (const auto& [id, text] : cases)
        EXPECT_EQ(DispIdName(id), text) << id;
}
