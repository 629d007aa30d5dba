#pragma once

#include "activex/ActiveXServices.h"
#include "activex/CToolControlEntry.h"
#include "activex/ControlRegistryWalk.h"
#include "sourcemodel/IToolboxCatalogue.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morva {

// An ordered, owning list of controls: the project's controls (kept in the project's data
// file) or, for the Insert ActiveX Control dialog, every installed control. The project's list
// is also the catalogue the class parser links wrapper classes to.
class COCXInfo : public IToolboxCatalogue {
public:
    explicit COCXInfo(ActiveXServices services) : m_services(std::move(services)) {}
    COCXInfo(const COCXInfo&) = delete;
    COCXInfo& operator=(const COCXInfo&) = delete;

    // The messages shown by FindRegisteredControl.
    static constexpr std::string_view kRegistryError = "Error in retreiving OCX file info from registry";
    static constexpr std::string_view kControlNotFound = "Control couldn't be found";
    static constexpr std::string_view kControlNotLoaded = "Control couldn't be loaded";

    // Fills the list with every qualifying control in name order; false when the registry
    // has no class list.
    bool EnumerateInstalledControls();
    // Looks the control up, reads its type library and saves the project's data file.
    CToolControlEntry* AddControl(const std::string& name, const std::string& serverPath);
    // The registered control with this server path (any case) and name (exact) that has a
    // toolbox bitmap; appended to the list.
    CToolControlEntry* FindRegisteredControl(const std::string& name, const std::string& serverPath);
    CToolControlEntry* FindByProgID(const std::string& progId) const;
    // From the list, else from the registry (appended, type library read); no messages.
    CToolControlEntry* FindOrLoadByProgID(const std::string& progId);
    // A wrapper class may spell its ProgID in another case than the registry: the list is
    // searched ignoring case before the registry is asked.
    IActiveXControlEntry* FindOrCreateByProgId(const std::string& progId) override;
    // Before the first entry whose upper-cased name compares greater; equal names keep
    // their order of arrival.
    CToolControlEntry& InsertSorted(std::unique_ptr<CToolControlEntry> entry);
    void RemoveAll() { m_entries.clear(); }
    // Deletes the entries the predicate picks; their addresses must no longer be in use.
    template <typename Predicate>
    void RemoveIf(Predicate pick)
    {
        std::erase_if(m_entries, [&](const auto& entry) { return pick(*entry); });
    }

    // The project whose data file is read and written; empty: no project is open.
    void SetProjectFile(std::string projectFile) { m_strProjectFile = std::move(projectFile); }
    const std::string& ProjectFile() const { return m_strProjectFile; }
    // C:\Work\Demo.dsp keeps its controls in C:\Work\Demo.dat (base name up to its first dot).
    static std::string DataFilePath(std::string_view projectFile);
    bool SaveToProjectFile() const;
    // A missing file is an empty list; a damaged one fails and leaves the list unchanged.
    bool LoadFromProjectFile();

    // The data file's bytes for the list, and the list read back from such bytes (false on
    // damaged data, `entries` then unspecified).
    std::string Serialize() const;
    static bool Deserialize(std::string_view bytes, std::vector<std::unique_ptr<CToolControlEntry>>& entries);

    const std::vector<std::unique_ptr<CToolControlEntry>>& Entries() const { return m_entries; }
    size_t GetCount() const { return m_entries.size(); }
    CToolControlEntry* GetAt(size_t index) const { return index < m_entries.size() ? m_entries[index].get() : nullptr; }
    const ActiveXServices& Services() const { return m_services; }

private:
    struct LoadedBitmap;
    std::unique_ptr<CToolControlEntry> BuildEntry(const QualifyingClass& cls, bool full) const;
    LoadedBitmap LoadToolboxBitmap(const platform::RegistryKey& key) const;

    ActiveXServices m_services;
    std::vector<std::unique_ptr<CToolControlEntry>> m_entries;
    std::string m_strProjectFile;
};

} // namespace morva
