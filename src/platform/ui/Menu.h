#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Menu;

namespace menuFlag {
inline constexpr uint32_t Separator = 0x01;
inline constexpr uint32_t Checked = 0x02;
inline constexpr uint32_t Grayed = 0x04;   // shown grey and cannot be chosen
inline constexpr uint32_t Disabled = 0x08; // shown normally but cannot be chosen
} // namespace menuFlag

// One entry: a command, a separator or a submenu. The text may mark its mnemonic with '&'
// and carry a shortcut after a tab ("&Open\tCtrl+O").
struct MenuItem {
    std::string text;
    int32_t id = 0;
    uint32_t flags = 0;
    std::shared_ptr<Menu> submenu;

    bool isSeparator() const { return (flags & menuFlag::Separator) != 0; }
    bool isChoosable() const { return !isSeparator() && (flags & (menuFlag::Grayed | menuFlag::Disabled)) == 0; }
};

// A popup menu or a menu bar: an ordered list of items.
class Menu {
public:
    void append(std::string text, int32_t id, uint32_t flags = 0);
    void appendSeparator();
    void appendSubmenu(std::string text, std::shared_ptr<Menu> submenu, uint32_t flags = 0);
    // Inserts before position (at the end when past it).
    void insert(size_t position, MenuItem item);
    bool removeAt(size_t position);
    void clear() { m_items.clear(); }

    size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const MenuItem& item(size_t i) const { return m_items[i]; }
    MenuItem& item(size_t i) { return m_items[i]; }
    const std::vector<MenuItem>& items() const { return m_items; }

    // The first command item with the id, searching submenus too; null when none.
    MenuItem* findCommand(int32_t id);
    bool setChecked(int32_t id, bool checked);
    bool setGrayed(int32_t id, bool grayed);

    // The mnemonic character of a text (lower case), 0 when it has none.
    static char mnemonicOf(const std::string& text);

private:
    std::vector<MenuItem> m_items;
};

} // namespace platform
