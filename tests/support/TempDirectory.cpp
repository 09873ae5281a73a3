#include "TempDirectory.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace Orvik::TestSupport {
namespace {

std::string UniqueName() {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "orvik_test_" + std::to_string(::getpid()) + "_" + std::to_string(ticks) + "_" +
           std::to_string(counter++);
}

} // namespace

TempDirectory::TempDirectory()
    : root_(std::filesystem::temp_directory_path() / UniqueName()) {
    std::filesystem::create_directories(root_);
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::set<std::string> TempDirectory::Tree() const {
    std::set<std::string> entries;
    for (auto it = std::filesystem::recursive_directory_iterator(root_);
         it != std::filesystem::recursive_directory_iterator(); ++it)
        entries.insert(std::filesystem::relative(it->path(), root_).generic_string());
    return entries;
}

std::string TempDirectory::PathOf(const std::string& fileName) const {
    return (root_ / fileName).string();
}

std::string TempDirectory::Write(const std::string& fileName, const std::string& bytes) const {
    const std::string path = PathOf(fileName);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace Orvik::TestSupport
