#pragma once

#include "activex/ActiveXServices.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/com/FolderTypeLibraryResolver.h"
#include "platform/registry/Registry.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// A world for the catalogue: C: is a fresh folder, D: the type-library fixtures, the
// registry holds fixtures/controls.reg, and imported libraries are looked for in Wine's
// folder (stdole2 for the font and picture interfaces).
namespace axtest {

inline const std::string kWineFolder = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/";

inline bool HaveWineFile(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(kWineFolder + name, ec);
}

struct World {
    TempFolder temp;
    platform::FileSystem fs;
    platform::MessageService messages;
    platform::Registry registry;
    morva::ActiveXServices services{registry, fs, messages, nullptr};

    explicit World(bool loadControls = true)
    {
        fs.mapDrive('C', temp.path());
        fs.mapDrive('D', MORVA_COM_FIXTURES);
        fs.mapDrive('W', kWineFolder);
        services.resolver =
            std::make_shared<platform::FolderTypeLibraryResolver>(fs, std::vector<std::string>{"W:\\"});
        if (loadControls) {
            platform::Status loaded = registry.loadRegFile(fs, fs.toWindowsPath(std::string(MORVA_AX_FIXTURES) + "/controls.reg"));
            EXPECT_TRUE(loaded.isOk()) << loaded.message();
        }
    }
};

} // namespace axtest
