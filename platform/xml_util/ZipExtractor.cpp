#include "xml_util/ZipExtractor.h"

#include "orvik/api/FileException.h"
#include "orvik/api/Unicode.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/ZipEntryName.h"

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <zip.h>

namespace Orvik {

namespace fs = boost::filesystem;

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Exclusive creation: an existing file or symbolic link at the target is never written through.
FilePtr CreateNewFile(const fs::path& target) {
#ifdef _WIN32
    return FilePtr(_wfopen(target.c_str(), L"wbx"));
#else
    return FilePtr(std::fopen(target.c_str(), "wbx"));
#endif
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool HasXmlExtension(const std::string& name) {
    return name.size() > 4 &&
           EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - 4), ".xml");
}

bool IsInside(const fs::path& folder, const fs::path& target) {
    const fs::path base = folder.lexically_normal();
    const fs::path candidate = target.lexically_normal();
    auto mismatch = std::mismatch(base.begin(), base.end(), candidate.begin(), candidate.end());
    return mismatch.first == base.end() && mismatch.second != candidate.end();
}

std::string LibzipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string message = zip_error_strerror(&error);
    zip_error_fini(&error);
    return message;
}

} // namespace

void ZipExtractor::ArchiveCloser::operator()(zip* archive) const {
    zip_discard(archive);
}

void ZipExtractor::EntryCloser::operator()(zip_file* entry) const {
    zip_fclose(entry);
}

ZipExtractor::ZipExtractor(UTF16String zipPath, const XMLDocumentLimits& limits)
    : m_zipPath(std::move(zipPath))
    , m_limits(limits)
    , m_archiveStem(FsPathConverter::ToPath(m_zipPath).stem().string()) {}

UTF16String ZipExtractor::ExtractInto(const UTF16String& directory) {
    m_folder = FsPathConverter::ToFolderPath(directory);
    const ArchivePtr archive = OpenArchive();
    const std::uint64_t count = CheckedEntryCount(archive.get());
    CheckDeclaredSizes(archive.get(), count);
    CreateFolder();
    try {
        ExtractEntries(archive.get(), count);
    } catch (...) {
        RemoveFolder();
        throw;
    }
    return FsPathConverter::FromPath(m_stemDocument ? *m_stemDocument : *m_firstDocument);
}

ZipExtractor::ArchivePtr ZipExtractor::OpenArchive() {
    int code = 0;
    const std::string path = Unicode::Utf16ToUtf8(m_zipPath.Value());
    ArchivePtr archive(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive) {
        Fail("cannot open the archive (" + LibzipMessage(code) + ")");
    }
    boost::system::error_code error;
    const std::uintmax_t size = fs::file_size(FsPathConverter::ToPath(m_zipPath), error);
    if (error) {
        Fail("cannot determine the size of the archive (" + error.message() + ")");
    }
    m_archiveBytes = size;
    return archive;
}

std::uint64_t ZipExtractor::CheckedEntryCount(zip* archive) const {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count < 0) {
        Fail("cannot read the list of entries");
    }
    if (static_cast<std::uint64_t>(count) > m_limits.maxZipEntries) {
        Fail("the archive holds " + std::to_string(count) + " entries, more than the limit of " +
             std::to_string(m_limits.maxZipEntries));
    }
    return static_cast<std::uint64_t>(count);
}

void ZipExtractor::CreateFolder() {
    boost::system::error_code error;
    if (!fs::create_directory(m_folder, error) || error) {
        Fail("cannot create the extraction folder '" + m_folder.string() +
             "' (it exists already or its parent is missing)");
    }
    // Others must not plant links in the folder while it is being filled.
    fs::permissions(m_folder, fs::owner_all, error);
}

void ZipExtractor::ExtractEntries(zip* archive, std::uint64_t count) {
    m_buffer.resize(kChunkSize);
    for (std::uint64_t index = 0; index < count; ++index) {
        ExtractEntry(archive, index);
    }
    if (!m_firstDocument) {
        Fail("no XML document at the top level of the archive");
    }
}

void ZipExtractor::ExtractEntry(zip* archive, std::uint64_t index) {
    const char* rawName = zip_get_name(archive, index, 0);
    if (rawName == nullptr) {
        Fail("cannot read the name of entry " + std::to_string(index) + " (" +
             zip_strerror(archive) + ")");
    }
    // libzip hands names over as C strings: a name with an embedded NUL arrives cut at it, and
    // the cut name is the one that is checked and written.
    const std::string name(rawName);
    const ZipEntryName entry(name);
    if (!entry.IsSafe()) {
        Fail("entry '" + name + "' is refused: " + entry.Problem());
    }
    const fs::path target = TargetPath(entry, name);
    boost::system::error_code error;
    if (entry.IsDirectory()) {
        fs::create_directories(target, error);
        if (error) {
            Fail("cannot create folder for entry '" + name + "' (" + error.message() + ")");
        }
        return;
    }
    fs::create_directories(target.parent_path(), error);
    if (error) {
        Fail("cannot create folder for entry '" + name + "' (" + error.message() + ")");
    }
    StreamEntry(archive, index, target, name);
    ConsiderAsDocument(entry, target);
}

fs::path ZipExtractor::TargetPath(const ZipEntryName& entry, const std::string& name) const {
    fs::path target = m_folder;
    for (const auto& component : entry.Components()) {
        target /= component;
    }
    if (!entry.Components().empty() && !IsInside(m_folder, target)) {
        Fail("entry '" + name + "' resolves outside the extraction folder");
    }
    return target;
}

void ZipExtractor::StreamEntry(zip* archive, std::uint64_t index, const fs::path& target,
                               const std::string& name) {
    const EntryPtr source(zip_fopen_index(archive, index, 0));
    if (!source) {
        Fail("cannot read entry '" + name + "' (" + zip_strerror(archive) + ")");
    }
    const FilePtr sink = CreateNewFile(target);
    if (!sink) {
        Fail("cannot create the file for entry '" + name + "' (" + std::strerror(errno) + ")");
    }
    for (;;) {
        const zip_int64_t read = zip_fread(source.get(), m_buffer.data(), m_buffer.size());
        if (read < 0) {
            Fail("cannot read entry '" + name + "' (" + zip_file_strerror(source.get()) + ")");
        }
        if (read == 0) {
            break;
        }
        const auto bytes = static_cast<std::uint64_t>(read);
        CheckUnpackedSize(bytes, name);
        if (std::fwrite(m_buffer.data(), 1, static_cast<std::size_t>(read), sink.get()) !=
            static_cast<std::size_t>(read)) {
            Fail("cannot write entry '" + name + "' (" + std::strerror(errno) + ")");
        }
        m_bytesWritten += bytes;
    }
    if (std::fflush(sink.get()) != 0) {
        Fail("cannot write entry '" + name + "' (" + std::strerror(errno) + ")");
    }
}

void ZipExtractor::ConsiderAsDocument(const ZipEntryName& entry, const fs::path& target) {
    const std::string& fileName = entry.Components().back();
    if (!entry.IsTopLevel() || !HasXmlExtension(fileName)) {
        return;
    }
    if (!m_firstDocument) {
        m_firstDocument = target;
    }
    const std::string_view stem = std::string_view(fileName).substr(0, fileName.size() - 4);
    if (!m_stemDocument && EqualsIgnoringAsciiCase(stem, m_archiveStem)) {
        m_stemDocument = target;
    }
}

// The sizes an archive declares are only trusted to refuse it early: what it unpacks is
// counted all the same.
void ZipExtractor::CheckDeclaredSizes(zip* archive, std::uint64_t count) const {
    std::uint64_t declared = 0;
    for (std::uint64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, index, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0)
            continue;
        const char* name = zip_get_name(archive, index, 0);
        CheckUnpackedTotal(declared, stat.size, name != nullptr ? name : "");
        declared += stat.size;
    }
}

// Both bounds are counted from the bytes actually unpacked, and before the bytes are written.
void ZipExtractor::CheckUnpackedSize(std::uint64_t bytes, const std::string& name) const {
    CheckUnpackedTotal(m_bytesWritten, bytes, name);
}

void ZipExtractor::CheckUnpackedTotal(std::uint64_t before, std::uint64_t bytes,
                                      const std::string& name) const {
    const std::uint64_t total = before + bytes;
    if (bytes > m_limits.maxZipUnpackedBytes - std::min(before, m_limits.maxZipUnpackedBytes)) {
        Fail("entry '" + name + "' takes the unpacked size over the limit of " +
             std::to_string(m_limits.maxZipUnpackedBytes) + " bytes (maxZipUnpackedBytes)");
    }
    if (total <= m_limits.minZipBytesForRatio) {
        return;
    }
    const std::uint64_t packed = std::max<std::uint64_t>(m_archiveBytes, 1);
    // total / packed > ratio, without the product overflowing.
    if (total / packed > m_limits.maxZipUnpackRatio ||
        (total / packed == m_limits.maxZipUnpackRatio && total % packed != 0)) {
        Fail("entry '" + name + "' unpacks to more than " +
             std::to_string(m_limits.maxZipUnpackRatio) + " times the " +
             std::to_string(m_archiveBytes) + " bytes of the archive (limit maxZipUnpackRatio)");
    }
}

void ZipExtractor::RemoveFolder() const {
    boost::system::error_code error;
    fs::remove_all(m_folder, error);
}

void ZipExtractor::Fail(const std::string& what) const {
    FileException exception(UTF8String(
        "Cannot extract '" + Unicode::Utf16ToUtf8(m_zipPath.Value()) + "': " + what + "."));
    exception.SetErrorCode(kErrorCode);
    exception.SetFileName(m_zipPath);
    throw exception;
}

} // namespace Orvik
