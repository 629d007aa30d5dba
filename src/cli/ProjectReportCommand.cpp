#include "cli/ProjectReportCommand.h"

#include "catalogue/ControlTypes.h"
#include "cli/CliProject.h"
#include "cli/JsonWriter.h"
#include "model/CControlItem.h"
#include "model/CControlPropertyItem.h"
#include "sourcemodel/CClassItem.h"

#include <ostream>

namespace morva::cli {

namespace {

struct InspectArgs {
    std::string project;
    bool json = false;
};

std::optional<InspectArgs> ParseArgs(const std::vector<std::string>& args, CliStreams& io)
{
    InspectArgs parsed;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            parsed.json = true;
        } else if (arg.starts_with("--") || !parsed.project.empty()) {
            io.err << "morva inspect: unknown argument '" << arg << "' (see 'morva inspect --help')\n";
            return std::nullopt;
        } else {
            parsed.project = arg;
        }
    }
    if (parsed.project.empty()) {
        io.err << "morva inspect: the project file is required (see 'morva inspect --help')\n";
        return std::nullopt;
    }
    return parsed;
}

std::string ContainerName(const CControlItem& item)
{
    return item.m_pContainer ? item.m_pContainer->m_strMemberName : std::string();
}

// --- JSON ------------------------------------------------------------------------------------

void WriteRange(JsonWriter& json, const std::string& file, int64_t begin, int64_t end)
{
    json.BeginObject();
    json.Key("file").String(file);
    json.Key("begin").Number(begin);
    json.Key("end").Number(end);
    json.EndObject();
}

void WriteClassJson(JsonWriter& json, const CClassItem& item)
{
    json.BeginObject();
    json.Key("name").String(item.m_strName);
    json.Key("base").String(item.m_strBaseClass);
    json.Key("rootBase").String(item.m_strRootBase);
    json.Key("header").String(item.m_strHeaderFile);
    json.Key("isWindow").Bool(item.m_bIsWindowClass);
    json.Key("isForm").Bool(item.m_bIsForm);
    json.Key("functions").BeginArray();
    for (const auto& function : item.m_functions) {
        json.BeginObject();
        json.Key("name").String(function->m_strName);
        json.Key("file").String(function->m_strFile);
        json.Key("line").Number(function->m_nLine);
        json.EndObject();
    }
    json.EndArray();
    json.Key("variables").BeginArray();
    for (const auto& variable : item.m_variables) {
        json.BeginObject();
        json.Key("type").String(variable->m_strType);
        json.Key("name").String(variable->m_strName);
        json.EndObject();
    }
    json.EndArray();
    json.Key("blocks").BeginArray();
    for (const auto& block : item.m_blocks) {
        json.BeginObject();
        json.Key("name").String(block->m_strName);
        json.Key("file").String(block->m_strFile);
        json.Key("start").Number(block->m_nStart);
        json.Key("end").Number(block->m_nEnd);
        json.EndObject();
    }
    json.EndArray();
    json.Key("messageMap");
    json.BeginObject();
    json.Key("file").String(item.m_strMessageMapFile);
    json.Key("begin").Number(item.m_nMessageMapBegin);
    json.Key("end").Number(item.m_nMessageMapEnd);
    json.Key("entries").BeginArray();
    for (const auto& function : item.m_functions) {
        if (function->m_strMessage.empty())
            continue;
        json.BeginObject();
        json.Key("message").String(function->m_strMessage);
        json.Key("controlId").String(function->m_strControlId);
        json.Key("function").String(function->m_strName);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    json.Key("eventSinkMap");
    WriteRange(json, item.m_strEventSinkMapFile, item.m_nEventSinkMapBegin, item.m_nEventSinkMapEnd);
    json.EndObject();
}

void WriteItemJson(JsonWriter& json, const CControlItem& item)
{
    json.BeginObject();
    json.Key("member").String(item.m_strMemberName);
    json.Key("class").String(item.m_strClassName);
    json.Key("kind").Number(item.m_nKind);
    json.Key("type").Number(item.m_nTypeCode);
    json.Key("idSymbol").String(item.m_strIdentifierSymbol);
    json.Key("propSymbol").String(item.m_strPropStringSymbol);
    json.Key("idNumber").Number(item.m_nIdentifierNumber);
    json.Key("container");
    if (item.m_pContainer)
        json.String(ContainerName(item));
    else
        json.Null();
    json.Key("array").Bool(item.m_bArrayMember);
    const platform::Rect rect = item.GetRect();
    json.Key("rect").BeginArray();
    for (const int32_t value : {rect.left, rect.top, rect.right, rect.bottom})
        json.Number(value);
    json.EndArray();
    json.Key("properties").BeginArray();
    for (const auto& property : item.GetProperties()) {
        json.BeginObject();
        json.Key("name").String(property->m_strName);
        json.Key("value").String(property->m_strValue);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void WriteJson(CliProject& opened, std::ostream& out)
{
    const CProject& project = opened.Project();
    JsonWriter json(out);
    json.BeginObject();
    json.Key("project").String(project.GetProjectPath());
    json.Key("files").BeginArray();
    for (const std::string& file : project.GetFiles())
        json.String(file);
    json.EndArray();
    json.Key("classes").BeginArray();
    for (const auto& item : project.GetClasses())
        WriteClassJson(json, *item);
    json.EndArray();
    json.Key("forms").BeginArray();
    for (const auto& item : project.GetClasses()) {
        if (!item->m_bIsForm)
            continue;
        json.BeginObject();
        json.Key("class").String(item->m_strName);
        json.Key("menu").String(item->m_strMenuName);
        json.Key("items").BeginArray();
        for (const auto& control : item->GetItems())
            WriteItemJson(json, *control);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.Key("menus").BeginArray();
    for (const CMenuResource& menu : project.GetMenus()) {
        json.BeginObject();
        json.Key("symbol").String(menu.m_strSymbol);
        json.Key("items").BeginArray();
        for (const CMenuResourceItem& entry : menu.m_items) {
            json.BeginObject();
            json.Key("caption").String(entry.m_strCaption);
            json.Key("popup").Bool(entry.m_bIsPopup);
            json.Key("separator").Bool(entry.m_bIsSeparator);
            json.Key("command").String(entry.m_strCommand);
            json.Key("depth").Number(entry.m_nDepth);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.Key("counters");
    json.BeginObject();
    json.Key("nextControl").Number(opened.Counters().nextControl);
    json.Key("nextResource").OptionalNumber(opened.Counters().nextResource);
    json.EndObject();
    json.EndObject();
}

// --- Text ------------------------------------------------------------------------------------

void WriteText(CliProject& opened, std::ostream& out)
{
    const CProject& project = opened.Project();
    out << "project " << project.GetProjectPath() << "\n\nfiles\n";
    for (const std::string& file : project.GetFiles())
        out << "  " << file << "\n";
    out << "\nclasses\n";
    for (const auto& item : project.GetClasses()) {
        out << "  " << item->m_strName;
        if (!item->m_strBaseClass.empty())
            out << " : " << item->m_strBaseClass;
        if (!item->m_strRootBase.empty() && item->m_strRootBase != item->m_strBaseClass)
            out << " (root " << item->m_strRootBase << ")";
        out << (item->m_bIsForm ? " [form]" : item->m_bIsWindowClass ? " [window]" : "") << "\n";
        out << "    header " << item->m_strHeaderFile << "\n";
        for (const auto& function : item->m_functions)
            out << "    function " << function->m_strName << " " << function->m_strFile << ":" << function->m_nLine
                << (function->m_strMessage.empty() ? "" : " handles " + function->m_strMessage) << "\n";
        for (const auto& variable : item->m_variables)
            out << "    variable " << variable->m_strType << " " << variable->m_strName << "\n";
    }
    for (const auto& item : project.GetClasses()) {
        if (!item->m_bIsForm)
            continue;
        out << "\nform " << item->m_strName;
        if (item->HasMenu())
            out << " menu " << item->m_strMenuName;
        out << "\n";
        for (const auto& control : item->GetItems()) {
            const platform::Rect rect = control->GetRect();
            const std::string name = control->IsFormItem()                     ? "(form)"
                                     : control->m_nKind == kKindMenuCommand ? "(menu command)"
                                                                            : control->m_strMemberName;
            out << "  " << name << " "
                << control->m_strClassName << " kind " << control->m_nKind << " type " << control->m_nTypeCode;
            if (!control->m_strIdentifierSymbol.empty())
                out << " " << control->m_strIdentifierSymbol << "=" << control->m_nIdentifierNumber;
            if (!control->m_strPropStringSymbol.empty())
                out << " " << control->m_strPropStringSymbol;
            if (control->m_bArrayMember)
                out << " array";
            if (control->m_pContainer)
                out << " in " << ContainerName(*control);
            out << " rect " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << "\n";
            for (const auto& property : control->GetProperties())
                out << "    " << property->m_strName << " = " << property->m_strValue << "\n";
        }
    }
    out << "\nmenus\n";
    for (const CMenuResource& menu : project.GetMenus()) {
        out << "  " << menu.m_strSymbol << "\n";
        for (const CMenuResourceItem& entry : menu.m_items) {
            out << std::string(2 + entry.m_nDepth * 2, ' ');
            if (entry.m_bIsSeparator)
                out << "SEPARATOR\n";
            else
                out << (entry.m_bIsPopup ? "POPUP " : "") << "\"" << entry.m_strCaption << "\""
                    << (entry.m_strCommand.empty() ? "" : " " + entry.m_strCommand) << "\n";
        }
    }
    out << "\ncounters nextControl " << opened.Counters().nextControl << " nextResource ";
    if (opened.Counters().nextResource)
        out << *opened.Counters().nextResource << "\n";
    else
        out << "unset\n";
}

} // namespace

int RunInspect(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<InspectArgs> parsed = ParseArgs(args, io);
    if (!parsed)
        return kExitUsage;
    CliProject opened(io, "inspect");
    if (!opened.Open(parsed->project))
        return kExitFailure;
    if (parsed->json)
        WriteJson(opened, io.out);
    else
        WriteText(opened, io.out);
    return kExitOk;
}

} // namespace morva::cli
