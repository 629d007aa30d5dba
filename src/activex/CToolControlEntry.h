#pragma once

#include "activex/CXDispInterface.h"
#include "model/IActiveXControlEntry.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ModuleBitmap.h"
#include "platform/com/TypeLibrary.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class FileSystem;
class TypeLibraryResolver;
} // namespace platform

namespace morva {

class CArchiveReader;
class CArchiveWriter;

// One installed ActiveX control: its registration, its toolbox bitmap and the dispatch model
// read from its type library.
class CToolControlEntry : public IActiveXControlEntry {
public:
    // Toolbox bitmaps keep at most this many bytes of pixels in the data file.
    static constexpr size_t kMaxStoredBitmapBytes = 1000;
    // A stored record's smallest size: five empty strings, the insertable flag, the bitmap
    // block without bits and the interface count.
    static constexpr size_t kMinStoredSize = 5 + 2 + 5 * 4 + 4;

    CToolControlEntry() = default;
    CToolControlEntry(const CToolControlEntry&) = delete;
    CToolControlEntry& operator=(const CToolControlEntry&) = delete;

    void Serialize(CArchiveWriter& archive) const;
    // Reads one record (bitmap recreated from its block); false on damaged or short data.
    bool Serialize(CArchiveReader& archive);

    // Loads the type library of the server file and builds the dispatch model; with
    // `walkAll` the sub-object interfaces found are read too. On failure the interfaces read
    // so far stay.
    bool ReadTypeLibrary(const platform::FileSystem& fileSystem,
                         std::shared_ptr<const platform::TypeLibraryResolver> resolver, bool walkAll);
    // The same walk on a library already loaded.
    bool ReadTypeLibrary(platform::ComPtr<platform::TypeLibrary> library, bool walkAll);

    CXDispInterface* GetDefaultInterface() const;
    CXDispInterface* GetDefaultEventInterface() const;
    CXDispInterface* FindInterface(const std::string& name) const;
    bool HasPropertyOfType(const std::string& typeText) const;

    // IActiveXControlEntry
    std::string GetProgId() const override { return m_strProgId; }
    std::vector<const DispatchPropertyInfo*> GetDefaultProperties() const override;
    std::vector<const DispatchMemberInfo*> GetDefaultMethods() const override;
    std::vector<const DispatchMemberInfo*> GetDefaultEvents() const override;
    bool NamesDispatchInterface(const std::string& typeText) const override;

    std::string m_strName;
    std::string m_strServerPath;
    std::string m_strClsid;
    std::string m_strProgId;
    std::string m_strTypeLibId;
    std::optional<platform::ModuleBitmap> m_bitmap;
    bool m_bInsertable = false;
    bool m_bServerExists = true;
    int32_t m_nInterfaceCursor = 0;
    std::vector<std::unique_ptr<CXDispInterface>> m_interfaces;
    std::string m_strLibName;
    std::string m_strLibDoc;
    std::string m_strHelpFile;
    int32_t m_nHelpContext = -1;
    platform::ComPtr<platform::TypeLibrary> m_pTypeLib; // only while the library is read
    uint32_t m_nTypeInfoCount = 0;

private:
    class Walk;
};

} // namespace morva
