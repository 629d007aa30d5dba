#include "cli/NewProjectCommand.h"

#include "cli/StreamMessagePresenter.h"
#include "codegen/CNewProjectDlg.h"
#include "codegen/QueuedFolderPicker.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"

#include <optional>
#include <ostream>

namespace morva::cli {

namespace {

struct NewProjectArgs {
    std::string location;
    std::string name;
    std::optional<std::string> className;
    std::optional<std::string> headerFile;
    std::optional<std::string> implFile;
    bool mdi = false;
    std::string ideVersion = "6.0";
};

// The arguments, or nothing after a usage message.
std::optional<NewProjectArgs> ParseArgs(const std::vector<std::string>& args, CliStreams& io)
{
    NewProjectArgs parsed;
    bool haveLocation = false;
    bool haveName = false;
    auto fail = [&](const std::string& message) {
        io.err << "morva new-project: " << message << " (see 'morva new-project --help')\n";
        return std::nullopt;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--mdi") {
            parsed.mdi = true;
            continue;
        }
        std::string* target = nullptr;
        std::optional<std::string>* optionalTarget = nullptr;
        if (option == "--location") {
            target = &parsed.location;
            haveLocation = true;
        } else if (option == "--name") {
            target = &parsed.name;
            haveName = true;
        } else if (option == "--ide-version") {
            target = &parsed.ideVersion;
        } else if (option == "--class") {
            optionalTarget = &parsed.className;
        } else if (option == "--header") {
            optionalTarget = &parsed.headerFile;
        } else if (option == "--impl") {
            optionalTarget = &parsed.implFile;
        } else {
            return fail("unknown argument '" + option + "'");
        }
        if (i + 1 >= args.size())
            return fail(option + " needs a value");
        const std::string& value = args[++i];
        if (target)
            *target = value;
        else
            *optionalTarget = value;
    }
    if (!haveLocation || !haveName)
        return fail("--location and --name are required");
    if (parsed.location.empty())
        return fail("--location needs a folder");
    if (parsed.ideVersion != "6.0" && parsed.ideVersion != "5.0")
        return fail("--ide-version must be 6.0 or 5.0");
    return parsed;
}

} // namespace

int RunNewProject(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<NewProjectArgs> parsed = ParseArgs(args, io);
    if (!parsed)
        return kExitUsage;

    platform::FileSystem fs;
    platform::MessageService messages;
    StreamMessagePresenter presenter(io.err);
    messages.setPresenter(&presenter);
    QueuedFolderPicker picker;
    CNewProjectDlg dialog(CodegenContext{fs, messages}, picker, parsed->ideVersion);

    // Typed as a person would: the folder as the dialog shows it (ending in a backslash, so the
    // name becomes a new last component), the name, the class, then the file fields.
    std::string location = fs.toWindowsPath(parsed->location);
    if (location.back() != '\\')
        location += '\\';
    dialog.SetFieldText(CNewProjectDlg::IDC_LOCATION, location);
    dialog.SetFieldText(CNewProjectDlg::IDC_PROJECT_NAME, parsed->name);
    if (parsed->className)
        dialog.SetFieldText(CNewProjectDlg::IDC_CLASS_NAME, *parsed->className);
    if (parsed->headerFile)
        dialog.SetFieldText(CNewProjectDlg::IDC_HEADER_FILE, *parsed->headerFile);
    if (parsed->implFile)
        dialog.SetFieldText(CNewProjectDlg::IDC_IMPL_FILE, *parsed->implFile);
    dialog.SetChecked(CNewProjectDlg::IDC_MDI_FORM, parsed->mdi);

    if (!dialog.IsOkEnabled()) {
        io.err << "morva new-project: OK stays disabled: the project name, class name, header file and "
                  "implementation file must not be empty\n";
        return kExitFailure;
    }
    dialog.OnOK();
    if (dialog.GetState() != CNewProjectDlg::State::ClosedOk)
        return kExitFailure;
    for (const std::string& file : dialog.GetOutcome()->writtenFiles)
        io.out << file << "\n";
    return kExitOk;
}

} // namespace morva::cli
