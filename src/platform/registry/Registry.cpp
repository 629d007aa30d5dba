#include "platform/registry/Registry.h"

#include "platform/base/FileSystem.h"
#include "platform/registry/RegFileReader.h"
#include "platform/registry/RegFileWriter.h"
#include "platform/registry/RegistryEdit.h"
#include "platform/registry/RegistryNode.h"
#include "platform/registry/RegistryPath.h"
#include "platform/registry/WineRegReader.h"

#include <utility>

namespace platform {

namespace {

template <typename T>
Result<T> fail(RegistryCode code, std::string message)
{
    return Result<T>::failure(std::move(message), static_cast<int>(code));
}

Status failStatus(RegistryCode code, std::string message)
{
    return Status::failure(std::move(message), static_cast<int>(code));
}

std::string joinPath(const std::string& base, std::string_view path)
{
    if (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    if (path.empty())
        return base;
    return base + "\\" + std::string(path);
}

std::string keyMissing(const std::string& path)
{
    return "The registry key '" + path + "' does not exist";
}

std::string badPath(std::string_view path, const std::string& problem)
{
    return "The registry path '" + std::string(path) + "' is not valid: " + problem;
}

bool containsPermanent(const RegistryNode& node)
{
    if (node.permanent)
        return true;
    for (const auto& [folded, entry] : node.subkeys) {
        if (containsPermanent(*entry.item))
            return true;
    }
    return false;
}

// Open key objects may still hold the nodes; they learn that the key is gone.
void markDeleted(RegistryNode& node)
{
    node.deleted = true;
    for (const auto& [folded, entry] : node.subkeys)
        markDeleted(*entry.item);
}

bool sameNode(const RegistryNode& a, const RegistryNode& b, const RegistryNode& classesA,
              const RegistryNode& classesB)
{
    if (a.values.size() != b.values.size() || a.subkeys.size() != b.subkeys.size())
        return false;
    for (auto ia = a.values.begin(), ib = b.values.begin(); ia != a.values.end(); ++ia, ++ib) {
        if (ia->second.name != ib->second.name || !(ia->second.item == ib->second.item))
            return false;
    }
    for (auto ia = a.subkeys.begin(), ib = b.subkeys.begin(); ia != a.subkeys.end(); ++ia, ++ib) {
        if (ia->second.name != ib->second.name)
            return false;
        const RegistryNode& childA = *ia->second.item;
        const RegistryNode& childB = *ib->second.item;
        bool linkA = &childA == &classesA;
        bool linkB = &childB == &classesB;
        if (linkA != linkB)
            return false;
        if (!linkA && !sameNode(childA, childB, classesA, classesB))
            return false;
    }
    return true;
}

} // namespace

Registry::Registry(CodePage codePage) : m_codePage(codePage)
{
    for (auto& root : m_roots) {
        root = std::make_shared<RegistryNode>();
        root->permanent = true;
    }
    auto software = std::make_shared<RegistryNode>();
    software->permanent = true;
    software->depth = 1;
    software->subkeys.put(fold("Classes"), "Classes", m_roots[static_cast<size_t>(RegistryRoot::ClassesRoot)]);
    rootNode(RegistryRoot::LocalMachine).subkeys.put(fold("Software"), "Software", std::move(software));
}

Registry::~Registry() = default;

RegistryNode& Registry::rootNode(RegistryRoot root) const
{
    return *m_roots[static_cast<size_t>(root)];
}

RegistryKey Registry::root(RegistryRoot root) const
{
    return RegistryKey(m_roots[static_cast<size_t>(root)], std::string(RegistryPath::rootName(root)));
}

Result<RegistryNode*> Registry::usable(const RegistryKey& key) const
{
    if (!key.m_node)
        return fail<RegistryNode*>(RegistryCode::InvalidHandle, "The registry key is not open");
    if (key.m_node->deleted)
        return fail<RegistryNode*>(RegistryCode::KeyDeleted, "The registry key '" + key.m_path + "' has been deleted");
    return key.m_node.get();
}

Result<RegistryKey> Registry::openKey(const RegistryKey& parent, std::string_view path) const
{
    auto start = usable(parent);
    if (!start)
        return start.status();
    auto names = RegistryPath::split(path);
    if (!names)
        return fail<RegistryKey>(RegistryCode::InvalidParameter, badPath(path, names.message()));
    std::shared_ptr<RegistryNode> node = parent.m_node;
    for (std::string_view name : *names) {
        auto* entry = node->subkeys.find(fold(name));
        if (!entry)
            return fail<RegistryKey>(RegistryCode::FileNotFound, keyMissing(joinPath(parent.m_path, path)));
        node = entry->item;
    }
    return RegistryKey(std::move(node), joinPath(parent.m_path, path));
}

RegistryNode* Registry::ensurePath(RegistryNode& start, const std::vector<std::string_view>& names)
{
    RegistryNode* node = &start;
    for (std::string_view name : names) {
        std::string folded = fold(name);
        if (auto* entry = node->subkeys.find(folded)) {
            node = entry->item.get();
            continue;
        }
        auto child = std::make_shared<RegistryNode>();
        child->depth = node->depth + 1;
        RegistryNode* added = child.get();
        node->subkeys.put(std::move(folded), std::string(name), std::move(child));
        node = added;
    }
    return node;
}

Result<RegistryKey> Registry::createKey(const RegistryKey& parent, std::string_view path)
{
    auto start = usable(parent);
    if (!start)
        return start.status();
    auto names = RegistryPath::split(path);
    if (!names)
        return fail<RegistryKey>(RegistryCode::InvalidParameter, badPath(path, names.message()));
    if ((*start)->depth + names->size() > RegistryPath::kMaxDepth)
        return fail<RegistryKey>(RegistryCode::InvalidParameter,
                                 badPath(path, "keys nest at most " + std::to_string(RegistryPath::kMaxDepth) +
                                                   " deep"));

    // Walk to the deepest existing key first so the result shares its node with open keys.
    std::shared_ptr<RegistryNode> node = parent.m_node;
    size_t existing = 0;
    for (; existing < names->size(); ++existing) {
        auto* entry = node->subkeys.find(fold((*names)[existing]));
        if (!entry)
            break;
        node = entry->item;
    }
    for (size_t i = existing; i < names->size(); ++i) {
        auto child = std::make_shared<RegistryNode>();
        child->depth = node->depth + 1;
        node->subkeys.put(fold((*names)[i]), std::string((*names)[i]), child);
        node = std::move(child);
    }
    return RegistryKey(std::move(node), joinPath(parent.m_path, path));
}

Status Registry::deleteTree(const RegistryKey& parent, std::string_view path)
{
    auto start = usable(parent);
    if (!start)
        return start.status();
    auto names = RegistryPath::split(path);
    if (!names)
        return failStatus(RegistryCode::InvalidParameter, badPath(path, names.message()));
    std::string fullPath = joinPath(parent.m_path, path);

    RegistryNode* owner = nullptr;
    RegistryNode* node = *start;
    for (std::string_view name : *names) {
        auto* entry = node->subkeys.find(fold(name));
        if (!entry)
            return failStatus(RegistryCode::FileNotFound, keyMissing(fullPath));
        owner = node;
        node = entry->item.get();
    }

    if (!owner) {
        // Empty the key itself: its values and every subkey.
        for (const auto& [folded, entry] : node->subkeys) {
            if (containsPermanent(*entry.item))
                return failStatus(RegistryCode::AccessDenied,
                                  "The registry key '" + fullPath + "' holds keys that cannot be deleted");
        }
        for (const auto& [folded, entry] : node->subkeys)
            markDeleted(*entry.item);
        node->subkeys.clear();
        node->values.clear();
        return Status::ok();
    }
    if (containsPermanent(*node))
        return failStatus(RegistryCode::AccessDenied, "The registry key '" + fullPath + "' cannot be deleted");
    markDeleted(*node);
    owner->subkeys.erase(fold(names->back()));
    return Status::ok();
}

Result<std::string> Registry::enumKey(const RegistryKey& key, uint32_t index, size_t bufferSize) const
{
    auto node = usable(key);
    if (!node)
        return node.status();
    const auto* entry = (*node)->subkeys.at(index);
    if (!entry)
        return fail<std::string>(RegistryCode::NoMoreItems, "No more subkeys under '" + key.m_path + "'");
    if (entry->name.size() + 1 > bufferSize)
        return fail<std::string>(RegistryCode::MoreData, "The name of subkey " + std::to_string(index) + " of '" +
                                                             key.m_path + "' does not fit in " +
                                                             std::to_string(bufferSize) + " bytes");
    return entry->name;
}

Result<std::string> Registry::queryDefault(const RegistryKey& key, std::string_view subkey, size_t bufferSize) const
{
    auto opened = openKey(key, subkey);
    if (!opened)
        return opened.status();
    const auto* entry = opened->m_node->values.find(std::string());
    if (!entry)
        return std::string();
    if (!entry->item.isString())
        return fail<std::string>(RegistryCode::InvalidData,
                                 "The default value of '" + opened->m_path + "' is not a string");
    std::string text = entry->item.text();
    if (text.size() + 1 > bufferSize)
        return fail<std::string>(RegistryCode::MoreData, "The default value of '" + opened->m_path +
                                                             "' does not fit in " + std::to_string(bufferSize) +
                                                             " bytes");
    return text;
}

Status Registry::setDefault(const RegistryKey& key, std::string_view subkey, std::string_view text)
{
    auto created = createKey(key, subkey);
    if (!created)
        return created.status();
    return setValue(*created, "", RegistryValue::fromString(text));
}

Result<RegistryValue> Registry::queryValue(const RegistryKey& key, std::string_view name) const
{
    auto node = usable(key);
    if (!node)
        return node.status();
    const auto* entry = (*node)->values.find(fold(name));
    if (!entry)
        return fail<RegistryValue>(RegistryCode::FileNotFound,
                                   "The registry key '" + key.m_path + "' has no value '" + std::string(name) + "'");
    return entry->item;
}

Result<NamedRegistryValue> Registry::enumValue(const RegistryKey& key, uint32_t index, size_t nameBufferSize,
                                               size_t dataBufferSize) const
{
    auto node = usable(key);
    if (!node)
        return node.status();
    const auto* entry = (*node)->values.at(index);
    if (!entry)
        return fail<NamedRegistryValue>(RegistryCode::NoMoreItems, "No more values under '" + key.m_path + "'");
    if (entry->name.size() + 1 > nameBufferSize || entry->item.data().size() > dataBufferSize)
        return fail<NamedRegistryValue>(RegistryCode::MoreData, "Value " + std::to_string(index) + " of '" +
                                                                    key.m_path + "' does not fit in the buffer");
    return NamedRegistryValue{entry->name, entry->item};
}

Status Registry::setValue(const RegistryKey& key, std::string_view name, RegistryValue value)
{
    auto node = usable(key);
    if (!node)
        return node.status();
    if (auto problem = RegistryPath::valueNameProblem(name))
        return failStatus(RegistryCode::InvalidParameter, "The value name is not valid: " + *problem);
    (*node)->values.put(fold(name), std::string(name), std::move(value));
    return Status::ok();
}

Status Registry::deleteValue(const RegistryKey& key, std::string_view name)
{
    auto node = usable(key);
    if (!node)
        return node.status();
    if (!(*node)->values.erase(fold(name)))
        return failStatus(RegistryCode::FileNotFound,
                          "The registry key '" + key.m_path + "' has no value '" + std::string(name) + "'");
    return Status::ok();
}

void Registry::apply(const std::vector<RegistryEdit>& edits)
{
    // The readers have checked every name and path, so nothing here can fail.
    RegistryNode* current = nullptr;
    std::vector<std::string_view> names;
    for (const RegistryEdit& edit : edits) {
        switch (edit.kind) {
        case RegistryEdit::Kind::OpenKey:
            names.assign(edit.path.begin(), edit.path.end());
            current = ensurePath(rootNode(edit.root), names);
            break;
        case RegistryEdit::Kind::DeleteKey: {
            current = nullptr;
            RegistryNode* owner = nullptr;
            RegistryNode* node = &rootNode(edit.root);
            for (const std::string& name : edit.path) {
                auto* entry = node->subkeys.find(fold(name));
                if (!entry) {
                    node = nullptr;
                    break;
                }
                owner = node;
                node = entry->item.get();
            }
            if (node && owner && !containsPermanent(*node)) {
                markDeleted(*node);
                owner->subkeys.erase(fold(edit.path.back()));
            }
            break;
        }
        case RegistryEdit::Kind::SetValue:
            if (current)
                current->values.put(fold(edit.name), edit.name, edit.value);
            break;
        case RegistryEdit::Kind::DeleteValue:
            if (current)
                current->values.erase(fold(edit.name));
            break;
        }
    }
}

Status Registry::loadRegText(std::string_view text, std::string_view fileName)
{
    auto edits = RegFileReader::read(text, fileName);
    if (!edits)
        return edits.status();
    apply(*edits);
    return Status::ok();
}

std::string Registry::toRegText() const
{
    return RegFileWriter::write(rootNode(RegistryRoot::ClassesRoot), rootNode(RegistryRoot::CurrentUser),
                                rootNode(RegistryRoot::LocalMachine));
}

Status Registry::loadRegFile(const FileSystem& files, std::string_view path)
{
    auto text = files.readWholeFile(path);
    if (!text)
        return text.status();
    return loadRegText(*text, path);
}

Status Registry::saveRegFile(const FileSystem& files, std::string_view path) const
{
    return files.writeWholeFile(path, toRegText());
}

Status Registry::importWineText(std::string_view text, std::string_view fileName, RegistryRoot into)
{
    auto edits = WineRegReader(m_codePage).read(text, fileName, into);
    if (!edits)
        return edits.status();
    apply(*edits);
    return Status::ok();
}

Status Registry::importWinePrefix(const FileSystem& files, std::string_view prefixFolder)
{
    struct Source {
        std::string_view fileName;
        RegistryRoot root;
    };
    static constexpr Source kSources[] = {
        {"system.reg", RegistryRoot::LocalMachine},
        {"user.reg", RegistryRoot::CurrentUser},
    };
    std::string folder(prefixFolder);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();

    std::vector<std::vector<RegistryEdit>> parsed;
    WineRegReader reader(m_codePage);
    for (const Source& source : kSources) {
        std::string path = folder + "\\" + std::string(source.fileName);
        if (!files.exists(path))
            continue;
        auto text = files.readWholeFile(path);
        if (!text)
            return text.status();
        auto edits = reader.read(*text, path, source.root);
        if (!edits)
            return edits.status();
        parsed.push_back(std::move(edits).value());
    }
    if (parsed.empty())
        return failStatus(RegistryCode::FileNotFound,
                          "The folder '" + folder + "' holds no Wine registry file (system.reg or user.reg)");
    for (const auto& edits : parsed)
        apply(edits);
    return Status::ok();
}

bool operator==(const Registry& a, const Registry& b)
{
    const RegistryNode& classesA = a.rootNode(RegistryRoot::ClassesRoot);
    const RegistryNode& classesB = b.rootNode(RegistryRoot::ClassesRoot);
    for (RegistryRoot root : {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        if (!sameNode(a.rootNode(root), b.rootNode(root), classesA, classesB))
            return false;
    }
    return true;
}

} // namespace platform
