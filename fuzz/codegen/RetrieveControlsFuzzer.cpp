// Arbitrary bytes as a form's header, its source and the resource script: the class parser
// reads the first two, the controls are rebuilt from the creation lines and the script's
// string table, and every site finder and line locator of the code writer runs over the
// texts. Every position found must lie inside its text.

#include "codegen/GeneratedLineKind.h"
#include "codegen/GeneratedLineSites.h"
#include "codegen/RetrieveControls.h"
#include "model/CControlItem.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr uint32_t kKinds[] = {
    morva::kLineCreation,         morva::kLineDeclaration,      morva::kLineHandlerDeclaration,
    morva::kLinePublicMember,     morva::kLineProtectedMember,  morva::kLineMessageMapEntry,
    morva::kLineEventSinkEntry,   morva::kLineFunctionBody,     morva::kLineClassEnd,
    morva::kLinePublicSection,    morva::kLineProtectedSection, morva::kLineMessageMap,
    morva::kLineEventSinkMap,     morva::kLineInclude,          morva::kLineControlSymbols,
    morva::kLineStringTable,      morva::kLineBitmapResource,   morva::kLineIconResource,
    morva::kLineFormResource,     morva::kLineProtectedBlock,   morva::kLineOnCreateCall,
    morva::kLineWindowProcCall,   morva::kLinePaintCall,
};

void CheckRange(const std::optional<morva::TextRange>& range, std::string_view text)
{
    if (range && (range->first > range->end || range->end > text.size()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::string_view header = all.substr(0, size / 3);
    const std::string_view source = all.substr(size / 3, size / 3);
    const std::string_view script = all.substr(2 * (size / 3));
    static platform::FileSystem files; // holds no state that a parse changes
    platform::MessageService messages;
    morva::CProject project(files, messages);
    morva::CClassParser parser(project, files, messages);
    parser.ParseText("Z:\\form.h", header);
    parser.ParseText("Z:\\form.cpp", source);
    parser.ResolveBaseClasses();
    morva::RetrieveControls(project, {script, header, {}, messages});
    morva::RetrieveControls(project, {script, header, {}, messages}); // a second rebuild changes nothing

    for (const auto& item : project.GetClasses()) {
        for (const std::string_view text : {header, source, script}) {
            for (const uint32_t kind : kKinds) {
                const auto position = morva::FindInsertPosition(*item, text, kind, messages);
                if (position && *position > text.size())
                    std::abort();
            }
            for (const auto& control : item->GetItems())
                for (const uint32_t kind : {morva::kLineCreation, morva::kLineDeclaration, morva::kLineStringTable,
                                            morva::kLineFormResource})
                    CheckRange(morva::FindExistingLine(*item, *control, text, kind), text);
        }
    }
    (void)morva::SplitCreationArguments(all);
    (void)morva::StringTableValue(script, "IDS_PROP_TEXTBOX1");
    return 0;
}
