#pragma once

#include "orvik/api/ObjectCollector.h"
#include "orvik/api/Property.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvik::properties {
class PropertyRecord;
}

namespace Orvik {

// Reads the property side file once, in the constructor. A missing file is the common case and
// yields no properties and no failure. A file that is too large or does not parse as a whole
// yields no properties and a failure text; single records that cannot be used are left out.
class PropertyReader {
public:
    static constexpr std::uint32_t kFormatVersion = 1;
    static constexpr std::uint64_t kDefaultMaxFileBytes = std::uint64_t{1} << 30;

    // With a null collector every record is kept; otherwise only records of objects it holds.
    PropertyReader(const UTF16String& path, const ObjectCollector* collector,
                   std::uint64_t maxFileBytes = kDefaultMaxFileBytes);

    std::size_t PropertyCount() const { return m_properties.size(); }
    // Throws std::out_of_range for an index not below PropertyCount().
    const Property& PropertyAt(std::size_t index) const { return m_properties.at(index); }

    // Records left out: unknown object, no or unknown value kind, unreadable time.
    std::size_t SkippedCount() const { return m_skipped; }
    // Empty unless the file was there but could not be read.
    const UTF8String& Failure() const { return m_failure; }

private:
    bool ReadAll(std::vector<char>& bytes, std::uint64_t maxFileBytes);
    void Parse(const std::vector<char>& bytes);
    bool Accept(const orvik::properties::PropertyRecord& record);
    void Fail(const std::string& reason);

    UTF16String m_path;
    const ObjectCollector* m_collector;
    std::vector<Property> m_properties;
    std::size_t m_skipped = 0;
    UTF8String m_failure;
};

} // namespace Orvik
