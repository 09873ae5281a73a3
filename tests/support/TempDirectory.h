#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace Orvik::TestSupport {

// A fresh directory per test, removed again so runs cannot see each other's files.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    std::string PathOf(const std::string& fileName) const;
    // Writes the bytes to the named file, replacing it, and answers its path.
    std::string Write(const std::string& fileName, const std::string& bytes) const;
    const std::filesystem::path& Root() const { return root_; }
    // Every file, folder and link below the folder, relative to it, without following links.
    std::set<std::string> Tree() const;

private:
    std::filesystem::path root_;
};

// The whole file, or nothing for a file that cannot be read.
std::string ReadFile(const std::filesystem::path& path);

} // namespace Orvik::TestSupport
