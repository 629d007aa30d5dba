#include "cli/CatalogueCommands.h"
#include "cli/CliCommand.h"

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
