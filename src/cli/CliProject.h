#pragma once

#include "activex/ActiveXProjectLoadSteps.h"
#include "activex/COCXInfo.h"
#include "cli/CliCommand.h"
#include "cli/StreamMessagePresenter.h"
#include "codegen/CodeWriterServices.h"
#include "codegen/CodegenContext.h"
#include "codegen/ProjectCounters.h"
#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/registry/Registry.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/ProjectLoader.h"
#include "studio/core/Studio.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morva {
class CClassItem;
class CControlItem;
} // namespace morva

namespace platform {
class TypeLibraryResolver;
} // namespace platform

namespace morva::cli {

// A project opened by a command the way the add-in opens it when the IDE loads it: the project
// file read, every file parsed in list order, window and form classes marked, property strings
// applied, controls rebuilt, menus and counters read, and the project's ActiveX controls read
// from its data file into the toolbox list, each wrapper class linked to its entry. A headless
// studio holds the project's workspace when there is one, so that generated files are inserted
// into the project file the way the IDE inserts them; no document is open, so every edit goes
// to disk. Message boxes appear on the command's error stream.
class CliProject {
public:
    CliProject(CliStreams& io, std::string command);
    CliProject(const CliProject&) = delete;
    CliProject& operator=(const CliProject&) = delete;

    // Opens the project file at the host path; false (with a message) when it does not exist
    // or the registry cannot be read. The installed controls come from `registryFile` (host
    // path) or, without one, from the studio's registry file when there is one.
    bool Open(const std::string& hostPath, const std::optional<std::string>& registryFile = std::nullopt);

    // Whether the project's workspace is open in the studio, so that files can be inserted.
    bool HasWorkspace() const { return m_bHasWorkspace; }
    const std::string& WorkspacePath() const { return m_strWorkspace; }

    // The form class of that name, or null after a message naming the project's forms.
    CClassItem* FindForm(const std::string& className);
    // The form's item with that member name (the class name stands for the form's own item),
    // or null after a message.
    CControlItem* FindObject(CClassItem& form, const std::string& member);

    // Has the studio insert the files into the project and brings the model up to date; false
    // (with a message) when the project has no workspace or the insertion is refused.
    bool InsertIntoProject(std::vector<std::string>& pending);

    StreamMessagePresenter& Presenter() { return m_presenter; }
    // The command's own error line: "morva <command>: <text>".
    void Fail(const std::string& text) const;

    platform::FileSystem& Files() { return m_files; }
    platform::MessageService& Messages() { return m_messages; }
    const CodegenContext& Context() const { return m_context; }
    SourceTextService& SourceText() { return m_sourceText; }
    CProject& Project() { return m_project; }
    CClassParser& Parser() { return m_parser; }
    ProjectCounters& Counters() { return m_counters; }
    ActiveXProjectLoadSteps& Steps() { return m_steps; }
    // The project's ActiveX controls: the toolbox list, kept in the project's data file.
    COCXInfo& Toolbox() { return m_toolbox; }
    const ActiveXServices& ActiveX() const { return m_toolbox.Services(); }
    CodeWriterServices Services() { return {m_context, m_sourceText, m_project, m_parser}; }

private:
    // Imported type libraries are looked for in the system folder of the Windows layer.
    static std::shared_ptr<const platform::TypeLibraryResolver>
    SystemLibraryResolver(const platform::FileSystem& fs);

    CliStreams& m_io;
    std::string m_command;
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    StreamMessagePresenter m_presenter;
    CodegenContext m_context{m_files, m_messages};
    studio::Studio m_studio{m_files, m_messages};
    bool m_bHasWorkspace = false;
    std::string m_strWorkspace;
    IdeAutomation m_ide{&m_studio, m_files};
    SourceTextService m_sourceText{m_ide, m_files, m_messages};
    platform::Registry m_registry{m_files.codePage()};
    // Before the project, whose classes and controls point at its entries.
    COCXInfo m_toolbox{ActiveXServices{m_registry, m_files, m_messages, SystemLibraryResolver(m_files)}};
    CProject m_project{m_files, m_messages};
    CClassParser m_parser{m_project, m_files, m_messages, &m_toolbox};
    ProjectCounters m_counters;
    ActiveXProjectLoadSteps m_steps{m_context, m_sourceText, m_counters, m_toolbox};
    ProjectLoader m_loader{m_project, m_parser, m_steps, m_files};
};

} // namespace morva::cli
