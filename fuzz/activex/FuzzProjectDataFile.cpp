// Bytes as a project's ActiveX data file: a damaged file must be refused, never crash, and a
// file that reads must write back to bytes that read to the same bytes again.

#include "activex/CArchive.h"
#include "activex/COCXInfo.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace {

std::string Write(const std::vector<std::unique_ptr<morva::CToolControlEntry>>& entries)
{
    morva::CArchiveWriter archive;
    archive.WriteU32(uint32_t(entries.size()));
    for (const auto& entry : entries)
        entry->Serialize(archive);
    return archive.Bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::unique_ptr<morva::CToolControlEntry>> entries;
    if (!morva::COCXInfo::Deserialize(std::string_view(reinterpret_cast<const char*>(data), size), entries))
        return 0;
    const std::string written = Write(entries);
    std::vector<std::unique_ptr<morva::CToolControlEntry>> again;
    if (!morva::COCXInfo::Deserialize(written, again) || Write(again) != written)
        std::abort();
    return 0;
}
