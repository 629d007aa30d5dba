#include "cli/TypeLibCommand.h"

#include "activex/CToolControlEntry.h"
#include "cli/JsonWriter.h"
#include "platform/base/FileSystem.h"
#include "platform/base/Guid.h"
#include "platform/com/FolderTypeLibraryResolver.h"
#include "platform/com/TypeAttributes.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <memory>
#include <optional>
#include <ostream>

namespace morva::cli {

namespace {

// Where imported libraries (stdole2 for fonts and pictures) are looked for after the importing
// library's own folder: Wine's system libraries when they are installed.
constexpr const char* kWineSystemFolder = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows";

struct TypeLibArgs {
    std::string file;
    std::optional<platform::Guid> clsid;
    bool json = false;
    std::vector<std::string> importFolders;
};

std::optional<TypeLibArgs> ParseArgs(const std::vector<std::string>& args, CliStreams& io)
{
    TypeLibArgs parsed;
    auto fail = [&](const std::string& message) {
        io.err << "morva typelib: " << message << " (see 'morva typelib --help')\n";
        return std::nullopt;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            parsed.json = true;
        } else if (arg == "--clsid" || arg == "--imports") {
            if (i + 1 >= args.size())
                return fail(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--imports") {
                parsed.importFolders.push_back(value);
                continue;
            }
            parsed.clsid = platform::Guid::parse(value);
            if (!parsed.clsid)
                return fail("'" + value + "' is not a CLSID");
        } else if (!arg.empty() && arg[0] == '-') {
            return fail("unknown argument '" + arg + "'");
        } else if (parsed.file.empty()) {
            parsed.file = arg;
        } else {
            return fail("expected one type library file");
        }
    }
    if (parsed.file.empty())
        return fail("expected a type library file");
    return parsed;
}

// A coclass of the library: its index, CLSID and name.
struct Coclass {
    uint32_t index;
    platform::Guid clsid;
    std::string name;
};

std::vector<Coclass> CoclassesOf(const platform::TypeLibrary& library)
{
    std::vector<Coclass> coclasses;
    for (uint32_t i = 0; i < library.typeInfoCount(); ++i) {
        const auto kind = library.typeInfoType(i);
        if (!kind || *kind != platform::TypeKind::Coclass)
            continue;
        const auto info = library.typeInfo(i);
        if (!info)
            continue;
        const auto doc = library.documentation(static_cast<int32_t>(i));
        coclasses.push_back({i, (*info)->typeAttributes().guid, doc ? doc->name : std::string()});
    }
    return coclasses;
}

std::string JsonText(const std::string& text)
{
    return JsonWriter::Quote(text);
}

std::string InterfaceFlags(const CXDispInterface& dispInterface)
{
    std::string flags;
    if (dispInterface.m_bIsDefault)
        flags += "default";
    if (dispInterface.m_bIsDefaultSource)
        flags += flags.empty() ? "default source" : " source";
    if (flags.empty())
        flags = "sub-object";
    return flags;
}

void PrintMemberText(const char* kind, const CXDispInterfaceEventMethodItem& member, std::ostream& out)
{
    out << "    " << kind << " " << member.returnType << " " << member.name << "(" << member.paramDecls
        << ")  DISPID " << member.dispId << "  return VT " << member.returnVarType << "  VTS \"" << member.paramVts
        << "\"\n";
}

void PrintText(const Coclass& coclass, const CToolControlEntry& entry, std::ostream& out)
{
    out << "coclass " << coclass.name << " " << coclass.clsid.toRegistryString() << "\n";
    for (const auto& dispInterface : entry.m_interfaces) {
        out << "  interface " << dispInterface->m_strName << " [" << InterfaceFlags(*dispInterface) << "]\n";
        for (const auto& property : dispInterface->m_properties) {
            out << "    property " << property->name << ": " << property->typeText << "  VT " << property->varType
                << "  DISPID " << property->dispId;
            if (!property->paramDecls.empty() || !property->paramVts.empty())
                out << "  params (" << property->paramDecls << ") VTS \"" << property->paramVts << "\"";
            if (!property->shown)
                out << "  hidden";
            out << "\n";
        }
        for (const auto& method : dispInterface->m_methods)
            PrintMemberText("method", *method, out);
        for (const auto& event : dispInterface->m_events)
            PrintMemberText("event", *event, out);
    }
}

void PrintMemberJson(const CXDispInterfaceEventMethodItem& member, std::ostream& out)
{
    out << "{\"name\": " << JsonText(member.name) << ", \"returnType\": " << JsonText(member.returnType)
        << ", \"returnVt\": " << member.returnVarType << ", \"dispId\": " << member.dispId
        << ", \"declaration\": " << JsonText(member.paramDecls) << ", \"vts\": " << JsonText(member.paramVts) << "}";
}

template <typename List, typename Print>
void PrintJsonList(const List& list, std::ostream& out, Print print)
{
    out << "[";
    for (size_t i = 0; i < list.size(); ++i) {
        out << (i ? ", " : "");
        print(*list[i]);
    }
    out << "]";
}

void PrintJson(const Coclass& coclass, const CToolControlEntry& entry, std::ostream& out)
{
    out << "{\"coclass\": " << JsonText(coclass.name) << ", \"clsid\": " << JsonText(coclass.clsid.toRegistryString())
        << ", \"interfaces\": ";
    PrintJsonList(entry.m_interfaces, out, [&](const CXDispInterface& dispInterface) {
        out << "{\"name\": " << JsonText(dispInterface.m_strName) << ", \"default\": "
            << (dispInterface.m_bIsDefault ? "true" : "false")
            << ", \"defaultSource\": " << (dispInterface.m_bIsDefaultSource ? "true" : "false")
            << ", \"typeIndex\": " << dispInterface.m_nTypeIndex << ", \"properties\": ";
        PrintJsonList(dispInterface.m_properties, out, [&](const CXDispInterfacePropItem& property) {
            out << "{\"name\": " << JsonText(property.name) << ", \"type\": " << JsonText(property.typeText)
                << ", \"vt\": " << property.varType << ", \"dispId\": " << property.dispId
                << ", \"declaration\": " << JsonText(property.paramDecls) << ", \"vts\": " << JsonText(property.paramVts)
                << ", \"shown\": " << (property.shown ? "true" : "false") << "}";
        });
        out << ", \"methods\": ";
        PrintJsonList(dispInterface.m_methods, out, [&](const auto& member) { PrintMemberJson(member, out); });
        out << ", \"events\": ";
        PrintJsonList(dispInterface.m_events, out, [&](const auto& member) { PrintMemberJson(member, out); });
        out << "}";
    });
    out << "}";
}

} // namespace

int RunTypeLib(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<TypeLibArgs> parsed = ParseArgs(args, io);
    if (!parsed)
        return kExitUsage;

    platform::FileSystem fs;
    std::vector<std::string> folders;
    for (const std::string& folder : parsed->importFolders)
        folders.push_back(fs.toWindowsPath(folder));
    if (fs.isDirectory(fs.toWindowsPath(kWineSystemFolder)))
        folders.push_back(fs.toWindowsPath(kWineSystemFolder));
    const auto resolver = std::make_shared<platform::FolderTypeLibraryResolver>(fs, folders);

    const std::string path = fs.toWindowsPath(parsed->file);
    auto library = platform::TypeLibrary::loadFile(fs, path, resolver);
    if (!library) {
        io.err << "morva typelib: " << path << " cannot be read as a type library: " << library.message() << "\n";
        return kExitFailure;
    }
    std::vector<Coclass> coclasses = CoclassesOf(**library);
    if (parsed->clsid) {
        std::erase_if(coclasses, [&](const Coclass& c) { return c.clsid != *parsed->clsid; });
        if (coclasses.empty()) {
            io.err << "morva typelib: " << path << " has no coclass " << parsed->clsid->toRegistryString() << "\n";
            return kExitFailure;
        }
    }

    if (parsed->json)
        io.out << "[";
    int status = kExitOk;
    for (size_t i = 0; i < coclasses.size(); ++i) {
        const Coclass& coclass = coclasses[i];
        CToolControlEntry entry;
        entry.m_strServerPath = path;
        entry.m_strClsid = coclass.clsid.toRegistryString();
        if (!entry.ReadTypeLibrary(*library, true)) {
            // What the walk read before it stopped is still printed.
            io.err << "morva typelib: the walk of coclass " << coclass.name << " stopped early\n";
            status = kExitFailure;
        }
        if (parsed->json) {
            io.out << (i ? ",\n " : "");
            PrintJson(coclass, entry, io.out);
        } else {
            io.out << (i ? "\n" : "");
            PrintText(coclass, entry, io.out);
        }
    }
    if (parsed->json)
        io.out << "]\n";
    return status;
}

} // namespace morva::cli
