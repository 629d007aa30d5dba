#pragma once

#include "codegen/CodegenContext.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <string_view>

namespace morva::test {

// A temporary folder reached through Z:, with a file layer and a headless message service.
class CodegenFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_folder.path().empty());
        m_root = m_fs.toWindowsPath(m_folder.path());
        ASSERT_TRUE(m_fs.setCurrentDirectory(m_root));
    }

    // The Windows form of a path inside the temporary folder.
    std::string win(const std::string& relative) const { return m_root + "\\" + relative; }

    TempFolder m_folder;
    platform::FileSystem m_fs;
    platform::MessageService m_messages;
    CodegenContext m_context{m_fs, m_messages};
    std::string m_root;
};

// The text with the GUID part of every include guard replaced by X's.
inline std::string MaskGuards(const std::string& text)
{
    static const std::regex guid("__[0-9A-F]{8}_[0-9A-F]{4}_[0-9A-F]{4}_[0-9A-F]{4}_[0-9A-F]{12}__INCLUDED_");
    return std::regex_replace(text, guid, "__XXXXXXXX_XXXX_XXXX_XXXX_XXXXXXXXXXXX__INCLUDED_");
}

// The offset of the first LF without a CR before it, or npos.
inline size_t FirstBareLf(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return i;
    return std::string_view::npos;
}

// A generated file of the "test" project with class CForm1, as kept in tests/codegen/golden.
inline std::string GoldenFile(const std::string& name)
{
    std::ifstream in(std::string(CODEGEN_GOLDEN_DIR) + "/test/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace morva::test
