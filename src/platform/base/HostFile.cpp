#include "platform/base/HostFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform::hostfile {

std::string parentFolder(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string join(const std::string& folder, std::string_view name)
{
    std::string out = folder;
    if (out.empty() || out.back() != '/')
        out += '/';
    out += name;
    return out;
}

bool isReadOnly(const std::string& path, mode_t mode)
{
    return (mode & 0222) == 0 || faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

} // namespace platform::hostfile
