#include "platform/com/TypeLibrary.h"

#include "platform/base/FileSystem.h"
#include "platform/com/DualInterfaceView.h"
#include "platform/com/HResult.h"
#include "platform/com/MsftReader.h"
#include "platform/com/PeImage.h"
#include "platform/com/TypeInfo.h"

namespace platform {

namespace {

Status notFound(const std::string& what)
{
    return Status::failure(what + " not found in the type library", TYPE_E_ELEMENTNOTFOUND);
}

std::string named(const std::string& path)
{
    return path.empty() ? std::string("The type library") : "The type library '" + path + "'";
}

// Splits "module\2" into the module's path and the resource number; nothing when the last
// component is not a number.
std::optional<std::pair<std::string_view, uint16_t>> splitResourceNumber(std::string_view path)
{
    const size_t slash = path.find_last_of("\\/");
    if (slash == std::string_view::npos || slash + 1 == path.size() || path.size() - slash > 6)
        return std::nullopt;
    uint32_t number = 0;
    for (char c : path.substr(slash + 1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + uint32_t(c - '0');
    }
    if (number > 0xFFFF)
        return std::nullopt;
    return std::pair(path.substr(0, slash), uint16_t(number));
}

} // namespace

ComPtr<TypeLibrary> makeTypeLibrary(TypeLibraryData data, std::string path, std::shared_ptr<const TypeLibraryResolver> resolver)
{
    return ComPtr<TypeLibrary>(new TypeLibrary(std::move(data), std::move(path), std::move(resolver)));
}

TypeLibrary::TypeLibrary(TypeLibraryData data, std::string path, std::shared_ptr<const TypeLibraryResolver> resolver)
    : m_data(std::make_shared<const TypeLibraryData>(std::move(data))),
      m_path(std::move(path)),
      m_resolver(std::move(resolver))
{
}

Result<ComPtr<TypeLibrary>> TypeLibrary::load(std::span<const uint8_t> bytes, std::string path,
                                              std::shared_ptr<const TypeLibraryResolver> resolver, uint16_t resourceId)
{
    std::span<const uint8_t> library = bytes;
    if (bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'Z') {
        auto image = PeImage::parse(bytes);
        if (!image)
            return Status::failure(named(path) + " cannot be loaded: " + image.message(), TYPE_E_CANTLOADLIBRARY);
        auto resource = image->findResource(ResourceId::named("TYPELIB"), ResourceId::number(resourceId));
        if (!resource)
            return Status::failure(named(path) + " cannot be loaded: " + resource.message(), TYPE_E_CANTLOADLIBRARY);
        library = *resource;
    }
    auto data = MsftReader::read(library);
    if (!data)
        return Status::failure(named(path) + " cannot be read. " + data.message(), data.code());
    return makeTypeLibrary(std::move(data).value(), std::move(path), std::move(resolver));
}

Result<ComPtr<TypeLibrary>> TypeLibrary::loadFile(const FileSystem& fileSystem, std::string_view path,
                                                  std::shared_ptr<const TypeLibraryResolver> resolver)
{
    std::string_view file = path;
    uint16_t resourceId = defaultResourceId;
    if (!fileSystem.exists(path)) {
        if (auto split = splitResourceNumber(path); split && fileSystem.exists(split->first)) {
            file = split->first;
            resourceId = split->second;
        }
    }
    auto text = fileSystem.readWholeFile(file);
    if (!text)
        return Status::failure(named(std::string(path)) + " cannot be loaded: " + text.message(), TYPE_E_CANTLOADLIBRARY);
    const auto* begin = reinterpret_cast<const uint8_t*>(text->data());
    return load(std::span<const uint8_t>(begin, text->size()), std::string(file), std::move(resolver), resourceId);
}

Result<TypeKind> TypeLibrary::typeInfoType(uint32_t index) const
{
    if (index >= typeInfoCount())
        return notFound("Type " + std::to_string(index));
    return m_data->types[index].attributes.typeKind;
}

Result<ComPtr<TypeInfo>> TypeLibrary::typeInfo(uint32_t index) const
{
    if (index >= typeInfoCount())
        return notFound("Type " + std::to_string(index));
    const bool dual = DualInterfaceView::isDual(m_data->types[index]);
    return typeInfoView(index, dual ? TypeInfoView::DualDispatch : TypeInfoView::Stored);
}

Result<ComPtr<TypeInfo>> TypeLibrary::typeInfoView(uint32_t index, TypeInfoView view) const
{
    if (index >= typeInfoCount())
        return notFound("Type " + std::to_string(index));
    const ComPtr<const TypeLibrary> self(this);
    switch (view) {
    case TypeInfoView::Stored:
        return makeCom<TypeInfo>(self, index);
    case TypeInfoView::DualDispatch:
    case TypeInfoView::DualInterface:
        if (!DualInterfaceView::isDual(m_data->types[index]))
            return notFound("The dual view of type " + std::to_string(index));
        break;
    }
    if (view == TypeInfoView::DualInterface)
        return makeCom<TypeInfo>(self, index, view, DualInterfaceView::interfaceView(*this, index));
    DualViewData data = DualInterfaceView::dispatchView(*this, index);
    return makeCom<TypeInfo>(self, index, view, std::move(data.type), std::move(data.foreign));
}

Result<ComPtr<TypeInfo>> TypeLibrary::typeInfoOfGuid(const Guid& guid) const
{
    for (uint32_t i = 0; i < typeInfoCount(); ++i) {
        if (m_data->types[i].attributes.guid == guid)
            return typeInfo(i);
    }
    return notFound("Type " + guid.toRegistryString());
}

Result<Documentation> TypeLibrary::documentation(int32_t index) const
{
    if (index == MEMBERID_NIL)
        return m_data->documentation;
    if (index < 0 || uint32_t(index) >= typeInfoCount())
        return notFound("Type " + std::to_string(index));
    const TypeInfoData& type = m_data->types[size_t(index)];
    return Documentation{type.name, type.docString, type.helpContext, m_data->documentation.helpFile};
}

Result<ComPtr<TypeInfo>> TypeLibrary::typeInfoOfReference(HRefType hrefType) const
{
    auto location = locateReference(hrefType);
    if (!location)
        return location.status();
    return location->library->typeInfo(location->index);
}

Result<ComPtr<TypeInfo>> TypeLibrary::importedTypeInfo(HRefType hrefType) const
{
    if (!(hrefType & 1))
        return notFound("Imported type reference " + std::to_string(hrefType));
    return typeInfoOfReference(hrefType);
}

Result<TypeLibrary::TypeLocation> TypeLibrary::locateReference(HRefType hrefType) const
{
    constexpr HRefType entrySize = 0x64; // local references are offsets into the type table
    if (!(hrefType & 1)) {
        if (hrefType % entrySize != 0 || hrefType / entrySize >= typeInfoCount())
            return notFound("Type reference " + std::to_string(hrefType));
        return TypeLocation{ComPtr<const TypeLibrary>(this), hrefType / entrySize};
    }
    const auto found = m_data->importedTypes.find(hrefType);
    if (found == m_data->importedTypes.end())
        return notFound("Type reference " + std::to_string(hrefType));
    const ImportedTypeData& type = found->second;
    if (type.library >= m_data->imports.size())
        return notFound("Imported library " + std::to_string(type.library));
    const ImportedLibraryData& import = m_data->imports[type.library];

    ComPtr<TypeLibrary> library;
    {
        std::lock_guard lock(m_importsMutex);
        if (auto it = m_imports.find(type.library); it != m_imports.end())
            library = it->second;
    }
    if (!library) {
        if (!m_resolver)
            return Status::failure("The imported type library '" + import.fileName + "' " + import.guid.toRegistryString() +
                                       " cannot be loaded: no search path was given",
                                   TYPE_E_CANTLOADLIBRARY);
        auto loaded = m_resolver->resolve(import, m_path);
        if (!loaded)
            return loaded.status();
        library = *loaded;
        std::lock_guard lock(m_importsMutex);
        m_imports.emplace(type.library, library);
    }
    if (!type.guid) {
        if (type.index >= library->typeInfoCount())
            return notFound("Type " + std::to_string(type.index) + " of '" + import.fileName + "'");
        return TypeLocation{library, type.index};
    }
    for (uint32_t i = 0; i < library->typeInfoCount(); ++i) {
        if (library->m_data->types[i].attributes.guid == *type.guid)
            return TypeLocation{library, i};
    }
    return notFound("Type " + type.guid->toRegistryString() + " of '" + import.fileName + "'");
}

void* TypeLibrary::interfaceFor(const Guid& requested)
{
    if (requested == IID_ITypeLib)
        return static_cast<TypeLibrary*>(this);
    return ComObject::interfaceFor(requested);
}

} // namespace platform
