#pragma once

#include "platform/base/Result.h"
#include "platform/registry/RegistryEdit.h"

#include <string_view>
#include <vector>

namespace platform {

// Reads the text of a REGEDIT4 file:
//
//   REGEDIT4
//   ; comment
//   [HKEY_CLASSES_ROOT\Key\Sub]      (HKCR, HKCU, HKLM accepted too)
//   @="default"                      "Name"="text with \\ and \""
//   "Count"=dword:0000abcd           "Data"=hex:01,02,\    (continues on the next line)
//   "Path"=hex(2):25,00              "Gone"=-
//   [-HKEY_CURRENT_USER\Old]          (deletes the key and everything below it)
//
// Strings are ANSI bytes; the only escapes are \\ and \". The whole text is checked before
// anything is handed over, and a failure reads "<file>, line <n>: <what is wrong>".
class RegFileReader {
public:
    static Result<std::vector<RegistryEdit>> read(std::string_view text, std::string_view fileName);
};

} // namespace platform
