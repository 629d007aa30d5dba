#include "cli/CatalogueCommands.h"
#include "cli/CliCommand.h"
#include "cli/NewProjectCommand.h"

namespace morva::cli {

const std::vector<CliCommand>& CommandTable()
{
    static const std::vector<CliCommand> commands = {
        {"catalogue", "list a control type's properties, events and methods",
         "usage: morva catalogue TYPE\n"
         "\n"
         "Prints what the designer knows about a control type or a form type: its runtime class,\n"
         "every property in the order of the property value string with its type, default value\n"
         "and choices, the events a handler can be written for, and the methods of its class.\n"
         "\n"
         "TYPE is a toolbox name (TextBox, Label, ...), Form, MDIForm, or a runtime class name\n"
         "(CXTextBox, CXForm, CXMdiForm); case does not matter.\n",
         RunCatalogue},
        {"propstring", "print the property value string of a new item",
         "usage: morva propstring TYPE\n"
         "\n"
         "Prints the property value string that a new item of TYPE starts with: all its property\n"
         "values in order, each followed by a comma. A new form is captioned \"Form1\"; a control\n"
         "shows its catalogue defaults (placed on a form, its caption or text becomes its name).\n"
         "\n"
         "TYPE is as for 'morva catalogue'.\n",
         RunPropString},
        {"new-project", "create a new project with its start-up form",
         "usage: morva new-project --location DIR --name NAME [--class CLASS] [--header FILE.h]\n"
         "                         [--impl FILE.cpp] [--mdi] [--ide-version 6.0|5.0]\n"
         "\n"
         "Fills the New Project dialog as a person would and presses OK: the location DIR, then\n"
         "the project name NAME (the project folder becomes DIR/NAME), then the class of the\n"
         "start-up form (CForm1 by default; its file names follow it unless --header or --impl\n"
         "name them), and the MDI Form check box. Writes the workspace, the project file, the\n"
         "application class, the start-up form, the resource script, resource.h, stdafx.h,\n"
         "stdafx.cpp and res/NAME.rc2, and prints the files written.\n"
         "\n"
         "--ide-version chooses the IDE the project is for (6.0 by default): the project file's\n"
         "format version and the TFX libraries it links follow it.\n"
         "\n"
         "The dialog's messages go to standard error. The exit status is non-zero when the project\n"
         "was not generated, e.g. because DIR/NAME already exists.\n",
         RunNewProject},
    };
    return commands;
}

const CliCommand* FindCommand(const std::string& name)
{
    for (const CliCommand& command : CommandTable())
        if (name == command.name)
            return &command;
    return nullptr;
}

} // namespace morva::cli
