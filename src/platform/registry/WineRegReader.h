#pragma once

#include "platform/base/CodePage.h"
#include "platform/base/Result.h"
#include "platform/registry/RegistryEdit.h"
#include "platform/registry/RegistryRoot.h"

#include <string_view>
#include <vector>

namespace platform {

// Reads a Wine prefix's registry file (system.reg, user.reg), whose keys are relative to
// one root:
//
//   WINE REGISTRY Version 2
//   ;; comment                           #arch=win32, #time=..., other # lines: ignored
//   [Software\\Classes\\CLSID] 1700000000   (backslashes doubled, a timestamp after)
//   @="text"   "Name"=dword:00000001   "Name"=str(2):"%SystemRoot%"   "Name"=hex(7):41,00,...
//
// Wine keeps text as Unicode: \xNNNN escapes in strings, UTF-16 bytes in hex(1), hex(2) and
// hex(7) data. Both become ANSI text in the given code page, characters it lacks become '?'.
// Failures read "<file>, line <n>: <what is wrong>".
class WineRegReader {
public:
    explicit WineRegReader(CodePage codePage) : m_codePage(codePage) {}

    Result<std::vector<RegistryEdit>> read(std::string_view text, std::string_view fileName, RegistryRoot into) const;

private:
    CodePage m_codePage;
};

} // namespace platform
