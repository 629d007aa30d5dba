#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <system_error>

// A fresh host folder for one test, removed with everything in it (even read-only parts).
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morva-test-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec))
                chmod(it->path().c_str(), 0700);
        }
        chmod(m_path.c_str(), 0700);
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string host(const std::string& relative) const { return m_path + "/" + relative; }

    void write(const std::string& relative, const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(host(relative)).parent_path());
        std::ofstream(host(relative), std::ios::binary) << bytes;
    }
    std::string read(const std::string& relative) const
    {
        std::ifstream in(host(relative), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The folder's entries, sorted: shows a temporary file left behind.
    std::string listing(const std::string& relative = ".") const
    {
        std::string names;
        std::set<std::string> sorted;
        for (const auto& entry : std::filesystem::directory_iterator(host(relative)))
            sorted.insert(entry.path().filename().string());
        for (const std::string& name : sorted)
            names += name + "|";
        return names;
    }

private:
    std::string m_path;
};

inline bool runningAsRoot()
{
    return geteuid() == 0;
}
