// Feeds arbitrary text to the Insert Files dialog's name reader and to the project file editor.
// The names read, quoted again the way the add-in types them, must read back the same; the
// editor must keep every byte of the project text it was given.

#include "studio/core/InsertFileNames.h"
#include "studio/core/ProjectFileEdit.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = studio::ParseInsertFileNames(text);
    std::string quoted;
    for (const std::string& name : names) {
        if (name.empty() || name.find('"') != std::string::npos)
            std::abort();
        quoted += '"' + name + "\" ";
        (void)studio::ResolveInsertFileName("Z:\\p", name);
    }
    if (studio::ParseInsertFileNames(quoted) != names)
        std::abort();

    const std::string edited = studio::AddSourceFiles(text, names);
    if (edited.size() < text.size())
        std::abort();
    return 0;
}
