#include "cli/InsertActiveXCommand.h"

#include "activex/CActiveXWrapperGenerator.h"
#include "activex/CInsertActiveXControlDlg.h"
#include "activex/COCXInfo.h"
#include "cli/CliOptions.h"
#include "cli/CliProject.h"
#include "platform/base/FileSystem.h"
#include "sourcemodel/CProject.h"

#include <optional>
#include <ostream>

namespace morva::cli {

namespace {

// The file's bytes before the operation, put back when it is refused.
class FileSnapshot {
public:
    FileSnapshot(const platform::FileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path))
    {
        m_existed = m_fs.exists(m_path);
        if (!m_existed)
            return;
        if (auto bytes = m_fs.readWholeFile(m_path))
            m_bytes = std::move(bytes).value();
    }
    // A file that existed but could not be read is left alone.
    void restore() const
    {
        if (m_bytes)
            (void)m_fs.writeWholeFile(m_path, *m_bytes);
        else if (!m_existed && m_fs.exists(m_path))
            (void)m_fs.removeFile(m_path);
    }

private:
    const platform::FileSystem& m_fs;
    std::string m_path;
    bool m_existed = false;
    std::optional<std::string> m_bytes;
};

} // namespace

int RunInsertActiveX(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("insert-activex", {"--name", "--server", "--registry"}, {});
    if (!options.Parse(args, io) || !options.Require({"--name", "--server"}, io))
        return kExitUsage;
    const std::string name = *options.Value("--name");
    const std::string server = *options.Value("--server");

    CliProject opened(io, "insert-activex");
    platform::FileSystem& fs = opened.Files();
    // The project opened as the add-in opens it, so that the insertion refreshes a loaded model.
    if (!opened.Open(options.Project(), options.Value("--registry")))
        return kExitFailure;
    const std::string projectPath = opened.Project().GetProjectPath();
    if (!opened.HasWorkspace()) {
        opened.Fail(opened.WorkspacePath() + " must be the workspace of " + projectPath);
        return kExitFailure;
    }
    // Adding a control saves the whole list: a list that could not be read would be lost.
    if (opened.Steps().ToolboxFileUnreadable()) {
        opened.Fail("the project's control list " + COCXInfo::DataFilePath(projectPath) + " is damaged");
        return kExitFailure;
    }
    COCXInfo& projectControls = opened.Toolbox();
    // The row of the control, in the dialog's own list order.
    COCXInfo installed(opened.ActiveX());
    installed.EnumerateInstalledControls();
    int row = -1;
    for (size_t i = 0; i < installed.GetCount() && row < 0; ++i) {
        const CToolControlEntry& entry = *installed.GetAt(i);
        if (entry.m_strName == name && fs.codePage().equalsIgnoreCase(entry.m_strServerPath, server))
            row = static_cast<int>(i);
    }
    if (row < 0) {
        opened.Fail("no installed control is named '" + name + "' with the server " + server + " (see 'morva controls')");
        return kExitFailure;
    }

    CProject& project = opened.Project();
    CActiveXWrapperGenerator generator(opened.Context(),
                                       [&](const std::string& wrapper) { return project.FindClass(wrapper) != nullptr; });
    std::vector<std::string> pending;
    CInsertActiveXControlDlg dialog(projectControls, projectPath, generator,
                                    [&](const std::vector<std::string>& files) { pending = files; });
    const FileSnapshot dataFile(fs, COCXInfo::DataFilePath(projectPath));
    dialog.OnInitDialog();
    dialog.SetSelection(row);
    if (!dialog.OnOK() || pending.empty()) {
        dataFile.restore();
        return kExitFailure;
    }
    const std::vector<std::string> written = pending;
    if (!opened.InsertIntoProject(pending))
        return kExitFailure;
    for (const std::string& file : written)
        io.out << file << "\n";
    return kExitOk;
}

} // namespace morva::cli
