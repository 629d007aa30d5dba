#include "cli/ControlCommands.h"

#include "catalogue/ControlTypes.h"
#include "cli/CliOptions.h"
#include "cli/CliProject.h"
#include "cli/ItemTypeName.h"
#include "codegen/ControlCodeWriter.h"
#include "model/CControlItem.h"
#include "model/CControlPropertyItem.h"
#include "sourcemodel/CClassItem.h"

#include <charconv>
#include <ostream>

namespace morva::cli {

namespace {

// "L,T,R,B" in form coordinates.
std::optional<platform::Rect> ParseRect(const std::string& text)
{
    int32_t values[4] = {};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        while (at < end && *at == ' ')
            ++at;
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc())
            return std::nullopt;
        at = next;
        while (at < end && *at == ' ')
            ++at;
        if (i < 3) {
            if (at >= end || *at != ',')
                return std::nullopt;
            ++at;
        }
    }
    if (at != end || values[2] < values[0] || values[3] < values[1])
        return std::nullopt;
    return platform::Rect{values[0], values[1], values[2], values[3]};
}

// The control to place: an intrinsic type by its toolbox or runtime class name, or an ActiveX
// control by its wrapper class in the project.
std::optional<NewControl> ControlOfType(CliProject& opened, const std::string& type)
{
    NewControl control;
    if (const std::optional<ItemType> intrinsic = ParseItemType(type); intrinsic && intrinsic->kind == kKindIntrinsic) {
        control.kind = kKindIntrinsic;
        control.typeCode = intrinsic->typeCode;
        return control;
    }
    if (const CClassItem* wrapper = opened.Project().FindClass(type);
        wrapper && wrapper->m_strBaseClass == "CXActiveXCtrl") {
        control.kind = kKindActiveX;
        control.wrapperClass = wrapper->m_strName;
        control.controlEntry = wrapper->m_pControlEntry;
        return control;
    }
    opened.Fail("unknown control type '" + type + "' (a toolbox name such as TextBox, or an ActiveX wrapper class of "
                "the project)");
    return std::nullopt;
}

void PrintControl(const CControlItem& item, std::ostream& out)
{
    out << item.m_strMemberName << " " << item.m_strClassName << " " << item.m_strIdentifierSymbol << "="
        << item.m_nIdentifierNumber << " " << item.m_strPropStringSymbol << "\n";
}

// The project opened and the form and object named by the options found.
struct Target {
    CClassItem* form = nullptr;
    CControlItem* object = nullptr;
};

std::optional<Target> OpenTarget(CliProject& opened, const CliOptions& options, bool needObject)
{
    if (!opened.Open(options.Project()))
        return std::nullopt;
    Target target;
    target.form = opened.FindForm(*options.Value("--form"));
    if (!target.form)
        return std::nullopt;
    if (needObject) {
        target.object = opened.FindObject(*target.form, *options.Value("--object"));
        if (!target.object)
            return std::nullopt;
    }
    return target;
}

} // namespace

int RunAddControl(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("add-control", {"--form", "--type", "--rect", "--in"}, {});
    if (!options.Parse(args, io) || !options.Require({"--form", "--type", "--rect"}, io))
        return kExitUsage;
    const std::optional<platform::Rect> rect = ParseRect(*options.Value("--rect"));
    if (!rect) {
        options.Usage(io, "--rect must be L,T,R,B with R >= L and B >= T");
        return kExitUsage;
    }
    CliProject opened(io, "add-control");
    const std::optional<Target> target = OpenTarget(opened, options, false);
    if (!target)
        return kExitFailure;
    std::optional<NewControl> control = ControlOfType(opened, *options.Value("--type"));
    if (!control)
        return kExitFailure;
    control->rect = *rect;
    if (const std::optional<std::string> container = options.Value("--in")) {
        const CControlItem* holder = target->form->FindByMemberName(*container);
        if (!holder || !holder->IsContainer()) {
            opened.Fail("the form " + target->form->m_strName + " has no frame or picture box " + *container);
            return kExitFailure;
        }
        control->container = holder;
    }
    const std::optional<AddedControl> added =
        AddControl(opened.Services(), *target->form, *control, opened.Counters().nextControl);
    if (!added || !added->item)
        return kExitFailure;
    opened.Counters().nextControl = static_cast<int>(added->controlCounter);
    PrintControl(*added->item, io.out);
    return kExitOk;
}

int RunDeleteControl(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("delete-control", {"--form", "--object"}, {});
    if (!options.Parse(args, io) || !options.Require({"--form", "--object"}, io))
        return kExitUsage;
    CliProject opened(io, "delete-control");
    const std::optional<Target> target = OpenTarget(opened, options, true);
    if (!target)
        return kExitFailure;
    if (target->object->IsFormItem() || target->object->m_nKind == kKindMenuCommand) {
        opened.Fail(*options.Value("--object") + " is not a control of the form");
        return kExitFailure;
    }
    return DeleteControl(opened.Services(), *target->form, *target->object) ? kExitOk : kExitFailure;
}

int RunRename(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("rename", {"--form", "--object", "--to"}, {"--yes"});
    if (!options.Parse(args, io) || !options.Require({"--form", "--object", "--to"}, io))
        return kExitUsage;
    CliProject opened(io, "rename");
    opened.Presenter().answerQuestionsWithYes(options.Has("--yes"));
    const std::optional<Target> target = OpenTarget(opened, options, true);
    if (!target)
        return kExitFailure;
    const std::string member = target->object->m_strMemberName;
    const RenameResult result = RenameControl(opened.Services(), *target->form, *target->object, *options.Value("--to"));
    switch (result.outcome) {
    case RenameResult::Outcome::Renamed:
        if (result.item)
            PrintControl(*result.item, io.out);
        return kExitOk;
    case RenameResult::Outcome::Unchanged:
        // Typing the name it has is no change; any other name left unchanged was declined.
        return options.Value("--to")->substr(0, options.Value("--to")->find('(')) == member ? kExitOk : kExitFailure;
    case RenameResult::Outcome::Refused:
    case RenameResult::Outcome::Failed: return kExitFailure;
    }
    return kExitFailure;
}

int RunSetProperty(const std::vector<std::string>& args, CliStreams& io)
{
    CliOptions options("set-property", {"--form", "--object", "--name", "--value"}, {});
    if (!options.Parse(args, io) || !options.Require({"--form", "--object", "--name", "--value"}, io))
        return kExitUsage;
    CliProject opened(io, "set-property");
    const std::optional<Target> target = OpenTarget(opened, options, true);
    if (!target)
        return kExitFailure;
    CControlItem& item = *target->object;
    const CControlPropertyItem* property = item.FindProperty(*options.Value("--name"));
    if (!property) {
        opened.Fail(item.m_strMemberName + " has no property " + *options.Value("--name"));
        return kExitFailure;
    }
    // The property window's checks of a typed value.
    const std::string value = *options.Value("--value");
    if (value == property->m_strValue)
        return kExitOk;
    if ((property->m_strTypeName != "CString" && value.empty()) || value.find_first_of(",\"") != std::string::npos) {
        opened.Messages().show("Invalid property");
        return kExitFailure;
    }
    // A new tab index swaps with the control that held it; both entries are rewritten.
    CControlItem* swapped = nullptr;
    if (property->m_strName == "TabIndex") {
        int index = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), index);
        if (error != std::errc() || end != value.data() + value.size())
            return kExitFailure;
        for (const auto& other : target->form->GetItems())
            if (other.get() != &item && !other->IsFormItem() && other->GetPropertyValue("TabIndex") == value)
                swapped = other.get();
        if (!item.MoveTabIndex(index))
            return kExitFailure;
    }
    item.SetPropertyValue(property->m_strName, value);
    if (swapped && !WritePropertyString(opened.Services(), *swapped))
        return kExitFailure;
    return WritePropertyString(opened.Services(), item) ? kExitOk : kExitFailure;
}

} // namespace morva::cli
