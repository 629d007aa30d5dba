#pragma once

#include "sourcemodel/CMenuResourceItem.h"

#include <string>
#include <vector>

namespace morva {

// A MENU resource of the project's resource script: its symbol and its entries in script order.
struct CMenuResource {
    std::string m_strSymbol;
    std::vector<CMenuResourceItem> m_items;

    size_t GetItemCount() const { return m_items.size(); }
};

} // namespace morva
