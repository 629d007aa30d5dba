#pragma once

#include <memory>

namespace platform {
class FileSystem;
class MessageService;
class Registry;
class TypeLibraryResolver;
} // namespace platform

namespace morva {

// The services the ActiveX catalogue works through. Not owned; the resolver finds the
// libraries a control's type library imports (none: such references stay unresolved).
struct ActiveXServices {
    platform::Registry& registry;
    platform::FileSystem& fs;
    platform::MessageService& messages;
    std::shared_ptr<const platform::TypeLibraryResolver> resolver;
};

} // namespace morva
