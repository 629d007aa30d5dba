#pragma once

#include <string>

namespace morva {

// One entry of a menu resource: a pop-up, a separator or a command item, with the nesting depth
// of the BEGIN/END block that holds it (1 for the menu's own block).
struct CMenuResourceItem {
    std::string m_strCaption; // the text between the quotes, "&" included
    bool m_bIsPopup = false;
    bool m_bIsSeparator = false;
    std::string m_strCommand; // the command symbol of a command item, empty otherwise
    int m_nDepth = 0;
};

} // namespace morva
