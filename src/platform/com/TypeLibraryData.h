#pragma once

#include "platform/com/CustomData.h"
#include "platform/com/Documentation.h"
#include "platform/com/FuncDesc.h"
#include "platform/com/LibraryAttributes.h"
#include "platform/com/TypeAttributes.h"
#include "platform/com/VarDesc.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The whole content of a type library as the reader found it, checked and decoded; the
// library and type-info objects answer from it.
struct MemberData {
    std::string name;
    std::string docString;
    uint32_t helpContext = 0;
    uint32_t helpStringContext = 0;
    CustomData customData;
};

struct FuncData : MemberData {
    FuncDesc desc;
    // A parameter may be stored without a name (the value of a property put, say).
    std::vector<std::optional<std::string>> paramNames;
    std::vector<CustomData> paramCustomData;
    // A module function's DLL entry: a name, or an ordinal.
    std::optional<std::string> entryName;
    std::optional<uint16_t> entryOrdinal;
};

struct VarData : MemberData {
    VarDesc desc;
};

struct ImplTypeData {
    HRefType hrefType = 0;
    uint32_t flags = 0; // ImplTypeFlags
    CustomData customData;
};

struct TypeInfoData {
    TypeAttributes attributes;
    std::string name;
    std::string docString;
    uint32_t helpContext = 0;
    uint32_t helpStringContext = 0;
    CustomData customData;
    std::vector<FuncData> funcs;
    std::vector<VarData> vars;
    std::vector<ImplTypeData> implTypes;
};

// A library named by the import table, found by file name when one of its types is needed.
struct ImportedLibraryData {
    Guid guid;
    uint32_t lcid = 0;
    uint16_t majorVersion = 0;
    uint16_t minorVersion = 0;
    std::string fileName;
};

// A type of an imported library: by GUID, or by its index in that library.
struct ImportedTypeData {
    size_t library = 0; // index into TypeLibraryData::imports
    std::optional<Guid> guid;
    uint32_t index = 0;
};

struct TypeLibraryData {
    LibraryAttributes attributes;
    Documentation documentation;
    uint32_t helpStringContext = 0;
    CustomData customData;
    std::vector<TypeInfoData> types;
    std::vector<ImportedLibraryData> imports;
    std::map<HRefType, ImportedTypeData> importedTypes; // by the reference that names them
    std::optional<HRefType> dispatchHref;               // IDispatch, when the library refers to it
};

} // namespace platform
