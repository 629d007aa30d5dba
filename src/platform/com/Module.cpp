#include "platform/com/Module.h"

#include "platform/base/FileSystem.h"
#include "platform/com/DibDecoder.h"
#include "platform/com/HResult.h"

#include <cerrno>

namespace platform {

Result<Module> Module::load(const FileSystem& fileSystem, std::string_view path)
{
    const std::string name(path);
    if (!fileSystem.exists(path))
        return Status::failure("Module '" + name + "' was not found", ERROR_MOD_NOT_FOUND);
    if (fileSystem.isDirectory(path))
        return Status::failure("Module '" + name + "' is a folder, not a module", TYPE_E_CANTLOADLIBRARY);
    auto text = fileSystem.readWholeFile(path);
    if (!text) {
        const int code = text.code();
        if (code == ENOENT || code == ENOTDIR)
            return Status::failure("Module '" + name + "' was not found", ERROR_MOD_NOT_FOUND);
        if (code == EACCES || code == EPERM)
            return Status::failure(text.message(), ERROR_ACCESS_DENIED);
        return Status::failure(text.message(), TYPE_E_CANTLOADLIBRARY);
    }
    std::vector<uint8_t> bytes(text->begin(), text->end());
    return fromBytes(std::move(bytes), name);
}

Result<Module> Module::fromBytes(std::vector<uint8_t> bytes, std::string path)
{
    auto shared = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    auto image = PeImage::parse(*shared);
    if (!image) {
        std::string message = image.message();
        if (!path.empty())
            message = "Module '" + path + "' cannot be loaded. " + message;
        return Status::failure(std::move(message), image.code());
    }
    return Module(std::move(shared), std::move(image).value(), std::move(path));
}

Result<std::span<const uint8_t>> Module::resource(const ResourceId& type, const ResourceId& name) const
{
    return m_image.findResource(type, name);
}

Result<ModuleBitmap> Module::loadBitmap(const ResourceId& name) const
{
    auto data = resource(ResourceId::number(RT_BITMAP), name);
    if (!data)
        return data.status();
    return DibDecoder::decode(*data);
}

} // namespace platform
