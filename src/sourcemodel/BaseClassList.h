#pragma once

#include <string_view>

namespace morva {

// The window classes known as bases of the project's classes (CWnd, views, frame windows,
// dialogs, control bars and the runtime's form and control classes), one name per line.
std::string_view BaseClassList();
// A class is listed when its name occurs anywhere in the list's text.
bool IsListedBaseClass(std::string_view name);

} // namespace morva
