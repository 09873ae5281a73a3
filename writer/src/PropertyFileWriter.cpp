#include "orvik/writer/PropertyFileWriter.h"

#include "PropertyFile.pb.h"
#include "orvik/writer/CFile.h"

#include <stdexcept>

namespace Orvik::Writer {

namespace {

orvik::properties::PropertyRecord& NewRecord(orvik::properties::PropertyFile& file,
                                             const std::string& objectId, const std::string& name) {
    orvik::properties::PropertyRecord& record = *file.add_records();
    file.set_record_count(static_cast<std::uint64_t>(file.records_size()));
    record.set_object_id(objectId);
    record.set_name(name);
    return record;
}

} // namespace

PropertyFileWriter::PropertyFileWriter()
    : file_(std::make_unique<orvik::properties::PropertyFile>()) {
    file_->set_format_version(kFormatVersion);
    file_->set_record_count(0);
}

PropertyFileWriter::~PropertyFileWriter() = default;
PropertyFileWriter::PropertyFileWriter(PropertyFileWriter&&) noexcept = default;
PropertyFileWriter& PropertyFileWriter::operator=(PropertyFileWriter&&) noexcept = default;

void PropertyFileWriter::AddInt(const std::string& objectId, const std::string& name,
                                std::int32_t value) {
    NewRecord(*file_, objectId, name).set_int_value(value);
}

void PropertyFileWriter::AddLong(const std::string& objectId, const std::string& name,
                                 std::int64_t value) {
    NewRecord(*file_, objectId, name).set_long_value(value);
}

void PropertyFileWriter::AddBool(const std::string& objectId, const std::string& name, bool value) {
    NewRecord(*file_, objectId, name).set_bool_value(value);
}

void PropertyFileWriter::AddDouble(const std::string& objectId, const std::string& name,
                                   double value) {
    NewRecord(*file_, objectId, name).set_double_value(value);
}

void PropertyFileWriter::AddString(const std::string& objectId, const std::string& name,
                                   const std::string& value) {
    NewRecord(*file_, objectId, name).set_string_value(value);
}

void PropertyFileWriter::AddWString(const std::string& objectId, const std::string& name,
                                    const std::string& utf8Value) {
    NewRecord(*file_, objectId, name).set_wstring_value(utf8Value);
}

void PropertyFileWriter::AddTime(const std::string& objectId, const std::string& name,
                                 const std::string& iso8601) {
    NewRecord(*file_, objectId, name).set_time_value(iso8601);
}

void PropertyFileWriter::AddBlob(const std::string& objectId, const std::string& name,
                                 const std::vector<std::uint8_t>& bytes) {
    NewRecord(*file_, objectId, name).set_blob_value(bytes.data(), bytes.size());
}

void PropertyFileWriter::AddIdList(const std::string& objectId, const std::string& name,
                                   const std::vector<std::string>& ids) {
    orvik::properties::IdList& list = *NewRecord(*file_, objectId, name).mutable_id_list_value();
    for (const std::string& id : ids)
        list.add_ids(id);
}

void PropertyFileWriter::AddWithoutValue(const std::string& objectId, const std::string& name) {
    NewRecord(*file_, objectId, name);
}

void PropertyFileWriter::SetFormatVersion(std::uint32_t version) {
    file_->set_format_version(version);
}

std::size_t PropertyFileWriter::RecordCount() const {
    return static_cast<std::size_t>(file_->records_size());
}

std::string PropertyFileWriter::Serialize() const {
    std::string bytes;
    if (!file_->SerializeToString(&bytes))
        throw std::runtime_error("cannot serialize the property file: it exceeds 2 GiB");
    return bytes;
}

void PropertyFileWriter::Write(const std::string& path) const {
    const std::string bytes = Serialize();
    CFile file(path, "wb");
    file.WriteAll(bytes);
    file.Close();
}

} // namespace Orvik::Writer
