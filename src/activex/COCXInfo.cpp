#include "activex/COCXInfo.h"

#include "activex/CArchive.h"
#include "activex/ControlRegistryWalk.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/base/WaitCursor.h"
#include "platform/com/HResult.h"
#include "platform/com/Module.h"
#include "platform/registry/Registry.h"

#include <cctype>
#include <cstdlib>

namespace morva {

namespace {

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

struct COCXInfo::LoadedBitmap {
    std::optional<platform::ModuleBitmap> bitmap;
    int moduleError = 0; // the module loader's error when the module could not be loaded
};

std::unique_ptr<CToolControlEntry> COCXInfo::BuildEntry(const QualifyingClass& cls, bool full) const
{
    const platform::Registry& registry = m_services.registry;
    auto entry = std::make_unique<CToolControlEntry>();
    entry->m_strServerPath = cls.serverPath;
    entry->m_bServerExists = m_services.fs.exists(cls.serverPath);
    if (full)
        entry->m_strClsid = cls.clsid;
    entry->m_strProgId = ReadSubkeyDefault(registry, cls.key, "ProgID");
    entry->m_strTypeLibId = ReadSubkeyDefault(registry, cls.key, "TypeLib");
    auto name = registry.queryDefault(cls.key, "", 520);
    if (!name)
        return nullptr;
    entry->m_strName = *name;
    if (full)
        entry->m_bInsertable = registry.openKey(cls.key, "Insertable").isOk();
    return entry;
}

COCXInfo::LoadedBitmap COCXInfo::LoadToolboxBitmap(const platform::RegistryKey& key) const
{
    // "file,index": the module before the first comma, a resource number after it.
    const std::string value = ReadSubkeyDefault(m_services.registry, key, "ToolboxBitmap32");
    const size_t comma = value.find(',');
    if (comma == std::string::npos || comma == 0)
        return {};
    const std::string file = value.substr(0, comma);
    const int number = std::atoi(value.c_str() + comma + 1);
    auto module = platform::Module::load(m_services.fs, file);
    if (!module)
        return {std::nullopt, module.code()};
    auto bitmap = module->loadBitmap(uint16_t(number & 0xFFFF));
    if (!bitmap)
        return {};
    return {*bitmap, 0};
}

bool COCXInfo::EnumerateInstalledControls()
{
    platform::WaitCursor wait(m_services.messages);
    const ControlWalkEnd end = WalkRegisteredControls(m_services.registry, [&](const QualifyingClass& cls) {
        if (auto entry = BuildEntry(cls, false))
            InsertSorted(std::move(entry));
        return true;
    });
    return end != ControlWalkEnd::NoClassKey;
}

CToolControlEntry* COCXInfo::FindRegisteredControl(const std::string& name, const std::string& serverPath)
{
    const std::string wantedPath = Upper(serverPath);
    CToolControlEntry* found = nullptr;
    std::string_view failure;
    const ControlWalkEnd end = WalkRegisteredControls(m_services.registry, [&](const QualifyingClass& cls) {
        if (Upper(cls.serverPath) != wantedPath)
            return true;
        auto entry = BuildEntry(cls, true);
        if (!entry || entry->m_strName != name)
            return true;
        LoadedBitmap loaded = LoadToolboxBitmap(cls.key);
        if (loaded.moduleError == platform::ERROR_MOD_NOT_FOUND) {
            failure = kControlNotFound;
            return false;
        }
        if (loaded.moduleError == platform::TYPE_E_CANTLOADLIBRARY) {
            failure = kControlNotLoaded;
            return false;
        }
        if (!loaded.bitmap)
            return true;
        entry->m_bitmap = std::move(loaded.bitmap);
        m_entries.push_back(std::move(entry));
        found = m_entries.back().get();
        return false;
    });
    if (end == ControlWalkEnd::NothingEnumerated || end == ControlWalkEnd::Exhausted)
        failure = kRegistryError;
    if (!failure.empty())
        m_services.messages.show(std::string(failure));
    return found;
}

CToolControlEntry* COCXInfo::AddControl(const std::string& name, const std::string& serverPath)
{
    platform::WaitCursor wait(m_services.messages);
    CToolControlEntry* entry = FindRegisteredControl(name, serverPath);
    if (entry) {
        // A partly read model is kept: the control can still be placed and used.
        (void)entry->ReadTypeLibrary(m_services.fs, m_services.resolver, true);
        (void)SaveToProjectFile();
    }
    return entry;
}

CToolControlEntry* COCXInfo::FindByProgID(const std::string& progId) const
{
    for (const auto& entry : m_entries)
        if (entry->m_strProgId == progId)
            return entry.get();
    return nullptr;
}

CToolControlEntry* COCXInfo::FindOrLoadByProgID(const std::string& progId)
{
    if (CToolControlEntry* entry = FindByProgID(progId))
        return entry;
    CToolControlEntry* found = nullptr;
    WalkRegisteredControls(m_services.registry, [&](const QualifyingClass& cls) {
        if (ReadSubkeyDefault(m_services.registry, cls.key, "ProgID") != progId)
            return true;
        auto entry = BuildEntry(cls, true);
        if (!entry)
            return true;
        entry->m_bitmap = LoadToolboxBitmap(cls.key).bitmap;
        if (!entry->m_bitmap)
            return true;
        m_entries.push_back(std::move(entry));
        found = m_entries.back().get();
        (void)found->ReadTypeLibrary(m_services.fs, m_services.resolver, true);
        return false;
    });
    return found;
}

IActiveXControlEntry* COCXInfo::FindOrCreateByProgId(const std::string& progId)
{
    const std::string wanted = Upper(progId);
    for (const auto& entry : m_entries)
        if (Upper(entry->m_strProgId) == wanted)
            return entry.get();
    return FindOrLoadByProgID(progId);
}

CToolControlEntry& COCXInfo::InsertSorted(std::unique_ptr<CToolControlEntry> entry)
{
    const std::string key = Upper(entry->m_strName);
    auto at = m_entries.begin();
    while (at != m_entries.end() && Upper((*at)->m_strName) <= key)
        ++at;
    return **m_entries.insert(at, std::move(entry));
}

std::string COCXInfo::DataFilePath(std::string_view projectFile)
{
    const size_t slash = projectFile.rfind('\\');
    const std::string_view fileName = slash == std::string_view::npos ? projectFile : projectFile.substr(slash + 1);
    const std::string_view base = fileName.substr(0, fileName.find('.'));
    std::string path;
    if (slash != std::string_view::npos)
        path = std::string(projectFile.substr(0, slash)) + "\\";
    return path + std::string(base) + ".dat";
}

std::string COCXInfo::Serialize() const
{
    CArchiveWriter archive;
    archive.WriteU32(uint32_t(m_entries.size()));
    for (const auto& entry : m_entries)
        entry->Serialize(archive);
    return archive.Bytes();
}

bool COCXInfo::Deserialize(std::string_view bytes, std::vector<std::unique_ptr<CToolControlEntry>>& entries)
{
    CArchiveReader archive(bytes);
    uint32_t count = 0;
    if (!archive.ReadCount(count, CToolControlEntry::kMinStoredSize))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        auto entry = std::make_unique<CToolControlEntry>();
        if (!entry->Serialize(archive))
            return false;
        entries.push_back(std::move(entry));
    }
    return true;
}

bool COCXInfo::SaveToProjectFile() const
{
    if (m_strProjectFile.empty())
        return false;
    return m_services.fs.writeWholeFile(DataFilePath(m_strProjectFile), Serialize()).isOk();
}

bool COCXInfo::LoadFromProjectFile()
{
    if (m_strProjectFile.empty())
        return false;
    const std::string path = DataFilePath(m_strProjectFile);
    if (!m_services.fs.exists(path))
        return true;
    auto bytes = m_services.fs.readWholeFile(path);
    if (!bytes)
        return false;
    // Read whole before anything is added, so that a damaged file changes nothing.
    std::vector<std::unique_ptr<CToolControlEntry>> loaded;
    if (!Deserialize(*bytes, loaded))
        return false;
    for (auto& entry : loaded)
        InsertSorted(std::move(entry));
    return true;
}

} // namespace morva
