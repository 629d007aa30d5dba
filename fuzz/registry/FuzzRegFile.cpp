// Arbitrary bytes through both registry file readers. Whatever a reader accepts must save as
// REGEDIT4 text that reads back to the same tree and saves to the same bytes.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void checkRoundTrip(const platform::Registry& loaded, const char* reader)
{
    std::string written = loaded.toRegText();
    platform::Registry reread;
    platform::Status status = reread.loadRegText(written, "written.reg");
    if (!status) {
        std::fprintf(stderr, "%s: written text does not read back: %s\n", reader, status.message().c_str());
        std::abort();
    }
    if (!(reread == loaded) || reread.toRegText() != written) {
        std::fprintf(stderr, "%s: written text reads back to another tree\n", reader);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);

    platform::Registry regedit;
    if (regedit.loadRegText(text, "fuzz.reg"))
        checkRoundTrip(regedit, "REGEDIT4");

    platform::Registry wine;
    if (wine.importWineText(text, "system.reg", platform::RegistryRoot::LocalMachine))
        checkRoundTrip(wine, "Wine");
    return 0;
}
