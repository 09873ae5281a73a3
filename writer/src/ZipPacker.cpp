#include "orvik/writer/ZipPacker.h"

#include "orvik/writer/CFile.h"

#include <memory>
#include <stdexcept>
#include <zip.h>

namespace Orvik::Writer {
namespace {

struct ArchiveDiscarder {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveDiscarder>;
using SourcePtr = std::unique_ptr<zip_source_t, SourceFreer>;

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string LibzipErrorText(int errorCode) {
    zip_error_t error;
    zip_error_init_with_code(&error, errorCode);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

[[noreturn]] void ThrowArchiveError(zip_t* archive, const std::string& what,
                                    const std::string& zipPath) {
    throw std::runtime_error("ZipPacker: " + what + " in " + Quoted(zipPath) + ": " +
                             zip_strerror(archive));
}

ArchivePtr CreateArchive(const std::string& zipPath) {
    int errorCode = 0;
    ArchivePtr archive(zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &errorCode));
    if (!archive) {
        throw std::runtime_error("ZipPacker: cannot create " + Quoted(zipPath) + ": " +
                                 LibzipErrorText(errorCode));
    }
    return archive;
}

void AddDirectoryEntry(zip_t* archive, const std::string& name, const std::string& zipPath) {
    if (zip_dir_add(archive, name.c_str(), ZIP_FL_ENC_GUESS) < 0) {
        ThrowArchiveError(archive, "cannot add directory " + Quoted(name), zipPath);
    }
}

void AddFileEntry(zip_t* archive, const std::string& name, const std::string& bytes,
                  const std::string& zipPath) {
    // The buffer is borrowed, not copied: the packer outlives zip_close inside Write.
    SourcePtr source(zip_source_buffer(archive, bytes.data(), bytes.size(), 0));
    if (!source) {
        ThrowArchiveError(archive, "cannot buffer entry " + Quoted(name), zipPath);
    }
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source.get(), ZIP_FL_ENC_GUESS);
    if (index < 0) {
        ThrowArchiveError(archive, "cannot add entry " + Quoted(name), zipPath);
    }
    // On success the archive owns the source.
    source.release();
    if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0) <
        0) {
        ThrowArchiveError(archive, "cannot deflate entry " + Quoted(name), zipPath);
    }
}

void CloseArchive(ArchivePtr archive, const std::string& zipPath) {
    if (zip_close(archive.get()) < 0) {
        ThrowArchiveError(archive.get(), "cannot write archive", zipPath);
    }
    // zip_close freed the archive; discarding it again would be a double free.
    archive.release();
}

} // namespace

void ZipPacker::AddFile(std::string entryName, std::string sourcePath) {
    std::string bytes;
    try {
        CFile source(sourcePath, "rb");
        bytes = source.ReadAll();
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("ZipPacker: cannot add entry " + Quoted(entryName) + ": " +
                                 error.what());
    }
    AddEntry(Entry{std::move(entryName), std::move(bytes), false});
}

void ZipPacker::AddBuffer(std::string entryName, std::string bytes) {
    AddEntry(Entry{std::move(entryName), std::move(bytes), false});
}

void ZipPacker::AddDirectory(std::string entryName) {
    AddEntry(Entry{std::move(entryName), {}, true});
}

void ZipPacker::Write(const std::string& zipPath) const {
    if (entries_.empty()) {
        // libzip silently writes no file at all for an empty archive.
        throw std::logic_error("ZipPacker: no entries to write to " + Quoted(zipPath));
    }
    ArchivePtr archive = CreateArchive(zipPath);
    for (const Entry& entry : entries_) {
        if (entry.isDirectory) {
            AddDirectoryEntry(archive.get(), entry.name, zipPath);
        } else {
            AddFileEntry(archive.get(), entry.name, entry.bytes, zipPath);
        }
    }
    CloseArchive(std::move(archive), zipPath);
}

void ZipPacker::AddEntry(Entry entry) {
    // c_str() would silently cut the name at an embedded NUL.
    if (entry.name.empty() || entry.name.find('\0') != std::string::npos) {
        throw std::invalid_argument("ZipPacker: entry name must be non-empty and free of NUL: " +
                                    Quoted(entry.name));
    }
    entries_.push_back(std::move(entry));
}

} // namespace Orvik::Writer
