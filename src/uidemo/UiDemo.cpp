// uidemo: the window kernel and the painter on a headless desktop.
//   uidemo --png FILE     one picture: a window with every standard control beside the
//                         painter's test card
//   uidemo --tour FOLDER  the controls, an open drop-down list, a popup menu and a message box,
//                         driven by injected input, one picture per step
// The exit code is 0 when every picture was written.
#include "platform/base/FileSystem.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Key.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MenuTracker.h"
#include "platform/ui/MessageBoxDialog.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StandardClasses.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TreeView.h"

#include "TestCard.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace platform;

namespace {

constexpr const char* tourTemplate = R"(DIALOG 20 20 300 170
CAPTION "Standard controls"
STYLE sysmenu modalframe
CONTROL Static -1 "&Name:" 7 9 30 8
CONTROL Edit 1001 "Hello" 40 7 100 12 border tabstop autohscroll
CONTROL Button 1002 "&Bold" 40 24 60 10 autocheckbox tabstop
CONTROL Button 1009 "Choice" 7 36 140 28 groupbox
CONTROL Button 1010 "&One" 14 48 40 10 autoradiobutton group tabstop
CONTROL Button 1011 "&Two" 60 48 40 10 autoradiobutton
CONTROL ComboBox 1004 "" 150 7 70 60 dropdownlist sort tabstop group
CONTROL ListBox 1006 "" 150 24 70 40 notify vscroll border tabstop
CONTROL ProgressBar 1007 "" 7 70 140 10
CONTROL Edit 1003 "line one\r\nline two" 7 84 140 28 multiline border tabstop
CONTROL TreeView 1008 "" 226 7 68 57 border hasbuttons haslines linesatroot tabstop
CONTROL ScrollBar 1012 "" 150 70 70 10 horizontal
CONTROL TabStrip 1013 "" 150 84 144 50 tabstop
CONTROL Button 1 "OK" 180 150 50 14 defpushbutton tabstop group
CONTROL Button 2 "Cancel" 240 150 50 14 tabstop
)";

class Tour {
public:
    Tour(Desktop& desktop, std::string folder) : m_desktop(desktop), m_folder(std::move(folder)) {}

    // The whole screen into the folder, or into the file itself when the folder is empty.
    bool shoot(const std::string& name)
    {
        auto png = m_desktop.screenshotPng();
        const std::string path = m_folder.empty() ? name : m_folder + "/" + name;
        Status written = png ? m_files.writeWholeFile(m_files.toWindowsPath(path), std::string(png->begin(), png->end()))
                             : png.status();
        if (!written) {
            std::fprintf(stderr, "%s\n", written.message().c_str());
            m_ok = false;
            return false;
        }
        std::printf("%s\n", path.c_str());
        return true;
    }
    bool ok() const { return m_ok; }

private:
    Desktop& m_desktop;
    std::string m_folder;
    FileSystem m_files;
    bool m_ok = true;
};

void fill(Desktop& d, Dialog& dialog)
{
    if (ComboBox* combo = ComboBox::of(d, dialog.item(1004))) {
        for (const char* s : {"Zeta", "Alpha", "Mu"})
            combo->addString(s);
        combo->setSelection(0);
    }
    if (ListBox* list = ListBox::of(d, dialog.item(1006))) {
        for (int i = 0; i < 12; ++i)
            list->addString("Item " + std::to_string(i));
        list->setSelection(1);
    }
    if (ProgressBar* bar = ProgressBar::of(d, dialog.item(1007)))
        bar->setPosition(40);
    if (ScrollBar* bar = ScrollBar::of(d, dialog.item(1012))) {
        bar->setRange(0, 99);
        bar->setPage(20);
        bar->setPosition(30);
    }
    if (TreeView* tree = TreeView::of(d, dialog.item(1008))) {
        const auto forms = tree->insertItem(TreeView::none, "Forms");
        tree->insertItem(forms, "Form1");
        tree->insertItem(forms, "Form2");
        tree->insertItem(TreeView::none, "Modules");
        tree->expand(forms, true);
    }
    if (TabStrip* tabs = TabStrip::of(d, dialog.item(1013)))
        for (const char* s : {"General", "Fonts", "Colours"})
            tabs->insertTab(-1, s);
}


int usage()
{
    std::fprintf(stderr, "usage: uidemo --png FILE | --tour FOLDER | --display\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--display") {
        std::fprintf(stderr, "uidemo: this build has no display backend; --png FILE writes the same picture\n");
        return 2;
    }
    if ((mode != "--png" && mode != "--tour") || argc != 3)
        return usage();
    const bool card = mode == "--png";
    auto created = Desktop::create({card ? 1024 : 800, card ? 480 : 600});
    if (!created) {
        std::fprintf(stderr, "%s\n", created.message().c_str());
        return 1;
    }
    Desktop& desktop = *created.value();
    if (Status s = registerStandardClasses(desktop); !s) {
        std::fprintf(stderr, "%s\n", s.message().c_str());
        return 1;
    }
    if (card) {
        if (Status s = TestCard::registerClass(desktop); !s) {
            std::fprintf(stderr, "%s\n", s.message().c_str());
            return 1;
        }
        if (auto window = TestCard::create(desktop, {540, 20}); !window) {
            std::fprintf(stderr, "%s\n", window.message().c_str());
            return 1;
        }
    }
    auto t = readDialogTemplate(tourTemplate);
    if (!t) {
        std::fprintf(stderr, "%s\n", t.message().c_str());
        return 1;
    }
    Tour tour(desktop, card ? std::string() : std::string(argv[2]));

    // The steps run one at a time whenever a loop waits for input.
    std::vector<std::function<void()>> steps;
    size_t next = 0;
    desktop.setIdleHandler([&](Desktop&) {
        if (next >= steps.size())
            return false;
        steps[next++]();
        return true;
    });
    auto menu = std::make_shared<Menu>();
    menu->append("&Property", 101);
    menu->append("&Event", 102, menuFlag::Grayed);
    menu->appendSeparator();
    auto more = std::make_shared<Menu>();
    more->append("&Deeper", 201);
    menu->appendSubmenu("&More", more);
    menu->append("&Close\tCtrl+W", 103, menuFlag::Checked);
    WindowHandle dialogWindow;
    if (card) {
        steps.push_back([&] { tour.shoot(argv[2]); });
        steps.push_back([&] { desktop.injectKey(key::Escape); });
    }
    if (!card) {
        steps.push_back([&] {
            dialogWindow = desktop.findWindow(Dialog::className);
            tour.shoot("controls.png");
            // Open the drop-down list with the keyboard.
            desktop.setFocus(desktop.childById(dialogWindow, 1004));
            desktop.injectKey(key::F1 + 3);
        });
        steps.push_back([&] {
            tour.shoot("dropdown.png");
            desktop.injectKey(key::Escape);
        });
        steps.push_back([&] {
            const Rect r = desktop.windowRect(dialogWindow);
            trackPopupMenu(desktop, menu, {r.left + 60, r.top + 120}, dialogWindow);
        });
        steps.push_back([&] {
            desktop.injectKey(key::Up);
            desktop.injectKey(key::Up);
            desktop.injectKey(key::Right);
        });
        steps.push_back([&] {
            tour.shoot("menu.png");
            desktop.injectKey(key::Escape);
            desktop.injectKey(key::Escape);
        });
        steps.push_back([&] {
            MessageBoxDialog::run(desktop,
                                  MessageBox{"Do you want to save the changes to Form1?", "Morva", MessageButtons::YesNoCancel,
                                             MessageIcon::Warning},
                                  dialogWindow);
        });
        steps.push_back([&] {
            tour.shoot("messagebox.png");
            desktop.injectKey(key::Escape);
        });
        steps.push_back([&] { desktop.injectKey(key::Escape); });
    }

    auto result = Dialog::runModal(desktop, t.value(), {}, [&](Dialog& dialog, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::InitDialog)
            fill(desktop, dialog);
        return std::nullopt;
    });
    if (!result) {
        std::fprintf(stderr, "%s\n", result.message().c_str());
        return 1;
    }
    if (next != steps.size())
        std::fprintf(stderr, "The tour stopped after step %zu of %zu\n", next, steps.size());
    return tour.ok() && next == steps.size() ? 0 : 1;
}
