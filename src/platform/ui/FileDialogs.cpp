#include "platform/ui/CommonDialogs.h"

#include "platform/base/FileSystem.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBoxDialog.h"
#include "platform/ui/Notification.h"

#include <cctype>

namespace platform {

namespace {

constexpr int32_t nameId = 100;
constexpr int32_t fileListId = 101;
constexpr int32_t folderLabelId = 102;
constexpr int32_t folderListId = 103;
constexpr int32_t typeId = 104;

constexpr const char* fileTemplate = R"(DIALOG 0 0 268 134
STYLE caption sysmenu modalframe
CONTROL Static -1 "File &name:" 6 6 76 9
CONTROL Edit 100 "" 6 16 90 12 border autohscroll tabstop
CONTROL ListBox 101 "" 6 32 90 68 border vscroll sort notify tabstop
CONTROL Static -1 "&Folders:" 110 6 96 9
CONTROL Static 102 "" 110 16 96 9 noprefix singleline
CONTROL ListBox 103 "" 110 32 92 68 border vscroll notify tabstop
CONTROL Static -1 "List files of &type:" 6 104 90 9
CONTROL ComboBox 104 "" 6 114 90 60 dropdownlist tabstop
CONTROL Button 1 "OK" 212 6 50 14 defpushbutton tabstop
CONTROL Button 2 "Cancel" 212 24 50 14 tabstop
)";

constexpr const char* folderTemplate = R"(DIALOG 0 0 212 120
STYLE caption sysmenu modalframe
CONTROL Static -1 "&Folders:" 6 6 140 9
CONTROL Static 102 "" 6 16 140 9 noprefix singleline
CONTROL ListBox 103 "" 6 28 140 86 border vscroll notify tabstop
CONTROL Button 1 "OK" 156 6 50 14 defpushbutton tabstop
CONTROL Button 2 "Cancel" 156 24 50 14 tabstop
)";

bool hasWildcard(std::string_view s)
{
    return s.find_first_of("*?") != std::string_view::npos;
}

// What both dialogs share: the current folder and the list of folders to move into.
struct Browser {
    Desktop& desktop;
    const FileSystem& files;
    std::string folder;
    std::vector<FileFilter> filters;
    std::vector<std::string> patterns; // in force for the file list

    std::string join(const std::string& name) const
    {
        auto joined = files.absolutePath(folder + "\\" + name);
        return joined ? joined.value() : folder;
    }

    std::string parentFolder() const
    {
        auto up = files.absolutePath(folder + "\\..");
        return up ? up.value() : folder;
    }

    bool isRoot() const { return parentFolder() == folder; }

    void fill(Dialog& d, bool withFiles)
    {
        d.setItemText(folderLabelId, folder);
        ListBox* folders = ListBox::of(desktop, d.item(folderListId));
        ListBox* fileList = withFiles ? ListBox::of(desktop, d.item(fileListId)) : nullptr;
        if (folders)
            folders->clear();
        if (fileList)
            fileList->clear();
        if (folders && !isRoot())
            folders->addString("[..]");
        auto names = files.listFolder(folder);
        if (!names)
            return;
        for (const std::string& name : names.value()) {
            if (files.isDirectory(join(name))) {
                if (folders)
                    folders->addString("[" + name + "]");
                continue;
            }
            if (!fileList)
                continue;
            for (const std::string& pattern : patterns)
                if (matchesPattern(name, pattern)) {
                    fileList->addString(name);
                    break;
                }
        }
    }

    // Moves into the folder of a list entry ("[name]" or "[..]").
    bool enter(Dialog& d, const std::string& entry, bool withFiles)
    {
        if (entry.size() < 2 || entry.front() != '[' || entry.back() != ']')
            return false;
        const std::string name = entry.substr(1, entry.size() - 2);
        folder = name == ".." ? parentFolder() : join(name);
        fill(d, withFiles);
        return true;
    }
};

} // namespace

std::vector<FileFilter> parseFileFilter(std::string_view filter)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        const size_t bar = filter.find('|', start);
        const size_t end = bar == std::string_view::npos ? filter.size() : bar;
        parts.emplace_back(filter.substr(start, end - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    std::vector<FileFilter> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter f;
        f.description = parts[i];
        size_t p = 0;
        const std::string& list = parts[i + 1];
        while (p <= list.size()) {
            const size_t semi = list.find(';', p);
            const size_t e = semi == std::string::npos ? list.size() : semi;
            std::string pattern = list.substr(p, e - p);
            while (!pattern.empty() && pattern.front() == ' ')
                pattern.erase(pattern.begin());
            while (!pattern.empty() && pattern.back() == ' ')
                pattern.pop_back();
            if (!pattern.empty())
                f.patterns.push_back(pattern);
            if (semi == std::string::npos)
                break;
            p = semi + 1;
        }
        if (!f.description.empty() && !f.patterns.empty())
            out.push_back(std::move(f));
    }
    return out;
}

bool matchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*.*" || pattern == "*")
        return true;
    // Iterative wildcard match with one back-track point for the last '*'.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    auto same = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::optional<std::string> runFileOpenDialog(Desktop& desktop, const FileSystem& files, WindowHandle owner,
                                             const FileDialogOptions& options)
{
    auto t = readDialogTemplate(fileTemplate);
    if (!t)
        return std::nullopt;
    t.value().caption = options.title;
    Browser browser{desktop, files, {}, parseFileFilter(options.filter), {}};
    if (browser.filters.empty())
        browser.filters.push_back({"All Files (*.*)", {"*.*"}});
    auto start = files.absolutePath(options.initialFolder.empty() ? files.currentDirectory() : options.initialFolder);
    browser.folder = start ? start.value() : files.currentDirectory();
    const size_t firstFilter = size_t(std::clamp(options.filterIndex, 0, int(browser.filters.size()) - 1));
    browser.patterns = browser.filters[firstFilter].patterns;
    std::optional<std::string> chosen;

    auto accept = [&](Dialog& d) {
        std::string typed = d.itemText(nameId);
        while (!typed.empty() && typed.back() == ' ')
            typed.pop_back();
        if (typed.empty()) {
            ListBox* folders = ListBox::of(desktop, d.item(folderListId));
            if (folders && folders->selection() >= 0)
                browser.enter(d, folders->text(folders->selection()), true);
            return;
        }
        if (hasWildcard(typed)) {
            browser.patterns = {typed};
            browser.fill(d, true);
            return;
        }
        const bool absolute = typed.size() >= 2 && (typed[1] == ':' || typed[0] == '\\');
        auto full = files.absolutePath(absolute ? typed : browser.folder + "\\" + typed);
        if (!full)
            return;
        std::string path = full.value();
        if (files.isDirectory(path)) {
            browser.folder = path;
            d.setItemText(nameId, {});
            browser.fill(d, true);
            return;
        }
        const size_t slash = path.find_last_of('\\');
        const std::string leaf = path.substr(slash == std::string::npos ? 0 : slash + 1);
        if (leaf.find('.') == std::string::npos && !options.defaultExtension.empty())
            path += "." + options.defaultExtension;
        if (options.mustExist && !files.exists(path)) {
            MessageBoxDialog::run(desktop,
                                  MessageBox{path + "\nFile not found.\nPlease verify the correct file name was given.",
                                             options.title, MessageButtons::Ok, MessageIcon::Warning},
                                  d.window());
            return;
        }
        chosen = path;
        d.end(commandIds::Ok);
    };

    Result<int64_t> result = Dialog::runModal(desktop, t.value(), owner, [&](Dialog& d, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::InitDialog) {
            if (ComboBox* types = ComboBox::of(desktop, d.item(typeId))) {
                for (const FileFilter& f : browser.filters)
                    types->addString(f.description);
                types->setSelection(int(firstFilter));
            }
            d.setItemText(nameId, options.fileName.empty() ? browser.patterns.front() : options.fileName);
            browser.fill(d, true);
            return std::nullopt;
        }
        if (m.id != msg::Command)
            return std::nullopt;
        const int32_t id = commandId(m.wParam);
        const uint32_t code = commandNotification(m.wParam);
        if (id == commandIds::Ok && code == notification::Clicked) {
            accept(d);
            return 0;
        }
        if (id == fileListId && (code == notification::SelectionChanged || code == notification::DoubleClicked)) {
            ListBox* list = ListBox::of(desktop, d.item(fileListId));
            if (list && list->selection() >= 0)
                d.setItemText(nameId, list->text(list->selection()));
            if (code == notification::DoubleClicked)
                accept(d);
            return 0;
        }
        if (id == folderListId && code == notification::DoubleClicked) {
            ListBox* list = ListBox::of(desktop, d.item(folderListId));
            if (list && list->selection() >= 0)
                browser.enter(d, list->text(list->selection()), true);
            return 0;
        }
        if (id == typeId && code == notification::SelectionChanged) {
            ComboBox* types = ComboBox::of(desktop, d.item(typeId));
            if (types && types->selection() >= 0) {
                browser.patterns = browser.filters[size_t(types->selection())].patterns;
                d.setItemText(nameId, browser.patterns.front());
                browser.fill(d, true);
            }
            return 0;
        }
        return std::nullopt;
    });
    if (!result || result.value() != commandIds::Ok)
        return std::nullopt;
    return chosen;
}

std::optional<std::string> runFolderDialog(Desktop& desktop, const FileSystem& files, WindowHandle owner,
                                           const std::string& title, const std::string& initialFolder)
{
    auto t = readDialogTemplate(folderTemplate);
    if (!t)
        return std::nullopt;
    t.value().caption = title;
    Browser browser{desktop, files, {}, {}, {}};
    auto start = files.absolutePath(initialFolder.empty() ? files.currentDirectory() : initialFolder);
    browser.folder = start && files.isDirectory(start.value()) ? start.value() : files.currentDirectory();
    Result<int64_t> result = Dialog::runModal(desktop, t.value(), owner, [&](Dialog& d, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::InitDialog) {
            browser.fill(d, false);
            return std::nullopt;
        }
        if (m.id == msg::Command && commandId(m.wParam) == folderListId
            && commandNotification(m.wParam) == notification::DoubleClicked) {
            ListBox* list = ListBox::of(desktop, d.item(folderListId));
            if (list && list->selection() >= 0)
                browser.enter(d, list->text(list->selection()), false);
            return 0;
        }
        return std::nullopt;
    });
    if (!result || result.value() != commandIds::Ok)
        return std::nullopt;
    return browser.folder;
}

} // namespace platform
