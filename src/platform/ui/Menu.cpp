#include "platform/ui/Menu.h"

#include <cctype>

namespace platform {

void Menu::append(std::string text, int32_t id, uint32_t flags)
{
    m_items.push_back(MenuItem{std::move(text), id, flags, nullptr});
}

void Menu::appendSeparator()
{
    m_items.push_back(MenuItem{{}, 0, menuFlag::Separator, nullptr});
}

void Menu::appendSubmenu(std::string text, std::shared_ptr<Menu> submenu, uint32_t flags)
{
    m_items.push_back(MenuItem{std::move(text), 0, flags & ~menuFlag::Separator, std::move(submenu)});
}

void Menu::insert(size_t position, MenuItem item)
{
    if (position > m_items.size())
        position = m_items.size();
    m_items.insert(m_items.begin() + std::ptrdiff_t(position), std::move(item));
}

bool Menu::removeAt(size_t position)
{
    if (position >= m_items.size())
        return false;
    m_items.erase(m_items.begin() + std::ptrdiff_t(position));
    return true;
}

MenuItem* Menu::findCommand(int32_t id)
{
    for (MenuItem& item : m_items) {
        if (item.submenu) {
            if (MenuItem* found = item.submenu->findCommand(id))
                return found;
        } else if (!item.isSeparator() && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

bool Menu::setChecked(int32_t id, bool checked)
{
    MenuItem* item = findCommand(id);
    if (!item)
        return false;
    item->flags = checked ? item->flags | menuFlag::Checked : item->flags & ~menuFlag::Checked;
    return true;
}

bool Menu::setGrayed(int32_t id, bool grayed)
{
    MenuItem* item = findCommand(id);
    if (!item)
        return false;
    item->flags = grayed ? item->flags | menuFlag::Grayed : item->flags & ~menuFlag::Grayed;
    return true;
}

char Menu::mnemonicOf(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return char(std::tolower(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

} // namespace platform
