#pragma once

#include "activex/CActiveXWrapperGenerator.h"
#include "activex/COCXInfo.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace morva {

// The Insert ActiveX Control dialog (dialog resource 141) as a model: a list of every
// installed control; OK adds the chosen one to the project's controls, generates its wrapper
// classes and hands the written files to the IDE for insertion into the project.
class CInsertActiveXControlDlg {
public:
    static constexpr int IDD = 141;
    static constexpr int IDC_OK = 1;
    static constexpr int IDC_CANCEL = 2;
    static constexpr int IDC_CONTROL_LIST = 1000;
    static constexpr const char* kCaption = "Insert ActiveX Control";

    enum class State { Open, ClosedOk, Cancelled };

    // `insertFiles` asks the IDE to insert the generated files into the project (its
    // "InsertFilesIntoProject" command).
    CInsertActiveXControlDlg(COCXInfo& projectControls, std::string projectFile, CActiveXWrapperGenerator& generator,
                             std::function<void(const std::vector<std::string>&)> insertFiles);

    // Lists every installed control; row i is entry i of the dialog's own list.
    void OnInitDialog();
    const std::vector<std::string>& Rows() const { return m_rows; }
    // -1: no selection.
    void SetSelection(int row) { m_selection = row; }
    int GetSelection() const { return m_selection; }

    // Closes the dialog, then adds the selected control; the entry added, or null.
    CToolControlEntry* OnOK();
    void OnCancel() { m_state = State::Cancelled; }
    State GetState() const { return m_state; }

private:
    COCXInfo& m_projectControls;
    std::string m_projectFile;
    CActiveXWrapperGenerator& m_generator;
    std::function<void(const std::vector<std::string>&)> m_insertFiles;
    COCXInfo m_installed; // every installed control, deleted with the dialog
    std::vector<std::string> m_rows;
    int m_selection = -1;
    State m_state = State::Open;
};

} // namespace morva
