#pragma once

#include "codegen/CodegenContext.h"
#include "codegen/IFolderPicker.h"

#include <optional>
#include <string>
#include <vector>

namespace morva {

// The New Project dialog (dialog resource 144, "New Project") as a model: the texts of its
// fields, the state of its buttons and the handlers a window calls for each change. Message
// boxes go through the context's message service. A window shows it later; headless, tests and
// the command line drive it the same way.
class CNewProjectDlg {
public:
    static constexpr int IDD = 144;
    // Control identifiers of the dialog resource.
    static constexpr int IDC_OK = 1;
    static constexpr int IDC_CANCEL = 2;
    static constexpr int IDC_PROJECT_NAME = 1000;
    static constexpr int IDC_CLASS_NAME = 1003;
    static constexpr int IDC_LOCATION = 1007;
    static constexpr int IDC_IMPL_FILE = 1008;
    static constexpr int IDC_ADD_TO_WORKSPACE = 1013;
    static constexpr int IDC_MDI_FORM = 1019;
    static constexpr int IDC_HEADER_FILE = 1020;
    static constexpr int IDC_BROWSE = 1021;
    static constexpr int IDC_CREATE_WORKSPACE = 1022;

    enum class State { Open, ClosedOk, Cancelled };

    // What the caller does after OK: open the workspace in the IDE and remember the start-up
    // form class.
    struct Outcome {
        std::string workspacePath;        // L\P.dsw
        std::string startupFormClass;     // F
        std::vector<std::string> writtenFiles;
    };

    // Opens the dialog: the location is the current directory, the start-up form fields hold
    // CForm1, form1.h and form1.cpp, OK is disabled.
    CNewProjectDlg(const CodegenContext& context, IFolderPicker& picker, std::string ideVersion);

    // The text of an edit field (IDC_LOCATION, IDC_PROJECT_NAME, IDC_CLASS_NAME, IDC_HEADER_FILE,
    // IDC_IMPL_FILE); empty for any other identifier.
    const std::string& FieldText(int id) const;
    // The user changes an edit field: the field takes the text and its change handler runs.
    void SetFieldText(int id, std::string text);
    bool IsChecked(int id) const;
    // The user clicks a check box or radio button.
    void SetChecked(int id, bool checked);
    bool IsEnabled(int id) const;
    bool IsOkEnabled() const { return m_bOkEnabled; }

    // Handlers, run after the field has its new text.
    void OnChangeProjectName();
    void OnChangeLocation();
    void OnChangeClassName();
    void OnChangeFileName();
    void OnBrowse();
    // Does nothing while OK is disabled. Otherwise refuses an existing location, or generates
    // the project and closes; on failure the dialog stays open with its values.
    void OnOK();
    void OnCancel();

    State GetState() const { return m_state; }
    // Set once the dialog has closed with OK.
    const std::optional<Outcome>& GetOutcome() const { return m_outcome; }

private:
    // The field of an edit control, const or not with the dialog; null for other identifiers.
    template <typename Dialog>
    static auto* FieldOf(Dialog& dialog, int id);
    void UpdateOkButton();

    CodegenContext m_context;
    IFolderPicker& m_picker;
    std::string m_ideVersion;

    // The fields, in the dialog's declaration order.
    std::string m_strLocation;
    std::string m_strProjectName;
    std::string m_strImplFile;
    std::string m_strHeaderFile;
    std::string m_strClassName;
    bool m_bMdiForm = false;
    bool m_bOkEnabled = false;

    State m_state = State::Open;
    std::optional<Outcome> m_outcome;
};

} // namespace morva
