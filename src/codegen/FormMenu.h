#pragma once

#include "codegen/CodeWriterServices.h"

#include <string_view>

namespace morva {

class CClassItem;
class CProject;

// The form's attached menu in the model: the menu its form-data block names becomes the form's
// menu, and each command of it an item of kind 4 (one Click event, no properties or geometry).
// Items of an earlier menu are dropped. Without such a menu in the project the form has none.
void ApplyFormMenu(CClassItem& form, const CProject& project);

// Attaches the project's menu of that symbol to the form, or detaches the form's menu when the
// symbol is empty: the m_nResID line of the form-data block is removed and, for a menu, a new
// one is written; the file is parsed again and the form's menu items follow. False without a
// message when the form's file is not writable, the menu is unknown or the form-data block is
// missing; nothing is written then.
bool AttachMenu(const CodeWriterServices& services, CClassItem& form, std::string_view menuSymbol);

} // namespace morva
