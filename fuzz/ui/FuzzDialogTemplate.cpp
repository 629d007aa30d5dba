// Feeds arbitrary text to the dialog template reader; a template that reads is then built as
// a real dialog with its controls and painted, so that odd sizes and styles reach them too.
// Any input must give a dialog or an error, nothing else.
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace platform;
    auto result = readDialogTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result || result->items.size() > 64)
        return 0;
    // One desktop for the whole run: making fonts for every input would be slow.
    static std::unique_ptr<Desktop> desktop = [] {
        auto made = Desktop::create({320, 240});
        return made ? std::move(made).value() : nullptr;
    }();
    if (!desktop)
        return 0;
    auto dialog = Dialog::create(*desktop, result.value(), {});
    desktop->pumpAll();
    if (dialog)
        desktop->destroyWindow(dialog.value());
    desktop->pumpAll();
    return 0;
}
