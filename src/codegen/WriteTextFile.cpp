#include "codegen/WriteTextFile.h"

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"

namespace morva {

bool WriteTextFile(std::string_view path, std::string_view text, const CodegenContext& context)
{
    const platform::Status written = context.fs.writeWholeFile(path, text);
    if (!written) {
        // The file layer's message is already the file-error text for the path as given.
        context.messages.show(written.message());
        return false;
    }
    return true;
}

} // namespace morva
