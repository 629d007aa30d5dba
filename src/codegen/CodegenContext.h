#pragma once

namespace platform {
class FileSystem;
class MessageService;
} // namespace platform

namespace morva {

// The services a generator works through: files and message boxes. Not owned.
struct CodegenContext {
    platform::FileSystem& fs;
    platform::MessageService& messages;
};

} // namespace morva
