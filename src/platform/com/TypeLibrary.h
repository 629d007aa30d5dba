#pragma once

#include "platform/base/Result.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Documentation.h"
#include "platform/com/LibraryAttributes.h"
#include "platform/com/TypeLibraryData.h"
#include "platform/com/TypeLibraryResolver.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

namespace platform {

class FileSystem;
class TypeInfo;

inline constexpr Guid IID_ITypeLib{0x00020402, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// A loaded type library: the types it describes and its own documentation. The library is
// read and checked whole when it is loaded; its type infos keep it alive.
class TypeLibrary : public virtual ComObject {
public:
    static constexpr const Guid& iid = IID_ITypeLib;
    // The TYPELIB resource that holds a module's library unless a path names another.
    static constexpr uint16_t defaultResourceId = 1;

    // Reads a library from the bytes of a .tlb file, or from the TYPELIB resource
    // `resourceId` of a Windows module (.dll, .ocx). `path` names the file for messages and
    // for finding imported libraries beside it; `resolver` finds imported libraries (none:
    // references into them fail with TYPE_E_CANTLOADLIBRARY).
    static Result<ComPtr<TypeLibrary>> load(std::span<const uint8_t> bytes, std::string path = {},
                                            std::shared_ptr<const TypeLibraryResolver> resolver = nullptr,
                                            uint16_t resourceId = defaultResourceId);
    // Reads the file at a Windows path. A path whose last component is a number and which
    // does not name a file itself selects that TYPELIB resource of the module before it
    // ("Z:\x\ctl.ocx\2"). A missing or unreadable file gives TYPE_E_CANTLOADLIBRARY.
    static Result<ComPtr<TypeLibrary>> loadFile(const FileSystem& fileSystem, std::string_view path,
                                                std::shared_ptr<const TypeLibraryResolver> resolver = nullptr);

    uint32_t typeInfoCount() const { return uint32_t(m_data->types.size()); }
    Result<TypeKind> typeInfoType(uint32_t index) const;
    // Type `index`; a dual interface comes in its dispinterface view.
    Result<ComPtr<TypeInfo>> typeInfo(uint32_t index) const;
    Result<ComPtr<TypeInfo>> typeInfoOfGuid(const Guid& guid) const;
    // The library's documentation for index -1 (MEMBERID_NIL), else that of type `index`.
    Result<Documentation> documentation(int32_t index) const;
    const LibraryAttributes& attributes() const { return m_data->attributes; }
    const CustomData& customData() const { return m_data->customData; }
    const std::string& path() const { return m_path; }
    const TypeLibraryData& data() const { return *m_data; }

    // The type a reference made inside this library names: one of its own (an offset into
    // its type table) or one of an imported library.
    Result<ComPtr<TypeInfo>> typeInfoOfReference(HRefType hrefType) const;
    // Where a reference made inside this library leads: the library that holds the type
    // (this one or an imported one) and the type's index there. Builds no view of it.
    struct TypeLocation {
        ComPtr<const TypeLibrary> library;
        uint32_t index = 0;
    };
    Result<TypeLocation> locateReference(HRefType hrefType) const;
    // The type a reference into an imported library names, loading that library through
    // the resolver the first time.
    Result<ComPtr<TypeInfo>> importedTypeInfo(HRefType hrefType) const;

    // Type `index` in a given view; for the views of a dual interface, the type must be one.
    Result<ComPtr<TypeInfo>> typeInfoView(uint32_t index, TypeInfoView view) const;

protected:
    void* interfaceFor(const Guid& requested) override;

private:
    TypeLibrary(TypeLibraryData data, std::string path, std::shared_ptr<const TypeLibraryResolver> resolver);
    friend ComPtr<TypeLibrary> makeTypeLibrary(TypeLibraryData, std::string, std::shared_ptr<const TypeLibraryResolver>);

    std::shared_ptr<const TypeLibraryData> m_data;
    std::string m_path;
    std::shared_ptr<const TypeLibraryResolver> m_resolver;
    // Imported libraries loaded so far, by their index in the import table.
    mutable std::mutex m_importsMutex;
    mutable std::map<size_t, ComPtr<TypeLibrary>> m_imports;
};

} // namespace platform
