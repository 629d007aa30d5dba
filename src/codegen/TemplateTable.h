#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace morva {

// The generator's string resources, looked up by identifier (see TemplateIds.h). The text is
// the exact bytes of the resource; an unknown identifier gives an empty text.
std::string_view TemplateText(int id);
bool HasTemplate(int id);
// A template stored in several consecutive resources, joined in the given order.
std::string JoinTemplates(std::initializer_list<int> ids);

} // namespace morva
