#pragma once

#include <string>

namespace platform {
class FileSystem;
} // namespace platform

namespace morva {

class CClassParser;
class CProject;
class IProgressDialogHost;
class IProjectLoadSteps;

// Builds the whole source model of a project when it is opened: reads its file list, parses
// every file while the progress dialog shows which one, and once the last file is read turns
// the parsed classes into window and form classes with their controls, menus and links.
// Nothing is kept on disk; every opening parses all files again.
class ProjectLoader {
public:
    ProjectLoader(CProject& project, CClassParser& parser, IProjectLoadSteps& steps, platform::FileSystem& files);

    // The whole opening of the project file at `path`; false when the file does not exist.
    // A cancelled or interrupted loop leaves the forms unbuilt until the next opening.
    bool Open(const std::string& path, IProgressDialogHost& progressHost);

    // Parses the next file of the list: 1 when one was parsed and more may follow, 0 when the
    // project is not active, a file could not be read, or the list is done (the finishing steps
    // run on the first call after the last file).
    int ParseNextFile();

    // Window and form classes, form property strings, controls, graphical controls first, the
    // toolbox, menus, views and DDE links.
    void RunFinishingSteps();

private:
    void MarkWindowClasses();
    void MarkFormClasses();

    CProject& m_project;
    CClassParser& m_parser;
    IProjectLoadSteps& m_steps;
    platform::FileSystem& m_files;
};

// The status line shown while the file at `path` is parsed with `filesLeft` after it.
std::string ParseStatusText(const std::string& path, int filesLeft);

} // namespace morva
