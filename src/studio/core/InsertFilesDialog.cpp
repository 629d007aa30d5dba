#include "studio/core/InsertFilesDialog.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "studio/core/InsertFileNames.h"

namespace studio {

namespace {

// The file-name box comes first so that it is first in the tab order and gets the focus.
constexpr const char* templateText = R"(
DIALOG 0 0 260 62
CAPTION "Insert Files into Project"
FONT 8 "MS Sans Serif"
STYLE caption sysmenu modalframe
CONTROL Edit 1001 "" 50 8 202 12 border autohscroll tabstop
CONTROL Static 1000 "File &name:" 7 10 40 8
CONTROL Button 1 "OK" 148 40 50 14 defpushbutton tabstop
CONTROL Button 2 "Cancel" 202 40 50 14 pushbutton tabstop
)";

platform::DialogTemplate ReadTemplate()
{
    auto read = platform::readDialogTemplate(templateText);
    return read ? std::move(read).value() : platform::DialogTemplate{};
}

} // namespace

const platform::DialogTemplate& InsertFilesDialog::dialogTemplate()
{
    static const platform::DialogTemplate built = ReadTemplate();
    return built;
}

platform::Result<bool> InsertFilesDialog::run(platform::Desktop& desktop, platform::WindowHandle owner,
                                              const std::string& projectFolder, const Insertion& insert)
{
    const platform::DialogTemplate& t = dialogTemplate();
    if (t.items.empty())
        return platform::Result<bool>::failure("The Insert Files into Project dialog could not be built.");
    auto ended = platform::Dialog::runModal(
        desktop, t, owner, [&](platform::Dialog& dialog, const platform::Message& m) -> std::optional<int64_t> {
            if (m.id != platform::msg::Command || platform::commandId(m.wParam) != platform::commandIds::Ok)
                return std::nullopt;
            std::vector<std::string> paths;
            for (const std::string& name : ParseInsertFileNames(dialog.itemText(fileNameId)))
                paths.push_back(ResolveInsertFileName(projectFolder, name));
            const bool inserted = !paths.empty() && insert && insert(paths);
            dialog.end(inserted ? platform::commandIds::Ok : platform::commandIds::Cancel);
            return 0;
        });
    if (!ended)
        return platform::Result<bool>::failure(ended.message());
    return ended.value() == platform::commandIds::Ok;
}

} // namespace studio
