#pragma once

#include <string>
#include <vector>

namespace Orvik::Writer {

// Collects entries in memory and writes them as one deflated zip archive.
// Entry names are stored exactly as given, so tests can build archives with hostile paths.
class ZipPacker {
public:
    void AddFile(std::string entryName, std::string sourcePath);
    void AddBuffer(std::string entryName, std::string bytes);
    void AddDirectory(std::string entryName);
    void Write(const std::string& zipPath) const;

private:
    struct Entry {
        std::string name;
        std::string bytes;
        bool isDirectory;
    };

    void AddEntry(Entry entry);

    std::vector<Entry> entries_;
};

} // namespace Orvik::Writer
