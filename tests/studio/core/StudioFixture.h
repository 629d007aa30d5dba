#pragma once

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "studio/core/Studio.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace studio {

// A studio over a temporary folder, with its files named in Windows form.
class StudioFixture : public ::testing::Test {
protected:
    TempFolder m_folder;
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    Studio m_studio{m_files, m_messages};

    std::string Win(const std::string& relative) const
    {
        std::string path = m_files.toWindowsPath(m_folder.host(relative));
        return path;
    }
};

} // namespace studio
