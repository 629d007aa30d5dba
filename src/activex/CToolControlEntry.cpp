#include "activex/CToolControlEntry.h"

#include "activex/CArchive.h"

#include <algorithm>

namespace morva {

namespace {

constexpr size_t kMinInterfaceSize = 4 + 4 + 1 + 4 + 3 + 4 + 4 + 3 * 4;
// Larger toolbox bitmaps are damage: the pixels kept would be a sliver of them.
constexpr int32_t kMaxBitmapSide = 1024;

void WriteBitmapBlock(CArchiveWriter& archive, const std::optional<platform::ModuleBitmap>& bitmap)
{
    if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) {
        for (int i = 0; i < 5; ++i)
            archive.WriteU32(0);
        return;
    }
    // Bits as 32-bit pixels, the form the painter keeps; their rows are always 16-bit aligned.
    archive.WriteI32(bitmap->width);
    archive.WriteI32(bitmap->height);
    archive.WriteU32(1);
    archive.WriteU32(32);
    const size_t pixelCount = std::min(bitmap->pixels.size(), CToolControlEntry::kMaxStoredBitmapBytes / 4);
    archive.WriteU32(uint32_t(pixelCount * 4));
    for (size_t i = 0; i < pixelCount; ++i)
        archive.WriteU32(bitmap->pixels[i]);
}

bool ReadBitmapBlock(CArchiveReader& archive, std::optional<platform::ModuleBitmap>& bitmap)
{
    int32_t width = 0, height = 0;
    uint32_t planes = 0, bitsPerPixel = 0, byteCount = 0;
    std::string bits;
    if (!(archive.ReadI32(width) && archive.ReadI32(height) && archive.ReadU32(planes) &&
          archive.ReadU32(bitsPerPixel) && archive.ReadU32(byteCount)))
        return false;
    if (byteCount > CToolControlEntry::kMaxStoredBitmapBytes || !archive.ReadBytes(byteCount, bits))
        return false;
    bitmap.reset();
    if (width == 0 && height == 0)
        return true;
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide || planes != 1 ||
        bitsPerPixel != 32)
        return false;
    platform::ModuleBitmap made;
    made.width = width;
    made.height = height;
    made.bitsPerPixel = 32;
    // Pixels past the stored bytes (a bitmap larger than the block holds) stay transparent.
    made.pixels.assign(size_t(width) * size_t(height), 0);
    for (size_t i = 0; i < made.pixels.size() && (i + 1) * 4 <= bits.size(); ++i) {
        const auto* p = reinterpret_cast<const uint8_t*>(bits.data() + i * 4);
        made.pixels[i] = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    }
    bitmap = std::move(made);
    return true;
}

} // namespace

void CToolControlEntry::Serialize(CArchiveWriter& archive) const
{
    archive.WriteString(m_strName);
    archive.WriteString(m_strServerPath);
    archive.WriteString(m_strClsid);
    archive.WriteString(m_strProgId);
    archive.WriteString(m_strTypeLibId);
    archive.WriteU16(m_bInsertable ? 1 : 0);
    WriteBitmapBlock(archive, m_bitmap);
    archive.WriteU32(uint32_t(m_interfaces.size()));
    for (const auto& dispInterface : m_interfaces)
        dispInterface->Serialize(archive);
}

bool CToolControlEntry::Serialize(CArchiveReader& archive)
{
    uint16_t insertable = 0;
    if (!(archive.ReadString(m_strName) && archive.ReadString(m_strServerPath) && archive.ReadString(m_strClsid) &&
          archive.ReadString(m_strProgId) && archive.ReadString(m_strTypeLibId) && archive.ReadU16(insertable)))
        return false;
    m_bInsertable = insertable != 0;
    uint32_t count = 0;
    if (!ReadBitmapBlock(archive, m_bitmap) || !archive.ReadCount(count, kMinInterfaceSize))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        auto dispInterface = std::make_unique<CXDispInterface>(this);
        if (!dispInterface->Serialize(archive))
            return false;
        m_interfaces.push_back(std::move(dispInterface));
    }
    return true;
}

CXDispInterface* CToolControlEntry::GetDefaultInterface() const
{
    for (const auto& dispInterface : m_interfaces)
        if (dispInterface->m_bIsDefault)
            return dispInterface.get();
    return nullptr;
}

CXDispInterface* CToolControlEntry::GetDefaultEventInterface() const
{
    for (const auto& dispInterface : m_interfaces)
        if (dispInterface->m_bIsDefaultSource)
            return dispInterface.get();
    return nullptr;
}

CXDispInterface* CToolControlEntry::FindInterface(const std::string& name) const
{
    for (const auto& dispInterface : m_interfaces)
        if (dispInterface->m_strName == name)
            return dispInterface.get();
    return nullptr;
}

bool CToolControlEntry::HasPropertyOfType(const std::string& typeText) const
{
    return std::any_of(m_interfaces.begin(), m_interfaces.end(),
                       [&](const auto& dispInterface) { return dispInterface->FindPropertyByType(typeText); });
}

std::vector<const DispatchPropertyInfo*> CToolControlEntry::GetDefaultProperties() const
{
    std::vector<const DispatchPropertyInfo*> properties;
    if (const CXDispInterface* dispInterface = GetDefaultInterface())
        for (const auto& property : dispInterface->m_properties)
            properties.push_back(property.get());
    return properties;
}

std::vector<const DispatchMemberInfo*> CToolControlEntry::GetDefaultMethods() const
{
    std::vector<const DispatchMemberInfo*> methods;
    if (const CXDispInterface* dispInterface = GetDefaultInterface())
        for (const auto& method : dispInterface->m_methods)
            methods.push_back(method.get());
    return methods;
}

std::vector<const DispatchMemberInfo*> CToolControlEntry::GetDefaultEvents() const
{
    std::vector<const DispatchMemberInfo*> events;
    if (const CXDispInterface* dispInterface = GetDefaultEventInterface())
        for (const auto& event : dispInterface->m_events)
            events.push_back(event.get());
    return events;
}

bool CToolControlEntry::NamesDispatchInterface(const std::string& typeText) const
{
    return FindInterface(typeText) != nullptr;
}

} // namespace morva
