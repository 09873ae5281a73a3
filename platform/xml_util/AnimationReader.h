#pragma once

#include "orvik/api/IKeyframeTypeData.h"
#include "orvik/api/UTF16String.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

namespace Orvik {

// The animation side file ("AnimationInfo"; docs/formats.md): keyframe data filed by name.
// The file is untrusted; nothing is allocated for a count the bytes left cannot hold.
class AnimationReader {
public:
    enum KeyframeTypeDataEnum { kKeyframeTypeData_Transform = 0 };

    // Reads the file's records once. False when the file does not open or is damaged
    // (Problem() says how); the records before the damage stay readable.
    bool Load(const UTF16String& path);
    const std::string& Problem() const { return m_problem; }
    std::size_t RecordCount() const { return m_records.size(); }

    // A new data object for the record of that name; null when no record has it (problem left
    // empty), or when the record is of another type or its keyframes do not read (problem set).
    std::unique_ptr<IKeyframeTypeData> ReadKeyframeTypeData(const UTF16String& name,
                                                            KeyframeTypeDataEnum type,
                                                            std::string& problem) const;

    // Loads the file and reads the one record: null when the file gives nothing for the name.
    static std::unique_ptr<IKeyframeTypeData>
    ReadKeyframeTypeDataFromExternalFile(const UTF16String& path, const UTF16String& name,
                                         KeyframeTypeDataEnum type);

private:
    struct Record {
        std::uint64_t type = 0;
        std::string payload;
    };

    bool ReadRecords(std::istream& in);

    std::unordered_map<std::string, Record> m_records;
    std::string m_problem;
};

} // namespace Orvik
