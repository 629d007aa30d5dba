#include "cli/NewFormCommand.h"

#include "cli/CliProject.h"
#include "codegen/CNewFormDlg.h"

#include <optional>
#include <ostream>

namespace morva::cli {

namespace {

struct NewFormArgs {
    std::string project;
    std::optional<std::string> className;
    std::optional<std::string> headerFile;
    std::optional<std::string> implFile;
    bool mdi = false;
};

std::optional<NewFormArgs> ParseArgs(const std::vector<std::string>& args, CliStreams& io)
{
    NewFormArgs parsed;
    auto fail = [&](const std::string& message) {
        io.err << "morva new-form: " << message << " (see 'morva new-form --help')\n";
        return std::nullopt;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* target = arg == "--class"    ? &parsed.className
                                             : arg == "--header" ? &parsed.headerFile
                                             : arg == "--impl"   ? &parsed.implFile
                                                                 : nullptr;
        if (target) {
            if (i + 1 >= args.size())
                return fail(arg + " needs a value");
            *target = args[++i];
        } else if (arg == "--mdi") {
            parsed.mdi = true;
        } else if (arg.starts_with("-") || !parsed.project.empty()) {
            return fail("unknown argument '" + arg + "'");
        } else {
            parsed.project = arg;
        }
    }
    if (parsed.project.empty())
        return fail("the project file is required");
    return parsed;
}

} // namespace

int RunNewForm(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<NewFormArgs> parsed = ParseArgs(args, io);
    if (!parsed)
        return kExitUsage;
    CliProject opened(io, "new-form");
    if (!opened.Open(parsed->project))
        return kExitFailure;

    std::vector<std::string> pending;
    int controlCounter = opened.Counters().nextControl;
    CNewFormDlg dialog(opened.Context(), NewFormTarget{opened.Project(), opened.SourceText(), controlCounter, pending});
    // Typed as a person would: the class (the file fields follow it), then the file fields.
    if (parsed->className)
        dialog.SetFieldText(CNewFormDlg::IDC_CLASS_NAME, *parsed->className);
    if (parsed->headerFile)
        dialog.SetFieldText(CNewFormDlg::IDC_HEADER_FILE, *parsed->headerFile);
    if (parsed->implFile)
        dialog.SetFieldText(CNewFormDlg::IDC_IMPL_FILE, *parsed->implFile);
    if (parsed->mdi) {
        if (!dialog.IsEnabled(CNewFormDlg::IDC_MDI_FORM)) {
            opened.Fail("the project already has an MDI form: the MDI Form box is disabled");
            return kExitFailure;
        }
        dialog.SetChecked(CNewFormDlg::IDC_MDI_FORM, true);
    }
    if (!dialog.IsOkEnabled()) {
        opened.Fail("OK stays disabled: the class name, header file and implementation file must not be empty");
        return kExitFailure;
    }
    dialog.OnOK();
    if (dialog.GetState() != CNewFormDlg::State::ClosedOk)
        return kExitFailure;
    opened.Counters().nextControl = controlCounter;
    const std::vector<std::string> written = pending;
    if (!opened.InsertIntoProject(pending))
        return kExitFailure;
    for (const std::string& file : written)
        io.out << file << "\n";
    return kExitOk;
}

} // namespace morva::cli
