#pragma once

#include "orvik/api/ICurveData.h"

#include <cstdint>
#include <istream>
#include <memory>

namespace Orvik {

class CurveRecordReader;

// Makes curve-data records from the bytes of a stream, by type code.
class CurveDataReader {
public:
    enum TypeCode : std::uint32_t {
        kLine = 1,
        kRay = 2,
        kEllipse = 3,
        kPolyline = 4,
        kComposite = 5,
        kNurbs = 6,
    };

    struct Result {
        // Null for an unknown type code, which reads nothing, and on failure.
        std::unique_ptr<ICurveData> data;
        // The record of a known type could not be read whole; the stream is failed.
        bool failed = false;
    };

    static bool IsKnownType(std::uint64_t typeCode);
    static Result Read(CurveRecordReader& reader, std::uint32_t typeCode);
    static Result Read(std::istream* in, std::uint32_t typeCode, bool hostIsBigEndian);
    // Null for a null stream, an unknown type code and a record that cannot be read whole.
    static std::unique_ptr<ICurveData> ReadCurveData(std::istream* in, std::uint32_t typeCode,
                                                     bool hostIsBigEndian);
};

} // namespace Orvik
