#pragma once

#include <memory>
#include <string>

namespace platform {

struct RegistryNode;

// An open key, handed out by Registry and passed back to it. Copies refer to the same key.
// A key stays safe to use after the key is deleted (operations then fail with KeyDeleted);
// a default-constructed or closed key fails with InvalidHandle.
class RegistryKey {
public:
    RegistryKey() = default;

    bool isOpen() const { return m_node != nullptr; }
    void close() { m_node.reset(); m_path.clear(); }
    // The full path it was opened with, e.g. "HKEY_CLASSES_ROOT\CLSID".
    const std::string& path() const { return m_path; }

private:
    friend class Registry;
    RegistryKey(std::shared_ptr<RegistryNode> node, std::string path)
        : m_node(std::move(node)), m_path(std::move(path)) {}

    std::shared_ptr<RegistryNode> m_node;
    std::string m_path;
};

} // namespace platform
