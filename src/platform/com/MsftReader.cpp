#include "platform/com/MsftReader.h"

#include "platform/com/ByteView.h"
#include "platform/com/HResult.h"

#include <array>
#include <cstring>
#include <memory>
#include <set>

namespace platform {

namespace {

// The segments of the file, in the order of its segment directory.
enum Segment : int {
    TypeInfoTable = 0,
    ImportInfo,
    ImportFiles,
    ReferenceTable,
    GuidHash,
    GuidTable,
    NameHash,
    NameTable,
    StringTable,
    TypeDescTable,
    ArrayDescTable,
    CustomDataTable,
    CustomDataGuids,
    Reserved0E,
    Reserved0F,
    SegmentCount
};

constexpr const char* kSegmentNames[SegmentCount] = {
    "type-info table", "import table", "imported libraries", "reference table", "GUID hash",
    "GUID table", "name hash", "name table", "string table", "type descriptions",
    "array descriptions", "custom data", "custom data GUIDs", "reserved segment", "reserved segment",
};

constexpr uint32_t kHeaderSize = 0x54;
constexpr uint32_t kHelpDllFlag = 0x100;
constexpr uint32_t kTypeInfoSize = 0x64;
constexpr uint32_t kSegmentEntrySize = 16;
constexpr uint16_t kTypeMask = 0x0FFF;
constexpr uint32_t kImportIsGuid = 0x00010000;

// The fixed parts and optional fields of function and variable records.
constexpr uint32_t kFuncFixedSize = 24;
constexpr uint32_t kFuncHelpContext = 24;
constexpr uint32_t kFuncHelpString = 28;
constexpr uint32_t kFuncEntry = 32;
constexpr uint32_t kFuncHelpStringContext = 44;
constexpr uint32_t kFuncCustomData = 48;
constexpr uint32_t kFuncParamCustomData = 52;
constexpr uint32_t kParamInfoSize = 12;
constexpr uint32_t kFuncHasCustomData = 0x80;
constexpr uint32_t kFuncHasDefaults = 0x1000;
constexpr uint32_t kFuncEntryIsOrdinal = 0x2000;

constexpr uint32_t kVarFixedSize = 20;
constexpr uint32_t kVarHelpContext = 20;
constexpr uint32_t kVarHelpString = 24;
constexpr uint32_t kVarCustomData = 32;
constexpr uint32_t kVarHelpStringContext = 36;

// What the reader may build: so many units for each byte of the file, plus a base. One unit
// is one byte of text; a member, parameter or list entry costs kEntryCost.
constexpr uint64_t kBudgetPerByte = 64;
constexpr uint64_t kBudgetBase = 1 << 20;
constexpr uint64_t kEntryCost = 64;

struct SegmentRange {
    uint32_t offset = 0;
    uint32_t length = 0;
};

// Reads the whole library. Errors are sticky: the first failure is kept, every later read
// gives an empty value, and the callers stop at their next check of ok().
//
// Strings, members and lists may be shared by many owners (the compiler stores an identical
// string once), so a small file could describe a vast library; what the reader builds is
// charged against a budget proportional to the file's size instead.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes)
        : m_file(bytes), m_budget(uint64_t(bytes.size()) * kBudgetPerByte + kBudgetBase)
    {
    }

    Result<TypeLibraryData> run()
    {
        readHeader();
        if (ok())
            readImports();
        for (uint32_t i = 0; ok() && i < m_typeCount; ++i)
            readTypeInfo(i);
        if (!ok())
            return Status::failure(m_error, m_errorCode);
        return std::move(m_data);
    }

private:
    bool ok() const { return m_error.empty(); }

    void fail(const std::string& message, HResult code = TYPE_E_INVDATAREAD)
    {
        if (ok()) {
            m_error = "Damaged type library: " + message;
            m_errorCode = code;
            if (code == TYPE_E_UNSUPFORMAT)
                m_error = message;
        }
    }

    // Charges `units` against the budget; false (and a failure) once it is spent.
    bool charge(uint64_t units)
    {
        if (units > m_budget) {
            fail("the library refers to its data far more often than its size allows");
            m_budget = 0;
            return false;
        }
        m_budget -= units;
        return true;
    }

    uint32_t fileU32(uint64_t offset, const char* what)
    {
        const auto v = m_file.u32(offset);
        if (!v)
            fail(std::string(what) + " lies outside the file");
        return v.value_or(0);
    }

    // `length` bytes at `offset` of a segment, as a file offset; fails when they leave it.
    std::optional<uint64_t> inSegment(Segment s, int64_t offset, uint64_t length, const char* what)
    {
        const SegmentRange& r = m_segments[s];
        if (offset < 0 || uint64_t(offset) > r.length || length > r.length - uint64_t(offset)) {
            fail(std::string(what) + " at offset " + std::to_string(offset) + " lies outside the " + kSegmentNames[s]);
            return std::nullopt;
        }
        return uint64_t(r.offset) + uint64_t(offset);
    }

    uint32_t segU32(Segment s, int64_t offset, const char* what)
    {
        const auto at = inSegment(s, offset, 4, what);
        return at ? *m_file.u32(*at) : 0;
    }

    // --- header and tables ----------------------------------------------------------------

    void readHeader()
    {
        if (m_file.u32(0) != MsftReader::magic) {
            fail("The file is not a type library in the binary format", TYPE_E_UNSUPFORMAT);
            return;
        }
        if (!m_file.contains(0, kHeaderSize)) {
            fail("the header is truncated");
            return;
        }
        const uint32_t libGuid = *m_file.u32(0x08);
        m_data.attributes.lcid = *m_file.u32(0x0C);
        const uint32_t varFlags = *m_file.u32(0x14);
        const uint32_t version = *m_file.u32(0x18);
        const uint32_t flags = *m_file.u32(0x1C);
        const int32_t typeCount = int32_t(*m_file.u32(0x20));
        const uint32_t helpString = *m_file.u32(0x24);
        m_data.helpStringContext = *m_file.u32(0x28);
        m_data.documentation.helpContext = *m_file.u32(0x2C);
        const uint32_t nameOffset = *m_file.u32(0x38);
        const uint32_t helpFile = *m_file.u32(0x3C);
        const uint32_t customData = *m_file.u32(0x40);
        const int32_t dispatchPos = int32_t(*m_file.u32(0x4C));

        if (typeCount < 0) {
            fail("negative type count");
            return;
        }
        m_typeCount = uint32_t(typeCount);
        // An optional help-DLL name, then one offset per type, then the segment directory.
        uint64_t at = kHeaderSize + ((varFlags & kHelpDllFlag) ? 4 : 0) + uint64_t(m_typeCount) * 4;
        if (!m_file.contains(at, uint64_t(SegmentCount) * kSegmentEntrySize)) {
            fail("the segment directory lies outside the file");
            return;
        }
        for (int s = 0; s < SegmentCount; ++s, at += kSegmentEntrySize) {
            const int32_t offset = int32_t(*m_file.u32(at));
            const int32_t length = int32_t(*m_file.u32(at + 4));
            if (offset == -1 || length <= 0)
                continue; // absent or empty
            if (offset < 0 || !m_file.contains(uint32_t(offset), uint32_t(length))) {
                fail(std::string("the ") + kSegmentNames[s] + " lies outside the file");
                return;
            }
            m_segments[s] = {uint32_t(offset), uint32_t(length)};
        }
        if (uint64_t(m_typeCount) * kTypeInfoSize > m_segments[TypeInfoTable].length) {
            fail(std::to_string(m_typeCount) + " types do not fit in the type-info table");
            return;
        }

        m_data.attributes.guid = readGuid(int32_t(libGuid));
        m_data.attributes.sysKind = SysKind(varFlags & 0xF);
        if ((varFlags & 0xF) > uint32_t(SysKind::Win64))
            fail("unknown system kind " + std::to_string(varFlags & 0xF));
        m_data.attributes.majorVersion = uint16_t(version);
        m_data.attributes.minorVersion = uint16_t(version >> 16);
        m_data.attributes.libFlags = uint16_t(flags);
        m_data.documentation.name = readName(int32_t(nameOffset));
        m_data.documentation.docString = readString(int32_t(helpString));
        m_data.documentation.helpFile = readString(int32_t(helpFile));
        m_data.customData = readCustomData(int32_t(customData));
        if (dispatchPos != -1)
            m_data.dispatchHref = HRefType(dispatchPos);
    }

    std::string readName(int32_t offset)
    {
        if (offset < 0)
            return {};
        const auto intro = inSegment(NameTable, offset, 12, "a name");
        if (!intro)
            return {};
        const uint32_t length = *m_file.u32(*intro + 8) & 0xFF;
        const auto chars = inSegment(NameTable, int64_t(offset) + 12, length, "a name");
        return chars && charge(length) ? *m_file.text(*chars, length) : std::string();
    }

    std::string readString(int32_t offset)
    {
        if (offset < 0)
            return {};
        const auto head = inSegment(StringTable, offset, 2, "a string");
        if (!head)
            return {};
        const uint16_t length = *m_file.u16(*head);
        const auto chars = inSegment(StringTable, int64_t(offset) + 2, length, "a string");
        return chars && charge(length) ? *m_file.text(*chars, length) : std::string();
    }

    Guid readGuid(int32_t offset)
    {
        if (offset < 0)
            return {};
        const auto at = inSegment(GuidTable, offset, 16, "a GUID");
        return at ? Guid::fromBytes(m_file.bytes().data() + *at) : Guid{};
    }

    // A value stored in the custom-data segment, or packed into the offset itself.
    Variant readValue(int32_t encoded)
    {
        if (encoded < 0) {
            const uint16_t vt = uint16_t((uint32_t(encoded) & 0x7C000000) >> 26);
            const int64_t value = int64_t(uint32_t(encoded) & 0x03FFFFFF);
            return vt == VT_BOOL ? Variant::fromBool(value != 0) : Variant::fromInteger(vt, value);
        }
        const auto head = inSegment(CustomDataTable, encoded, 2, "a value");
        if (!head)
            return {};
        const uint16_t vt = *m_file.u16(*head);
        const int64_t data = int64_t(encoded) + 2;
        const auto bytesOf = [&](uint64_t n) -> std::optional<uint64_t> { return inSegment(CustomDataTable, data, n, "a value"); };
        switch (vt) {
        case VT_EMPTY:
        case VT_NULL:
            return Variant::fromInteger(vt, 0);
        case VT_I1: case VT_I2: case VT_I4: case VT_INT: case VT_ERROR: case VT_HRESULT: {
            const auto at = bytesOf(4);
            if (!at)
                return {};
            const uint32_t raw = *m_file.u32(*at);
            const int64_t v = vt == VT_I1 ? int8_t(raw) : vt == VT_I2 ? int16_t(raw) : int32_t(raw);
            return Variant::fromInteger(vt, v);
        }
        case VT_UI1: case VT_UI2: case VT_UI4: case VT_UINT: {
            const auto at = bytesOf(4);
            if (!at)
                return {};
            const uint32_t raw = *m_file.u32(*at);
            const int64_t v = vt == VT_UI1 ? uint8_t(raw) : vt == VT_UI2 ? uint16_t(raw) : raw;
            return Variant::fromInteger(vt, v);
        }
        case VT_BOOL: {
            const auto at = bytesOf(4);
            return at ? Variant::fromBool(int16_t(*m_file.u32(*at)) != 0) : Variant();
        }
        case VT_R4: {
            const auto at = bytesOf(4);
            if (!at)
                return {};
            const uint32_t raw = *m_file.u32(*at);
            float f;
            std::memcpy(&f, &raw, sizeof f);
            return Variant::fromDouble(vt, f);
        }
        case VT_R8: case VT_DATE: {
            const auto at = bytesOf(8);
            if (!at)
                return {};
            const uint64_t raw = *m_file.u64(*at);
            double d;
            std::memcpy(&d, &raw, sizeof d);
            return Variant::fromDouble(vt, d);
        }
        case VT_CY: case VT_I8: case VT_UI8: {
            const auto at = bytesOf(8);
            return at ? Variant::fromInteger(vt, int64_t(*m_file.u64(*at))) : Variant();
        }
        case VT_BSTR: {
            const auto at = bytesOf(4);
            if (!at)
                return {};
            const int32_t length = int32_t(*m_file.u32(*at));
            if (length < 0)
                return Variant::fromString({});
            const auto chars = inSegment(CustomDataTable, data + 4, uint32_t(length), "a string value");
            return chars && charge(uint32_t(length)) ? Variant::fromString(*m_file.text(*chars, uint32_t(length))) : Variant();
        }
        default:
            // A kind of value this layer does not hold; the type is kept, the value left empty.
            return Variant::fromInteger(vt, 0);
        }
    }

    CustomData readCustomData(int32_t offset)
    {
        CustomData items;
        // Each entry is 12 bytes, so a chain longer than the segment can hold has a loop.
        const uint32_t limit = m_segments[CustomDataGuids].length / 12;
        for (uint32_t steps = 0; ok() && offset >= 0; ++steps) {
            if (steps >= limit) {
                fail("the custom data chain loops");
                break;
            }
            const auto at = inSegment(CustomDataGuids, offset, 12, "a custom data entry");
            if (!at)
                break;
            const int32_t guid = int32_t(*m_file.u32(*at));
            const int32_t value = int32_t(*m_file.u32(*at + 4));
            offset = int32_t(*m_file.u32(*at + 8));
            if (!charge(kEntryCost))
                break;
            items.push_back({readGuid(guid), readValue(value)});
        }
        return items;
    }

    std::shared_ptr<const TypeDesc> decodeType(int32_t encoded, int depth = 0)
    {
        if (depth > MsftReader::maxTypeDepth) {
            fail("type descriptions nest too deeply or refer to themselves");
            return std::make_shared<TypeDesc>();
        }
        if (encoded < 0) {
            auto base = std::make_shared<TypeDesc>();
            base->vt = uint16_t(uint32_t(encoded) & kTypeMask);
            return base;
        }
        if (const auto it = m_typeCache.find(encoded); it != m_typeCache.end())
            return it->second;
        if (encoded % 8 != 0) {
            fail("a type description at offset " + std::to_string(encoded) + " is not aligned");
            return std::make_shared<TypeDesc>();
        }
        const auto at = inSegment(TypeDescTable, encoded, 8, "a type description");
        if (!at)
            return std::make_shared<TypeDesc>();
        auto desc = std::make_shared<TypeDesc>();
        desc->vt = uint16_t(*m_file.u32(*at) & kTypeMask);
        const int32_t target = int32_t(*m_file.u32(*at + 4));
        switch (desc->vt) {
        case VT_PTR:
        case VT_SAFEARRAY:
            desc->target = decodeType(target, depth + 1);
            break;
        case VT_CARRAY:
            readArray(*desc, target, depth);
            break;
        case VT_USERDEFINED:
            desc->hrefType = HRefType(target);
            break;
        default:
            break;
        }
        if (ok())
            m_typeCache.emplace(encoded, desc);
        return desc;
    }

    void readArray(TypeDesc& desc, int32_t offset, int depth)
    {
        const auto head = inSegment(ArrayDescTable, offset, 8, "an array description");
        if (!head)
            return;
        const int32_t element = int32_t(*m_file.u32(*head));
        const uint16_t dimensions = *m_file.u16(*head + 4);
        const auto bounds = inSegment(ArrayDescTable, int64_t(offset) + 8, uint64_t(dimensions) * 8, "array bounds");
        if (!bounds || !charge(uint64_t(dimensions) * 8))
            return;
        desc.target = decodeType(element, depth + 1);
        desc.bounds.reserve(dimensions);
        for (uint32_t d = 0; d < dimensions; ++d)
            desc.bounds.push_back({*m_file.u32(*bounds + d * 8), int32_t(*m_file.u32(*bounds + d * 8 + 4))});
    }

    // --- imports ---------------------------------------------------------------------------

    void readImports()
    {
        const uint32_t length = m_segments[ImportInfo].length;
        std::map<int32_t, size_t> libraryAt; // import-file offset -> index in imports
        for (uint32_t offset = 0; ok() && offset + 12 <= length; offset += 12) {
            const uint64_t at = m_segments[ImportInfo].offset + uint64_t(offset);
            const uint32_t flags = *m_file.u32(at);
            const int32_t file = int32_t(*m_file.u32(at + 4));
            const int32_t target = int32_t(*m_file.u32(at + 8));
            auto found = libraryAt.find(file);
            if (found == libraryAt.end()) {
                const size_t index = readImportFile(file);
                if (!ok())
                    return;
                found = libraryAt.emplace(file, index).first;
            }
            ImportedTypeData type;
            type.library = found->second;
            if (flags & kImportIsGuid)
                type.guid = readGuid(target);
            else
                type.index = uint32_t(target);
            // A reference names an import entry by its offset with the low bit set.
            m_data.importedTypes.emplace(HRefType(offset) | 1, type);
        }
    }

    size_t readImportFile(int32_t offset)
    {
        const auto at = inSegment(ImportFiles, offset, 14, "an imported library");
        if (!at)
            return 0;
        ImportedLibraryData library;
        library.guid = readGuid(int32_t(*m_file.u32(*at)));
        library.lcid = *m_file.u32(*at + 4);
        const uint32_t version = *m_file.u32(*at + 8);
        library.majorVersion = uint16_t(version);
        library.minorVersion = uint16_t(version >> 16);
        const uint32_t nameLength = *m_file.u16(*at + 12) >> 2;
        const auto name = inSegment(ImportFiles, int64_t(offset) + 14, nameLength, "an imported library's name");
        if (name)
            library.fileName = *m_file.text(*name, nameLength);
        m_data.imports.push_back(std::move(library));
        return m_data.imports.size() - 1;
    }

    // --- types and members -----------------------------------------------------------------

    void readTypeInfo(uint32_t index)
    {
        const uint64_t base = m_segments[TypeInfoTable].offset + uint64_t(index) * kTypeInfoSize;
        const auto u32 = [&](uint32_t field) { return *m_file.u32(base + field); };
        const auto i32 = [&](uint32_t field) { return int32_t(*m_file.u32(base + field)); };
        TypeInfoData type;
        TypeAttributes& a = type.attributes;

        const uint32_t kind = u32(0x00);
        if ((kind & 0xF) > uint32_t(TypeKind::Union)) {
            fail("type " + std::to_string(index) + " has the unknown kind " + std::to_string(kind & 0xF));
            return;
        }
        a.typeKind = TypeKind(kind & 0xF);
        a.alignment = uint16_t((kind >> 11) & 0x1F);
        const int32_t members = i32(0x04);
        const uint32_t elements = u32(0x18);
        a.funcCount = uint16_t(elements);
        a.varCount = uint16_t(elements >> 16);
        a.guid = readGuid(i32(0x2C));
        a.typeFlags = uint16_t(u32(0x30));
        type.name = readName(i32(0x34));
        const uint32_t version = u32(0x38);
        a.majorVersion = uint16_t(version);
        a.minorVersion = uint16_t(version >> 16);
        type.docString = readString(i32(0x3C));
        type.helpStringContext = u32(0x40);
        type.helpContext = u32(0x44);
        type.customData = readCustomData(i32(0x48));
        a.implTypeCount = uint16_t(*m_file.u16(base + 0x4C));
        a.vtableSize = uint16_t(*m_file.u16(base + 0x4E));
        a.instanceSize = u32(0x50);
        a.lcid = m_data.attributes.lcid;
        const int32_t datatype1 = i32(0x54);
        if (!ok())
            return;

        if (a.typeKind == TypeKind::Alias)
            a.aliasType = *decodeType(datatype1);
        readImplTypes(type, datatype1);
        if (ok() && (a.funcCount || a.varCount))
            readMembers(type, members, index);
        m_data.types.push_back(std::move(type));
    }

    void readImplTypes(TypeInfoData& type, int32_t datatype1)
    {
        const uint16_t count = type.attributes.implTypeCount;
        if (count == 0)
            return;
        if (type.attributes.typeKind != TypeKind::Coclass) {
            // Interfaces name their base directly; a dispinterface may leave it out, in which
            // case its base is IDispatch.
            if (datatype1 != -1)
                type.implTypes.push_back({HRefType(datatype1), 0, {}});
            return;
        }
        int32_t offset = datatype1;
        for (uint32_t j = 0; ok() && j < count; ++j) {
            const auto at = inSegment(ReferenceTable, offset, 16, "an implemented type");
            if (!at)
                return;
            if (!charge(kEntryCost))
                return;
            ImplTypeData impl;
            impl.hrefType = *m_file.u32(*at);
            impl.flags = *m_file.u32(*at + 4);
            impl.customData = readCustomData(int32_t(*m_file.u32(*at + 8)));
            offset = int32_t(*m_file.u32(*at + 12));
            type.implTypes.push_back(std::move(impl));
        }
    }

    // The member block: a length, the records, then one member id, one name offset and one
    // record offset per member (functions first, then variables).
    void readMembers(TypeInfoData& type, int32_t offset, uint32_t index)
    {
        const uint32_t funcs = type.attributes.funcCount;
        const uint32_t vars = type.attributes.varCount;
        const uint32_t count = funcs + vars;
        const std::string where = "the members of type " + std::to_string(index);
        if (offset < 0) {
            fail(where + " are missing");
            return;
        }
        const uint32_t infoLength = fileU32(uint32_t(offset), where.c_str());
        if (!charge(uint64_t(count) * kEntryCost))
            return;
        const uint64_t records = uint64_t(offset) + 4;
        const uint64_t tables = records + infoLength;
        if (!ok() || !m_file.contains(tables, uint64_t(count) * 12)) {
            fail(where + " lie outside the file");
            return;
        }
        m_records = ByteView(*m_file.slice(records, infoLength));
        const auto memberId = [&](uint32_t i) { return int32_t(*m_file.u32(tables + uint64_t(i) * 4)); };
        const auto nameOffset = [&](uint32_t i) { return int32_t(*m_file.u32(tables + uint64_t(count + i) * 4)); };
        const auto recordOffset = [&](uint32_t i) { return *m_file.u32(tables + uint64_t(2 * count + i) * 4); };

        type.funcs.reserve(funcs);
        uint64_t at = 0;
        for (uint32_t i = 0; ok() && i < funcs; ++i) {
            FuncData func;
            const uint32_t length = readFunc(func, at, where);
            if (!ok())
                return;
            func.desc.memberId = memberId(i);
            const int32_t name = nameOffset(i);
            // The second half of a get/put pair may leave its name out: it is the first half's.
            if (name == -1 && i > 0 && isProperty(func.desc.invokeKind) && isProperty(type.funcs.back().desc.invokeKind))
                func.name = type.funcs.back().name;
            else
                func.name = readName(name);
            type.funcs.push_back(std::move(func));
            at += length;
        }
        if (vars)
            at = recordOffset(funcs);
        type.vars.reserve(vars);
        for (uint32_t i = 0; ok() && i < vars; ++i) {
            VarData var;
            const uint32_t length = readVar(var, at, where);
            if (!ok())
                return;
            var.desc.memberId = memberId(funcs + i);
            var.name = readName(nameOffset(funcs + i));
            type.vars.push_back(std::move(var));
            at += length;
        }
    }

    static bool isProperty(InvokeKind k) { return k != InvokeKind::Func; }

    // Reads the function record at `at` within the member block; gives its length.
    uint32_t readFunc(FuncData& func, uint64_t at, const std::string& where)
    {
        const auto head = m_records.u32(at);
        const uint32_t length = head.value_or(0) & 0xFFFF;
        if (!head || length < kFuncFixedSize || !m_records.contains(at, length)) {
            fail("a function record of " + where + " lies outside its block");
            return 0;
        }
        const ByteView r(*m_records.slice(at, length));
        const int32_t dataType = int32_t(*r.u32(4));
        const uint32_t flags = *r.u32(8);
        const int16_t vtableOffset = *r.i16(12);
        const uint32_t bits = *r.u32(16);
        const int16_t paramCount = *r.i16(20);
        const int16_t optionalCount = *r.i16(22);
        if (paramCount < 0) {
            fail("a function of " + where + " has a negative parameter count");
            return 0;
        }
        const bool hasDefaults = bits & kFuncHasDefaults;
        const uint64_t paramBytes = uint64_t(paramCount) * (kParamInfoSize + (hasDefaults ? 4 : 0));
        if (paramBytes > length - kFuncFixedSize) {
            fail("the parameters of a function of " + where + " do not fit in its record");
            return 0;
        }
        if (!charge(uint64_t(paramCount) * kEntryCost))
            return 0;
        // The optional fields present are those that fit before the parameter data.
        const uint32_t fixedEnd = uint32_t(length - paramBytes);
        const auto field = [&](uint32_t offset) -> std::optional<int32_t> {
            return fixedEnd > offset ? std::optional<int32_t>(int32_t(*r.u32(offset))) : std::nullopt;
        };

        FuncDesc& d = func.desc;
        d.funcKind = FuncKind(bits & 0x7);
        d.invokeKind = InvokeKind((bits >> 3) & 0xF);
        d.callConv = CallConv((bits >> 8) & 0xF);
        d.vtableOffset = int16_t(vtableOffset & ~1);
        d.funcFlags = uint16_t(flags);
        d.optionalParamCount = optionalCount;
        if ((bits & 0x7) > uint32_t(FuncKind::Dispatch) || !validInvokeKind((bits >> 3) & 0xF) ||
            ((bits >> 8) & 0xF) > uint32_t(CallConv::MpwPascal)) {
            fail("a function of " + where + " has unknown kinds");
            return 0;
        }
        // -1 marks a function whose last parameter takes a variable number of arguments.
        if (optionalCount < -1 || optionalCount > paramCount) {
            fail("a function of " + where + " has more optional parameters than parameters");
            return 0;
        }
        d.result.type = *decodeType(dataType);
        if (auto v = field(kFuncHelpContext))
            func.helpContext = uint32_t(*v);
        if (auto v = field(kFuncHelpString))
            func.docString = readString(*v);
        if (auto v = field(kFuncEntry)) {
            if (bits & kFuncEntryIsOrdinal)
                func.entryOrdinal = uint16_t(*v);
            else if (*v != -1)
                func.entryName = readString(*v);
        }
        if (auto v = field(kFuncHelpStringContext))
            func.helpStringContext = uint32_t(*v);
        const bool hasCustomData = bits & kFuncHasCustomData;
        if (auto v = field(kFuncCustomData); v && hasCustomData)
            func.customData = readCustomData(*v);

        const uint64_t defaults = fixedEnd;
        const uint64_t params = length - uint64_t(paramCount) * kParamInfoSize;
        d.params.resize(size_t(paramCount));
        func.paramNames.resize(size_t(paramCount));
        func.paramCustomData.resize(size_t(paramCount));
        for (int32_t j = 0; ok() && j < paramCount; ++j) {
            const uint64_t p = params + uint64_t(j) * kParamInfoSize;
            ElemDesc& e = d.params[size_t(j)];
            e.type = *decodeType(int32_t(*r.u32(p)));
            if (const int32_t name = int32_t(*r.u32(p + 4)); name != -1)
                func.paramNames[size_t(j)] = readName(name);
            e.paramFlags = uint16_t(*r.u32(p + 8));
            if (hasDefaults && (e.paramFlags & ParamFlags::HasDefault))
                e.defaultValue = readValue(int32_t(*r.u32(defaults + uint64_t(j) * 4)));
            if (auto v = field(kFuncParamCustomData + uint32_t(j) * 4); v && hasCustomData)
                func.paramCustomData[size_t(j)] = readCustomData(*v);
        }
        return length;
    }

    static bool validInvokeKind(uint32_t k) { return k == 1 || k == 2 || k == 4 || k == 8; }

    uint32_t readVar(VarData& var, uint64_t at, const std::string& where)
    {
        const auto head = m_records.u32(at);
        const uint32_t length = head.value_or(0) & 0xFF;
        if (!head || length < kVarFixedSize || !m_records.contains(at, length)) {
            fail("a variable record of " + where + " lies outside its block");
            return 0;
        }
        const ByteView r(*m_records.slice(at, length));
        const auto field = [&](uint32_t offset) -> std::optional<int32_t> {
            return length > offset ? std::optional<int32_t>(int32_t(*r.u32(offset))) : std::nullopt;
        };
        VarDesc& d = var.desc;
        d.type.type = *decodeType(int32_t(*r.u32(4)));
        d.varFlags = uint16_t(*r.u32(8));
        const uint16_t kind = *r.u16(12);
        if (kind > uint16_t(VarKind::Dispatch)) {
            fail("a variable of " + where + " has the unknown kind " + std::to_string(kind));
            return 0;
        }
        d.varKind = VarKind(kind);
        const int32_t value = int32_t(*r.u32(16));
        if (d.varKind == VarKind::Const)
            d.value = readValue(value);
        else
            d.instanceOffset = uint32_t(value);
        if (auto v = field(kVarHelpContext))
            var.helpContext = uint32_t(*v);
        if (auto v = field(kVarHelpString))
            var.docString = readString(*v);
        if (auto v = field(kVarCustomData))
            var.customData = readCustomData(*v);
        if (auto v = field(kVarHelpStringContext))
            var.helpStringContext = uint32_t(*v);
        return length;
    }

    ByteView m_file;
    std::array<SegmentRange, SegmentCount> m_segments{};
    uint32_t m_typeCount = 0;
    ByteView m_records; // the member block being read
    std::map<int32_t, std::shared_ptr<const TypeDesc>> m_typeCache;
    TypeLibraryData m_data;
    uint64_t m_budget;
    std::string m_error;
    HResult m_errorCode = S_OK;
};

} // namespace

Result<TypeLibraryData> MsftReader::read(std::span<const uint8_t> bytes)
{
    return Reader(bytes).run();
}

} // namespace platform
