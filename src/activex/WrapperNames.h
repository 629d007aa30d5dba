#pragma once

#include <string>
#include <string_view>

namespace morva {

// The control's base name from its ProgID: the part after the first dot up to the next,
// cut at the first character that cannot stand in a class name, trimmed, and re-cased
// ("Lib.TreeCtrl.2" gives "Treectrl").
std::string ControlBaseName(std::string_view progId);
// A sub-object's wrapper class: "CXAx" + the dispinterface name without one leading "I".
std::string SubObjectClassName(std::string_view interfaceName);
// The names of a declaration list ("long a, BSTR* b" gives "a, b").
std::string ArgumentNames(std::string_view declarations);

} // namespace morva
