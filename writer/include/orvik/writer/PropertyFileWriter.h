#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvik::properties {
class PropertyFile;
}

namespace Orvik::Writer {

// Builds a property side file. Text is UTF-8 throughout; wide-text values are given as UTF-8
// too, since that is how the file stores them. Each Add names the value kind so that a
// literal can never land in the wrong kind through an implicit conversion.
class PropertyFileWriter {
public:
    static constexpr std::uint32_t kFormatVersion = 1;

    PropertyFileWriter();
    ~PropertyFileWriter();
    // A moved-from writer may only be assigned to or destroyed.
    PropertyFileWriter(PropertyFileWriter&&) noexcept;
    PropertyFileWriter& operator=(PropertyFileWriter&&) noexcept;
    PropertyFileWriter(const PropertyFileWriter&) = delete;
    PropertyFileWriter& operator=(const PropertyFileWriter&) = delete;

    void AddInt(const std::string& objectId, const std::string& name, std::int32_t value);
    void AddLong(const std::string& objectId, const std::string& name, std::int64_t value);
    void AddBool(const std::string& objectId, const std::string& name, bool value);
    void AddDouble(const std::string& objectId, const std::string& name, double value);
    void AddString(const std::string& objectId, const std::string& name, const std::string& value);
    void AddWString(const std::string& objectId, const std::string& name,
                    const std::string& utf8Value);
    // ISO 8601 text; written as given, so tests can also write times that do not parse.
    void AddTime(const std::string& objectId, const std::string& name, const std::string& iso8601);
    void AddBlob(const std::string& objectId, const std::string& name,
                 const std::vector<std::uint8_t>& bytes);
    void AddIdList(const std::string& objectId, const std::string& name,
                   const std::vector<std::string>& ids);
    // A record without a value, which readers leave out.
    void AddWithoutValue(const std::string& objectId, const std::string& name);

    // Lets tests write files that a reader must refuse.
    void SetFormatVersion(std::uint32_t version);

    std::size_t RecordCount() const;
    // Throws std::runtime_error when the message cannot be serialized (over 2 GiB).
    std::string Serialize() const;
    // Throws std::runtime_error naming the path and the reason.
    void Write(const std::string& path) const;

private:
    std::unique_ptr<orvik::properties::PropertyFile> file_;
};

} // namespace Orvik::Writer
