#pragma once

#include "sourcemodel/CMenuResource.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morva {

class CProject;

// Reads the MENU resources of a resource script. Works on any bytes and never reads outside the
// text; comments are skipped.

// The menu whose statement ends at `offset`: its entries up to the END that closes its block.
// Nothing when the text has no block there or the block holds no entry.
std::optional<CMenuResource> ReadMenuBody(std::string_view script, size_t offset, const std::string& symbol);
// Every MENU resource of the script whose symbol resource.h defines and that has an entry.
std::vector<CMenuResource> ReadMenuResources(std::string_view script, std::string_view resourceHeader);
// Replaces the project's menu list with the menus of the two texts.
void ReadMenus(CProject& project, std::string_view script, std::string_view resourceHeader);

} // namespace morva
