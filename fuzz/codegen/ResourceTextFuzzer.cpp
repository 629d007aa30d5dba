// Arbitrary bytes as resource.h and as the resource script through every reader and site finder.
#include "codegen/ResourceText.h"
#include "platform/base/MessageService.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace morva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    // The first half is resource.h, the rest the script; both are also read as the other.
    const std::string_view header = all.substr(0, size / 2);
    const std::string_view script = all.substr(size / 2);
    platform::MessageService messages;

    for (const std::string_view text : {header, script, all}) {
        (void)SymbolValue(text, "IDC_TEXT1");
        (void)SymbolValue(text, "_APS_NEXT_CONTROL_VALUE");
        (void)SymbolsWithValue(text, "128");
        (void)SymbolsWithValue(text, "0");
        (void)SymbolDefined(text, "IDB_BITMAP128");
        (void)SymbolSite(text);
        (void)StringTableSite(text, messages);
        (void)BitmapSite(text);
        (void)IconSite(text);
        (void)CursorSite(text);
        (void)FindPictureFileName(text, "IDB_BITMAP128");
        (void)FindPictureFileName(text, "IDI_ICON1");
        (void)PictureTypeOf(text);
        std::string edited(text);
        (void)SetNextControlValue(edited, 5001);
        (void)SetNextResourceValue(edited, -1);
    }
    (void)NextStringId(script, header);
    (void)NextStringId(all, all);
    return 0;
}
