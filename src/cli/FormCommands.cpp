#include "cli/FormCommands.h"

#include "catalogue/ControlTypes.h"
#include "cli/CliOptions.h"
#include "cli/CliProject.h"
#include "codegen/FormMenu.h"
#include "codegen/HandlerEditor.h"
#include "model/CControlItem.h"
#include "model/ControlNaming.h"
#include "sourcemodel/CClassItem.h"

#include <ostream>

namespace morva::cli {

namespace {

// A control or the form by member or class name, or a command of the form's menu by its
// identifier symbol.
CControlItem* FindHandlerObject(CliProject& opened, CClassItem& form, const std::string& name)
{
    for (const auto& item : form.GetItems())
        if (item->m_nKind == kKindMenuCommand && item->m_strIdentifierSymbol == name)
            return item.get();
    return opened.FindObject(form, name);
}

std::string EventNames(const CControlItem& object)
{
    std::string names;
    for (const CCtrlEventMethodItem& event : object.GetEvents())
        names += (names.empty() ? "" : ", ") + event.m_strName;
    return names.empty() ? "none" : names;
}

} // namespace

int RunAddHandler(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("add-handler", {"--form", "--object", "--event"}, {});
    if (!options.Parse(args, io) || !options.Require({"--form", "--object", "--event"}, io))
        return kExitUsage;
    CliProject opened(io, "add-handler");
    if (!opened.Open(options.Project()))
        return kExitFailure;
    CClassItem* form = opened.FindForm(*options.Value("--form"));
    CControlItem* object = form ? FindHandlerObject(opened, *form, *options.Value("--object")) : nullptr;
    if (!object)
        return kExitFailure;
    const CCtrlEventMethodItem* event = object->FindEvent(*options.Value("--event"));
    if (!event) {
        opened.Fail(*options.Value("--object") + " has no event " + *options.Value("--event") + " (its events: " +
                    EventNames(*object) + ")");
        return kExitFailure;
    }
    // The handler's name is known before the edit, which rebuilds the form's objects.
    const std::string handler = EventHandlerName(*object, event->m_strName);
    const CCtrlEventMethodItem chosen = *event;
    if (!AddEventHandler(opened.Services(), *form, *object, chosen))
        return kExitFailure;
    io.out << handler << "\n";
    return kExitOk;
}

int RunAttachMenu(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("attach-menu", {"--form", "--menu"}, {"--none"});
    if (!options.Parse(args, io))
        return kExitUsage;
    if (options.Has("--menu") == options.Has("--none")) {
        options.Usage(io, "give either --menu SYMBOL or --none");
        return kExitUsage;
    }
    if (!options.Require({"--form"}, io))
        return kExitUsage;
    CliProject opened(io, "attach-menu");
    if (!opened.Open(options.Project()))
        return kExitFailure;
    CClassItem* form = opened.FindForm(*options.Value("--form"));
    if (!form)
        return kExitFailure;
    const std::string menu = options.Value("--menu").value_or("");
    if (!menu.empty() && !opened.Project().FindMenu(menu)) {
        std::string menus;
        for (const CMenuResource& known : opened.Project().GetMenus())
            menus += (menus.empty() ? "" : ", ") + known.m_strSymbol;
        opened.Fail("the project has no menu " + menu + " (its menus: " + (menus.empty() ? "none" : menus) + ")");
        return kExitFailure;
    }
    if (!AttachMenu(opened.Services(), *form, menu)) {
        opened.Fail("the form's file cannot be edited: it is read-only or has no form-data block");
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace morva::cli
