#pragma once

#include "platform/base/CodePage.h"
#include "platform/base/Result.h"
#include "platform/registry/RegistryCode.h"
#include "platform/registry/RegistryKey.h"
#include "platform/registry/RegistryRoot.h"
#include "platform/registry/RegistryValue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class FileSystem;
struct RegistryEdit;
struct RegistryNode;

// The registry: keys and values under the classes root, the current user and the local
// machine, kept in memory and persisted as REGEDIT4 text.
//
// Key and value names are compared ignoring case (by their upper case in the code page) and
// keep the case they were created with. Subkeys and values are enumerated by index in the
// order of that upper case, byte by byte, so "_x" follows "Zeta" and the default value comes
// first. The order is fixed by the names alone: the same tree always enumerates and saves
// the same way, whatever order it was built in.
//
// HKEY_LOCAL_MACHINE\Software\Classes is the classes root under a second name; it and the
// roots and HKEY_LOCAL_MACHINE\Software cannot be deleted (AccessDenied).
//
// Every failure carries its RegistryCode in code(), so callers written against the system's
// registry calls test for zero the same way; registryCode(result) reads it back.
class Registry {
public:
    static constexpr size_t kNoLimit = static_cast<size_t>(-1);

    explicit Registry(CodePage codePage = CodePage());
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    const CodePage& codePage() const { return m_codePage; }

    RegistryKey root(RegistryRoot root) const;

    // `path` is relative to `parent`: names separated by backslashes, "" for `parent` itself.
    Result<RegistryKey> openKey(const RegistryKey& parent, std::string_view path) const;
    // Opens the key, creating it and any missing key above it.
    Result<RegistryKey> createKey(const RegistryKey& parent, std::string_view path);
    // Deletes the key at `path` with everything below it; with "" deletes everything below
    // `parent` (its subkeys and values) but keeps `parent`.
    Status deleteTree(const RegistryKey& parent, std::string_view path);

    // The name of subkey `index`; MoreData when the name and its terminating NUL do not fit
    // in `bufferSize` bytes, NoMoreItems past the last subkey.
    Result<std::string> enumKey(const RegistryKey& key, uint32_t index, size_t bufferSize = kNoLimit) const;
    // The default value of the subkey `subkey` ("" for the key itself) as text. A key whose
    // default value was never set answers "", as the system does; a default value that is not
    // a string is InvalidData; MoreData when the text and its NUL exceed `bufferSize` bytes.
    Result<std::string> queryDefault(const RegistryKey& key, std::string_view subkey,
                                     size_t bufferSize = kNoLimit) const;
    // Sets the default value of `subkey` (created when missing) to the string `text`.
    Status setDefault(const RegistryKey& key, std::string_view subkey, std::string_view text);

    // Values by name; "" is the default value.
    Result<RegistryValue> queryValue(const RegistryKey& key, std::string_view name) const;
    // Value `index` with its name; MoreData when the name with its NUL exceeds
    // `nameBufferSize` or the data exceeds `dataBufferSize` bytes.
    Result<NamedRegistryValue> enumValue(const RegistryKey& key, uint32_t index, size_t nameBufferSize = kNoLimit,
                                         size_t dataBufferSize = kNoLimit) const;
    Status setValue(const RegistryKey& key, std::string_view name, RegistryValue value);
    Status deleteValue(const RegistryKey& key, std::string_view name);

    // REGEDIT4 text in and out. A text is read whole before it changes anything, so a bad one
    // leaves the registry as it was; its failure reads "<fileName>, line <n>: <what>".
    Status loadRegText(std::string_view text, std::string_view fileName);
    std::string toRegText() const;
    Status loadRegFile(const FileSystem& files, std::string_view path);
    // Replaces the file only once the whole text is written.
    Status saveRegFile(const FileSystem& files, std::string_view path) const;

    // Adds the keys of a Wine registry file (system.reg into the local machine, whose
    // Software\Classes is the classes root; user.reg into the current user). Wine's files are
    // only read, never written.
    Status importWineText(std::string_view text, std::string_view fileName, RegistryRoot into);
    // Reads system.reg and user.reg of the prefix folder (Windows form), whichever exist; both
    // are read before either is added.
    Status importWinePrefix(const FileSystem& files, std::string_view prefixFolder);

    // Same keys with the same names (case included) and the same values.
    friend bool operator==(const Registry& a, const Registry& b);

private:
    Result<RegistryNode*> usable(const RegistryKey& key) const;
    std::string fold(std::string_view name) const { return m_codePage.toUpper(name); }
    RegistryNode& rootNode(RegistryRoot root) const;
    RegistryNode* ensurePath(RegistryNode& start, const std::vector<std::string_view>& names);
    void apply(const std::vector<RegistryEdit>& edits);

    CodePage m_codePage;
    std::array<std::shared_ptr<RegistryNode>, 3> m_roots; // indexed by RegistryRoot
};

} // namespace platform
