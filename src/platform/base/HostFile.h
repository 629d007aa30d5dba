#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace platform {

// Small helpers over host (POSIX) paths shared by the file layer's sources.
namespace hostfile {

// The folder of a host path: "/a/b" -> "/a", "/a" -> "/".
std::string parentFolder(const std::string& path);
// The last component of a host path.
std::string baseName(const std::string& path);
// `folder` + "/" + `name`, without doubling the slash after "/".
std::string join(const std::string& folder, std::string_view name);
// Read-only as Windows sees it: no write permission bit at all, or the caller may not write
// (a read-only file system, another user's file). Root is bound by the first rule too.
bool isReadOnly(const std::string& path, mode_t mode);

} // namespace hostfile
} // namespace platform
