// Arbitrary bytes as the header and the source of one project through the class parser: every
// pass stays inside the text, and every offset it records lies inside it.

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"

#include <cstdlib>
#include <string_view>

namespace {

void CheckOffset(int64_t offset, size_t size)
{
    if (offset < -1 || offset > static_cast<int64_t>(size))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static platform::FileSystem files; // holds no state that a parse changes
    platform::MessageService messages;
    morva::CProject project(files, messages);
    morva::CClassParser parser(project, files, messages);
    parser.ParseText("Z:\\fuzz.h", text);
    parser.ParseText("Z:\\fuzz.cpp", text);
    parser.ResolveBaseClasses();
    for (const auto& item : project.GetClasses()) {
        CheckOffset(item->m_nDeclarationStart, size);
        CheckOffset(item->m_nDeclarationEnd, size);
        CheckOffset(item->m_nMessageMapEnd, size);
        CheckOffset(item->m_nEventSinkMapEnd, size);
        for (const auto& function : item->m_functions) {
            CheckOffset(function->m_nBodyEnd, size);
            if (function->HasBody() && (text[function->m_nBodyStart] != '{' || text[function->m_nBodyEnd] != '}'))
                std::abort();
            (void)morva::CClassParser::BodyContainsCall(*function, text, "CreateTFXControls");
        }
        for (const auto& block : item->m_blocks)
            CheckOffset(block->m_nEnd, size);
        (void)item->GetImplementationFile();
    }
    parser.ReparseText("Z:\\fuzz.h", text.substr(0, size / 2));
    parser.ReparseText("Z:\\fuzz.cpp", text.substr(size / 2));
    return 0;
}
