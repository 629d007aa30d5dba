#include "cli/ControlsCommand.h"

#include "activex/COCXInfo.h"
#include "activex/ControlRegistryWalk.h"
#include "cli/StreamMessagePresenter.h"
#include "cli/ToolRegistry.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/registry/Registry.h"

#include <optional>
#include <ostream>

namespace morva::cli {

namespace {

struct ControlsArgs {
    bool all = false;
    std::optional<std::string> registryFile;
};

std::optional<ControlsArgs> ParseArgs(const std::vector<std::string>& args, CliStreams& io)
{
    ControlsArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            parsed.all = true;
        } else if (args[i] == "--registry" && i + 1 < args.size()) {
            parsed.registryFile = args[++i];
        } else {
            io.err << "morva controls: " << (args[i] == "--registry" ? "--registry needs a file" : "unknown argument '" + args[i] + "'")
                   << " (see 'morva controls --help')\n";
            return std::nullopt;
        }
    }
    return parsed;
}

// The full registration of each listed control, in the dialog's order: its class key is found
// again by server path and name, as adding the control would find it.
void PrintRegistration(const CToolControlEntry& entry, const platform::Registry& registry,
                       const platform::FileSystem& fs, std::ostream& out)
{
    std::string clsid;
    bool insertable = false;
    std::string bitmap;
    WalkRegisteredControls(registry, [&](const QualifyingClass& cls) {
        auto name = registry.queryDefault(cls.key, "", 520);
        if (cls.serverPath != entry.m_strServerPath || !name || *name != entry.m_strName)
            return true;
        clsid = cls.clsid;
        insertable = registry.openKey(cls.key, "Insertable").isOk();
        bitmap = ReadSubkeyDefault(registry, cls.key, "ToolboxBitmap32");
        return false;
    });
    out << "  CLSID:          " << clsid << "\n"
        << "  type library:   " << entry.m_strTypeLibId << "\n"
        << "  server file:    " << (fs.exists(entry.m_strServerPath) ? "present" : "missing") << "\n"
        << "  toolbox bitmap: " << (bitmap.empty() ? "none (the control cannot be added)" : bitmap) << "\n"
        << "  insertable:     " << (insertable ? "yes" : "no") << "\n";
}

} // namespace

int RunControls(const std::vector<std::string>& args, CliStreams& io)
{
    const std::optional<ControlsArgs> parsed = ParseArgs(args, io);
    if (!parsed)
        return kExitUsage;

    platform::FileSystem fs;
    platform::MessageService messages;
    StreamMessagePresenter presenter(io.err);
    messages.setPresenter(&presenter);
    platform::Registry registry(fs.codePage());
    if (const platform::Status loaded = LoadToolRegistry(parsed->registryFile, registry, fs); !loaded) {
        io.err << "morva controls: " << loaded.message() << "\n";
        return kExitFailure;
    }

    COCXInfo installed(ActiveXServices{registry, fs, messages, nullptr});
    installed.EnumerateInstalledControls();
    for (const auto& entry : installed.Entries()) {
        io.out << entry->m_strName << "\t" << entry->m_strServerPath << "\t" << entry->m_strProgId << "\n";
        if (parsed->all)
            PrintRegistration(*entry, registry, fs, io.out);
    }
    return kExitOk;
}

} // namespace morva::cli
