#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace platform {

// Entries keyed by a folded (upper-case) name, each keeping the name as first given. Entries
// are in the order of their folded names; the index view that enumeration by number needs is
// rebuilt on first use after a change, so enumerating a settled key is constant time per step.
template <typename T>
class FoldedMap {
public:
    struct Entry {
        std::string name;
        T item;
    };

    const Entry* find(const std::string& folded) const
    {
        auto it = m_entries.find(folded);
        return it == m_entries.end() ? nullptr : &it->second;
    }
    Entry* find(const std::string& folded)
    {
        auto it = m_entries.find(folded);
        return it == m_entries.end() ? nullptr : &it->second;
    }

    // Adds the entry, or replaces the item of an existing one and keeps its name.
    Entry& put(std::string folded, std::string name, T item)
    {
        auto [it, added] = m_entries.try_emplace(std::move(folded), Entry{std::move(name), T()});
        it->second.item = std::move(item);
        if (added)
            m_indexValid = false;
        return it->second;
    }

    bool erase(const std::string& folded)
    {
        if (m_entries.erase(folded) == 0)
            return false;
        m_indexValid = false;
        return true;
    }

    void clear()
    {
        m_entries.clear();
        m_indexValid = false;
    }

    size_t size() const { return m_entries.size(); }

    const Entry* at(size_t index) const
    {
        if (index >= m_entries.size())
            return nullptr;
        if (!m_indexValid) {
            m_index.clear();
            m_index.reserve(m_entries.size());
            for (const auto& [folded, entry] : m_entries)
                m_index.push_back(&entry);
            m_indexValid = true;
        }
        return m_index[index];
    }

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

private:
    std::map<std::string, Entry> m_entries;
    mutable std::vector<const Entry*> m_index;
    mutable bool m_indexValid = false;
};

} // namespace platform
