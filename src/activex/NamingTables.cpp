#include "activex/NamingTables.h"

#include <span>

namespace morva {

namespace {

struct VtText {
    uint32_t vt;
    const char* text;
};

constexpr VtText kVariantTypeNames[] = {
    {0, "VT_EMPTY"}, {2, "VT_I2"}, {3, "VT_I4"}, {5, "VT_R8"}, {6, "VT_CY"}, {7, "VT_DATE"}, {8, "VT_BSTR"},
    {9, "VT_DISPATCH"}, {11, "VT_BOOL"}, {12, "VT_VARIANT"}, {13, "VT_UNKNOWN"}, {14, "VT_DECIMAL"}, {16, "VT_I1"},
    {17, "VT_UI1"}, {18, "VT_UI2"}, {19, "VT_UI4"}, {20, "VT_I8"}, {21, "VT_UI8"}, {22, "VT_INT"}, {23, "VT_UINT"},
    {24, "VT_VOID"}, {25, "VT_HRESULT"}, {26, "VT_PTR"}, {27, "VT_SAFEARRAY"}, {28, "VT_CARRAY"},
    {29, "VT_USERDEFINED"}, {30, "VT_LPSTR"}, {31, "VT_LPWSTR"}, {64, "VT_FILETIME"}, {65, "VT_BLOB"},
    {66, "VT_STREAM"}, {67, "VT_STORAGE"}, {68, "VT_STREAMED_OBJECT"}, {69, "VT_STORED_OBJECT"},
    {70, "VT_BLOB_OBJECT"}, {71, "VT_CF"}, {72, "VT_CLSID"}, {4096, "VT_VECTOR"}, {8192, "VT_ARRAY"},
};

constexpr VtText kCppTypeNames[] = {
    {2, "short"}, {3, "long"}, {4, "float"}, {5, "double"}, {6, "CY"}, {7, "DATE"}, {8, "CString"},
    {9, "LPDISPATCH"}, {11, "BOOL"}, {12, "VARIANT"}, {13, "LPUNKNOWN"}, {14, "DECIMAL"}, {16, "BYTE"},
    {17, "BYTE"}, {18, "USHORT"}, {19, "UINT"}, {20, "int64"}, {21, "unsigned int64"}, {22, "int"}, {23, "UINT"},
    {24, "void"}, {25, "HRESULT"}, {26, "VT_PTR"}, {27, "VT_SAFEARRAY"}, {28, "VT_CARRAY"},
    {29, "VT_USERDEFINED"}, {30, "VT_LPSTR"}, {31, "VT_LPWSTR"}, {64, "VT_FILETIME"}, {65, "BLOB"},
    {66, "VT_STREAM"}, {67, "VT_STORAGE"}, {68, "VT_STREAMED_OBJECT"}, {69, "VT_STORED_OBJECT"},
    {70, "VT_BLOB_OBJECT"}, {71, "VT_CF"}, {72, "CLSID"}, {4096, "VT_VECTOR"}, {8192, "VT_ARRAY"},
};

struct TypeVts {
    const char* type;
    const char* vts;
};

// "int" and "UINT" are 32-bit on the target, so they travel as VTS_I4: a 16-bit code would
// cut their values (and let a callee write only half of a pointed-to one).
constexpr TypeVts kVtsNames[] = {
    {"short", "VTS_I2"}, {"int", "VTS_I4"}, {"UINT", "VTS_I4"}, {"USHORT", "VTS_I2"},
    {"long", "VTS_I4"}, {"COLORREF", "VTS_I4"},
    {"float", "VTS_R4"}, {"double", "VTS_R8"}, {"CY", "VTS_CY"}, {"DATE", "VTS_DATE"},
    {"LPCOLESTR", "VTS_WBSTR"},
    {"COleFont", "VTS_DISPATCH"}, {"COlePicture", "VTS_DISPATCH"}, {"IDispatch*", "VTS_DISPATCH"},
    {"LPDISPATCH", "VTS_DISPATCH"},
    {"SCODE", "VTS_SCODE"}, {"BOOL", "VTS_BOOL"}, {"VARIANT_BOOL", "VTS_BOOL"},
    {"const VARIANT&", "VTS_VARIANT"}, {"VARIANT", "VTS_VARIANT"}, {"VARIANT&", "VTS_VARIANT"},
    {"const VARIANT FAR&", "VTS_VARIANT"},
    {"const VARIANT FAR&*", "VTS_PVARIANT"}, {"VARIANT*", "VTS_PVARIANT"},
    {"IUnknown*", "VTS_UNKNOWN"}, {"LPUNKNOWN", "VTS_UNKNOWN"},
    {"BSTR", "VTS_BSTR"}, {"CString", "VTS_BSTR"}, {"LPCSTR", "VTS_BSTR"}, {"CString*", "VTS_BSTR"},
    {"LPCSTR*", "VTS_BSTR"},
    {"BYTE", "VTS_UI1"},
    {"short*", "VTS_PI2"}, {"int*", "VTS_PI4"}, {"UINT*", "VTS_PI4"}, {"USHORT*", "VTS_PI2"},
    {"long*", "VTS_PI4"}, {"float*", "VTS_PR4"}, {"double*", "VTS_PR8"}, {"CY*", "VTS_PCY"},
    {"DATE*", "VTS_PDATE"}, {"BSTR*", "VTS_PBSTR"}, {"IDispatch**", "VTS_PDISPATCH"},
    {"LPDISPATCH*", "VTS_PDISPATCH"}, {"SCODE*", "VTS_PSCODE"}, {"BOOL*", "VTS_PBOOL"},
    {"VARIANT_BOOL*", "VTS_PBOOL"}, {"IUnknown**", "VTS_PUNKNOWN"}, {"BYTE*", "VTS_PUI1"},
};

struct DispIdText {
    int32_t id;
    const char* name;
};

constexpr DispIdText kDispIdNames[] = {
    {-728, "DISPID_AMBIENT_TRANSFERPRIORITY"}, {-726, "DISPID_AMBIENT_PALETTE"},
    {-716, "DISPID_AMBIENT_APPEARANCE"}, {-715, "DISPID_AMBIENT_AUTOCLIP"},
    {-714, "DISPID_AMBIENT_SUPPORTSMNEMONICS"}, {-713, "DISPID_AMBIENT_DISPLAYASDEFAULT"},
    {-712, "DISPID_AMBIENT_SHOWHATCHING"}, {-711, "DISPID_AMBIENT_SHOWGRABHANDLES"},
    {-710, "DISPID_AMBIENT_UIDEAD"}, {-709, "DISPID_AMBIENT_USERMODE"}, {-708, "DISPID_AMBIENT_TEXTALIGN"},
    {-707, "DISPID_AMBIENT_SCALEUNITS"}, {-706, "DISPID_AMBIENT_MESSAGEREFLECT"},
    {-705, "DISPID_AMBIENT_LOCALEID"}, {-704, "DISPID_AMBIENT_FORECOLOR"}, {-703, "DISPID_AMBIENT_FONT"},
    {-702, "DISPID_AMBIENT_DISPLAYNAME"}, {-701, "DISPID_AMBIENT_BACKCOLOR"},
    {-609, "DISPID_READYSTATECHANGE"}, {-608, "DISPID_ERROREVENT"}, {-607, "DISPID_MOUSEUP"},
    {-606, "DISPID_MOUSEMOVE"}, {-605, "DISPID_MOUSEDOWN"}, {-604, "DISPID_KEYUP"}, {-603, "DISPID_KEYPRESS"},
    {-602, "DISPID_KEYDOWN"}, {-601, "DISPID_DBLCLICK"}, {-600, "DISPID_CLICK"}, {-552, "DISPID_ABOUTBOX"},
    {-551, "DISPID_DOCLICK"}, {-550, "DISPID_REFRESH"}, {-525, "DISPID_READYSTATE"}, {-524, "DISPID_VALID"},
    {-523, "DISPID_PICTURE"}, {-522, "DISPID_MOUSEICON"}, {-521, "DISPID_MOUSEPOINTER"},
    {-520, "DISPID_APPEARANCE"}, {-519, "DISPID_BORDERVISIBLE"}, {-518, "DISPID_CAPTION"},
    {-517, "DISPID_TEXT"}, {-516, "DISPID_TABSTOP"}, {-515, "DISPID_HWND"}, {-514, "DISPID_ENABLED"},
    {-513, "DISPID_FORECOLOR"}, {-512, "DISPID_FONT"}, {-511, "DISPID_FILLSTYLE"}, {-510, "DISPID_FILLCOLOR"},
    {-509, "DISPID_DRAWWIDTH"}, {-508, "DISPID_DRAWSTYLE"}, {-507, "DISPID_DRAWMODE"},
    {-505, "DISPID_BORDERWIDTH"}, {-504, "DISPID_BORDERSTYLE"}, {-503, "DISPID_BORDERCOLOR"},
    {-502, "DISPID_BACKSTYLE"}, {-501, "DISPID_BACKCOLOR"}, {-500, "DISPID_AUTOSIZE"},
};

const char* Find(std::span<const VtText> table, uint32_t vt)
{
    for (const VtText& entry : table)
        if (entry.vt == vt)
            return entry.text;
    return nullptr;
}

} // namespace

std::string VariantTypeName(uint32_t vt)
{
    vt &= 0xFFFF;
    const char* text = Find(kVariantTypeNames, vt);
    return text ? text : std::to_string(vt);
}

std::string CppTypeName(uint32_t vt)
{
    const char* text = Find(kCppTypeNames, vt);
    return text ? text : "";
}

std::string VtsName(std::string_view cppType)
{
    for (const TypeVts& entry : kVtsNames)
        if (cppType == entry.type)
            return entry.vts;
    return "\"\"";
}

std::string DispIdName(int32_t dispId)
{
    for (const DispIdText& entry : kDispIdNames)
        if (entry.id == dispId)
            return entry.name;
    return std::to_string(dispId);
}

} // namespace morva
