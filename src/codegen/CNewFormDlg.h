#pragma once

#include "codegen/CodegenContext.h"
#include "codegen/GenerateForm.h"

#include <string>
#include <vector>

namespace morva {

class CProject;
class ISourceText;

// The New Form dialog (dialog resource 130, "New Form") as a model: the texts of its fields, the
// state of its controls and the handlers a window calls for each change. Message boxes go
// through the context's message service. OK generates the form into the open project; the
// control counter and the pending-insert list of the target are updated as GenerateForm does.
class CNewFormDlg {
public:
    static constexpr int IDD = 130;
    // Control identifiers of the dialog resource.
    static constexpr int IDC_OK = 1;
    static constexpr int IDC_CANCEL = 2;
    static constexpr int IDC_CLASS_NAME = 1003;
    static constexpr int IDC_IMPL_FILE = 1008;
    static constexpr int IDC_MDI_FORM = 1019;
    static constexpr int IDC_HEADER_FILE = 1020;

    enum class State { Open, ClosedOk, Cancelled };

    // Opens the dialog: the class is the project's first free CForm<n>, the files follow it,
    // and the MDI Form check box is disabled when the project already has an MDI form.
    CNewFormDlg(const CodegenContext& context, const NewFormTarget& target);

    // The text of an edit field (IDC_CLASS_NAME, IDC_HEADER_FILE, IDC_IMPL_FILE); empty for
    // any other identifier.
    const std::string& FieldText(int id) const;
    // The user changes an edit field: the field takes the text and its change handler runs.
    void SetFieldText(int id, std::string text);
    bool IsChecked(int id) const;
    // The user clicks the MDI Form check box; a disabled box does not change.
    void SetChecked(int id, bool checked);
    bool IsEnabled(int id) const;
    bool IsOkEnabled() const { return m_bOkEnabled; }

    // Handlers, run after the field has its new text.
    void OnChangeClassName();
    void OnChangeFileName();
    // Does nothing while OK is disabled. Otherwise refuses a missing project folder, or
    // generates the form and closes; on failure the dialog stays open with its values.
    void OnOK();
    void OnCancel();

    State GetState() const { return m_state; }

private:
    std::string* FieldOf(int id);
    void UpdateOkButton();

    CodegenContext m_context;
    NewFormTarget m_target;

    // The fields, in the dialog's declaration order.
    std::string m_strImplFile;
    std::string m_strHeaderFile;
    std::string m_strClassName;
    bool m_bMdiForm = false;
    bool m_bMdiEnabled = true;
    bool m_bOkEnabled = false;

    State m_state = State::Open;
};

} // namespace morva
