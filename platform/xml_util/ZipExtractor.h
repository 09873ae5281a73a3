#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/xml/XMLDocumentLimits.h"

#include <boost/filesystem/path.hpp>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct zip;
struct zip_file;

namespace Orvik {

class ZipEntryName;

// Unpacks one archive into a folder of its own. Any failure throws FileException (code 13,
// file name = the archive) after the folder and everything in it have been removed.
class ZipExtractor {
public:
    static constexpr int kErrorCode = 13;

    // Only the zip limits of the value are used.
    ZipExtractor(UTF16String zipPath, const XMLDocumentLimits& limits);

    // The folder must not exist yet. Answers the path of the document inside it.
    UTF16String ExtractInto(const UTF16String& directory);

private:
    struct ArchiveCloser {
        void operator()(zip* archive) const;
    };
    struct EntryCloser {
        void operator()(zip_file* entry) const;
    };
    using ArchivePtr = std::unique_ptr<zip, ArchiveCloser>;
    using EntryPtr = std::unique_ptr<zip_file, EntryCloser>;

    ArchivePtr OpenArchive();
    std::uint64_t CheckedEntryCount(zip* archive) const;
    void CreateFolder();
    void ExtractEntries(zip* archive, std::uint64_t count);
    void ExtractEntry(zip* archive, std::uint64_t index);
    void StreamEntry(zip* archive, std::uint64_t index, const boost::filesystem::path& target,
                     const std::string& name);
    boost::filesystem::path TargetPath(const ZipEntryName& entry, const std::string& name) const;
    void ConsiderAsDocument(const ZipEntryName& entry, const boost::filesystem::path& target);
    void CheckUnpackedSize(std::uint64_t bytes, const std::string& name) const;
    // An archive that owns up to unpacking beyond the limits fails before anything is written.
    void CheckDeclaredSizes(zip* archive, std::uint64_t count) const;
    void CheckUnpackedTotal(std::uint64_t before, std::uint64_t bytes,
                            const std::string& name) const;
    void RemoveFolder() const;
    [[noreturn]] void Fail(const std::string& what) const;

    UTF16String m_zipPath;
    XMLDocumentLimits m_limits;
    std::uint64_t m_archiveBytes = 0;
    std::string m_archiveStem;
    boost::filesystem::path m_folder;
    std::uint64_t m_bytesWritten = 0;
    std::vector<char> m_buffer;
    std::optional<boost::filesystem::path> m_firstDocument;
    std::optional<boost::filesystem::path> m_stemDocument;
};

} // namespace Orvik
