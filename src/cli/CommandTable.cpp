#include "cli/CatalogueCommands.h"
#include "cli/CliCommand.h"
#include "cli/ControlCommands.h"
#include "cli/ControlsCommand.h"
#include "cli/FormCommands.h"
#include "cli/InsertActiveXCommand.h"
#include "cli/NewFormCommand.h"
#include "cli/NewProjectCommand.h"
#include "cli/ProjectReportCommand.h"
#include "cli/TypeLibCommand.h"

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
        {"new-form", "add a form to a project",
         "usage: morva new-form PROJECT.dsp [--class CLASS] [--header FILE.h] [--impl FILE.cpp] [--mdi]\n"
         "\n"
         "Opens the project and fills the New Form dialog as a person would: the class (the first\n"
         "free CForm<n> when not given; the file names follow it unless --header or --impl name\n"
         "them) and the MDI Form check box, then presses OK. Writes the form's header and source\n"
         "into the project folder, enters its property value string in the resource script and\n"
         "resource.h, inserts the two files into PROJECT.dsp through its workspace (PROJECT.dsw),\n"
         "makes stdafx.h include the form header, and prints the files written.\n"
         "\n"
         "The dialog's messages go to standard error; a refused form exits non-zero.\n",
         RunNewForm},
        {"add-control", "place a control on a form",
         "usage: morva add-control PROJECT.dsp --form CLASS --type TYPE --rect L,T,R,B [--in MEMBER]\n"
         "\n"
         "Places a new control of TYPE (a toolbox name such as TextBox, or an ActiveX wrapper class\n"
         "of the project) on the form CLASS, at the rectangle given in form coordinates, inside the\n"
         "frame or picture box MEMBER when --in names one. The control gets its name, member,\n"
         "identifier and property-string symbols, and its caption or text, as a newly drawn control\n"
         "does; its #define lines, string-table entry, declaration and creation line are written.\n"
         "Prints the member, class, identifier and property-string symbol.\n",
         RunAddControl},
        {"delete-control", "remove a control from a form",
         "usage: morva delete-control PROJECT.dsp --form CLASS --object MEMBER\n"
         "\n"
         "Deletes the control MEMBER and every control it contains: their declarations and creation\n"
         "lines. The #define lines and string-table entries stay for a control added later.\n",
         RunDeleteControl},
        {"rename", "rename a control",
         "usage: morva rename PROJECT.dsp --form CLASS --object MEMBER --to NAME [--yes]\n"
         "\n"
         "Renames the control as typing NAME into the property window's object box does: NAME is\n"
         "the member name as the box shows it (m_Total; m_Total(2) for an element of an array).\n"
         "When NAME is the member of another control of the same type the control-array question\n"
         "is asked; --yes answers Yes (the control joins the array), otherwise the answer is No and\n"
         "the command fails, changing nothing.\n",
         RunRename},
        {"set-property", "change a property value",
         "usage: morva set-property PROJECT.dsp --form CLASS --object MEMBER|CLASS --name PROP --value TEXT\n"
         "\n"
         "Types TEXT as the value of PROP of the control (or of the form, named by its class) and\n"
         "rewrites its string-table entry. As in the property window, \"Invalid property\" refuses a\n"
         "value holding a comma or a double quote, or an empty value of a property that is not text.\n",
         RunSetProperty},
        {"add-handler", "add an event handler",
         "usage: morva add-handler PROJECT.dsp --form CLASS --object MEMBER|CLASS|COMMAND-ID --event EVENT\n"
         "\n"
         "Adds the handler of EVENT for a control, the form (named by its class) or a command of the\n"
         "form's menu (named by its identifier), as choosing the event in the code bar does: the\n"
         "declaration, the map entry and the body, with any map the class still lacks. Prints the\n"
         "handler's name; an existing handler is left as it is.\n",
         RunAddHandler},
        {"attach-menu", "attach a menu to a form, or detach it",
         "usage: morva attach-menu PROJECT.dsp --form CLASS (--menu SYMBOL | --none)\n"
         "\n"
         "Selects the menu resource SYMBOL of the resource script for the form, or no menu: the\n"
         "form's m_nResID line is rewritten and the menu's commands become objects of the form.\n",
         RunAttachMenu},
        {"inspect", "print what the designer reads from a project",
         "usage: morva inspect PROJECT.dsp [--json]\n"
         "\n"
         "Opens the project as the designer does when the IDE loads it: reads the project file,\n"
         "parses every source in list order (headers first), marks the window and form classes,\n"
         "applies each form's property value string from the resource script, rebuilds the forms'\n"
         "controls from their creation lines, and reads the menus and the identifier counters of\n"
         "resource.h. Prints the files, the classes with their functions, variables, generated\n"
         "blocks and message maps, every form's items with symbols, rectangle and property values,\n"
         "the menus and the counters. Paths are printed in Windows form (Z: is the root).\n"
         "\n"
         "--json prints the same as one JSON object; its layout is described in the README.\n",
         RunInspect},
        {"controls", "list the installed ActiveX controls",
         "usage: morva controls [--all] [--registry FILE.reg]\n"
         "\n"
         "Lists the installed ActiveX controls as the Insert ActiveX Control dialog does, in its\n"
         "order: one line per control with its name, server path and ProgID, separated by tabs.\n"
         "--all adds each control's registration below its line: CLSID, type library, whether\n"
         "the server file is present, its toolbox bitmap (without one the control cannot be\n"
         "added) and whether it is insertable.\n"
         "\n"
         "The controls are read from the studio's registry file ($XDG_CONFIG_HOME/morva/registry.reg,\n"
         "or ~/.config/morva/registry.reg), or from FILE.reg with --registry.\n",
         RunControls},
        {"insert-activex", "add an installed ActiveX control to a project",
         "usage: morva insert-activex PROJECT.dsp --name NAME --server PATH [--registry FILE.reg]\n"
         "\n"
         "Chooses the installed control NAME served by PATH (as 'morva controls' lists them) in\n"
         "the Insert ActiveX Control dialog and presses OK: the control joins the project's control\n"
         "list (PROJECT.dat), its wrapper classes are generated in the project folder and inserted\n"
         "into the project file through its workspace (PROJECT.dsw), and stdafx.h is made to\n"
         "include the form header. Prints the files generated.\n"
         "\n"
         "The dialog's messages go to standard error. A refused insertion exits non-zero and\n"
         "leaves every file as it was. The registry is chosen as for 'morva controls'.\n",
         RunInsertActiveX},
        {"typelib", "print the dispatch model of a type library's coclasses",
         "usage: morva typelib FILE [--clsid CLSID] [--json] [--imports DIR]...\n"
         "\n"
         "Reads the type library FILE (a .tlb, or the type library inside a .ocx or .dll) and runs\n"
         "the designer's full walk for every coclass, or only for CLSID: each dispatch interface\n"
         "with its flags (default, default source, sub-object), its properties with their type\n"
         "texts, VTs and DISPIDs, its methods and events with their declarations and VTS lists.\n"
         "--json prints the same as one JSON array.\n"
         "\n"
         "Imported libraries (stdole2 for fonts and pictures) are looked for beside FILE, in each\n"
         "DIR, then among Wine's system libraries when they are installed.\n",
         RunTypeLib},
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
