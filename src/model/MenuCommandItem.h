#pragma once

#include <memory>
#include <string>

namespace morva {

class CControlItem;

// The item that stands for one command of a form's attached menu: its identifier symbol as the
// menu resource writes it, the single event Click, no properties and no geometry.
std::unique_ptr<CControlItem> MakeMenuCommandItem(std::string identifierSymbol);

} // namespace morva
