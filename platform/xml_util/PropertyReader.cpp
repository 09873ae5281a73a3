#include "xml_util/PropertyReader.h"

#include "PropertyFile.pb.h"
#include "orvik/api/Blob.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/Time.h"
#include "orvik/api/Variant.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <google/protobuf/stubs/logging.h>
#include <limits>
#include <memory>
#include <optional>
#include <system_error>

namespace Orvik {

namespace {

namespace pb = orvik::properties;

struct FileCloser {
    void operator()(std::FILE* file) const { IOUtil::CloseFile(file); }
};

std::optional<Variant> ToVariant(const pb::PropertyRecord& record) {
    switch (record.value_case()) {
    case pb::PropertyRecord::kIntValue:
        return Variant(static_cast<int>(record.int_value()));
    case pb::PropertyRecord::kLongValue:
        return Variant(static_cast<std::int64_t>(record.long_value()));
    case pb::PropertyRecord::kBoolValue:
        return Variant(record.bool_value());
    case pb::PropertyRecord::kDoubleValue:
        return Variant(record.double_value());
    case pb::PropertyRecord::kStringValue:
        return Variant(UTF8String(record.string_value()));
    case pb::PropertyRecord::kWstringValue:
        return Variant(UTF16String(record.wstring_value()));
    case pb::PropertyRecord::kTimeValue: {
        Time time;
        if (!time.FromString(UTF8String(record.time_value())))
            return std::nullopt;
        return Variant(time);
    }
    case pb::PropertyRecord::kBlobValue: {
        const std::string& bytes = record.blob_value();
        return Variant(Blob(bytes.size(), bytes.data()));
    }
    case pb::PropertyRecord::kIdListValue: {
        IdSet ids;
        for (const std::string& id : record.id_list_value().ids())
            ids.AddWithUniquenessCheck(UTF8String(id));
        return Variant(std::move(ids));
    }
    case pb::PropertyRecord::VALUE_NOT_SET:
        // Also what a value kind from a newer writer looks like: protobuf keeps it as unknown.
        break;
    }
    return std::nullopt;
}

} // namespace

PropertyReader::PropertyReader(const UTF16String& path, const ObjectCollector* collector,
                               std::uint64_t maxFileBytes)
    : m_path(path)
    , m_collector(collector) {
    if (!IOUtil::IsFileExisted(m_path))
        return;
    std::vector<char> bytes;
    if (ReadAll(bytes, maxFileBytes))
        Parse(bytes);
}

bool PropertyReader::ReadAll(std::vector<char>& bytes, std::uint64_t maxFileBytes) {
    std::error_code error;
    const std::uintmax_t size =
        std::filesystem::file_size(std::filesystem::u8path(m_path.ToUTF8()), error);
    if (error) {
        Fail("cannot determine its size: " + error.message());
        return false;
    }
    if (size > maxFileBytes) {
        Fail("it has " + std::to_string(size) + " bytes, more than the limit of " +
             std::to_string(maxFileBytes));
        return false;
    }
    std::unique_ptr<std::FILE, FileCloser> file(IOUtil::OpenFile(m_path, "rb"));
    if (!file) {
        Fail(std::string("cannot open it: ") + std::strerror(errno));
        return false;
    }
    bytes.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        // The file may grow after its size was taken; the limit holds for what is read.
        if (bytes.size() + count > maxFileBytes) {
            Fail("it grew beyond the limit of " + std::to_string(maxFileBytes) +
                 " bytes while being read");
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (std::ferror(file.get())) {
        Fail(std::string("cannot read it: ") + std::strerror(errno));
        return false;
    }
    return true;
}

void PropertyReader::Parse(const std::vector<char>& bytes) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        Fail("it is too large to parse");
        return;
    }
    pb::PropertyFile file;
    // A corrupt file is reported through Failure(); the library's own log lines would only
    // reach the host's stderr.
    const google::protobuf::LogSilencer quiet;
    if (!file.ParseFromArray(bytes.data(), static_cast<int>(bytes.size()))) {
        Fail("it is damaged or not a property file (" + std::to_string(bytes.size()) +
             " bytes do not parse)");
        return;
    }
    if (file.format_version() != kFormatVersion) {
        Fail("unsupported format version " + std::to_string(file.format_version()) +
             " (this reader knows version " + std::to_string(kFormatVersion) + ")");
        return;
    }
    const auto recordCount = static_cast<std::uint64_t>(file.records_size());
    if (!file.has_record_count()) {
        Fail("it is truncated: the record count at its end is missing");
        return;
    }
    if (file.record_count() != recordCount) {
        Fail("it is truncated or damaged: it holds " + std::to_string(recordCount) +
             " records but says " + std::to_string(file.record_count()));
        return;
    }
    m_properties.reserve(file.records_size());
    for (const pb::PropertyRecord& record : file.records()) {
        if (!Accept(record))
            ++m_skipped;
    }
}

bool PropertyReader::Accept(const pb::PropertyRecord& record) {
    UTF8String objectId(record.object_id());
    if (m_collector && !m_collector->HasObject(objectId))
        return false;
    std::optional<Variant> value = ToVariant(record);
    if (!value)
        return false;
    m_properties.emplace_back(std::move(objectId), UTF16String(record.name()), std::move(*value));
    return true;
}

void PropertyReader::Fail(const std::string& reason) {
    m_properties.clear();
    m_failure = UTF8String("property file '" + m_path.ToUTF8() + "' cannot be read: " + reason);
}

} // namespace Orvik
