#include "geometry/CurveDataReader.h"

#include "geometry/CurveRecordReader.h"
#include "geometry/XMLCompositeCrvData.h"
#include "geometry/XMLEllipseData.h"
#include "geometry/XMLLineData.h"
#include "geometry/XMLNurbsCurveData.h"
#include "geometry/XMLPolylineData.h"
#include "geometry/XMLRayData.h"

namespace Orvik {
namespace {

std::unique_ptr<ICurveData> ReadKnown(CurveRecordReader& reader, std::uint32_t typeCode) {
    switch (typeCode) {
    case CurveDataReader::kLine:
        return XMLLineData::Read(reader);
    case CurveDataReader::kRay:
        return XMLRayData::Read(reader);
    case CurveDataReader::kEllipse:
        return XMLEllipseData::Read(reader);
    case CurveDataReader::kPolyline:
        return XMLPolylineData::Read(reader);
    case CurveDataReader::kComposite:
        return XMLCompositeCrvData::Read(reader);
    case CurveDataReader::kNurbs:
        return XMLNurbsCurveData::Read(reader);
    default:
        return nullptr;
    }
}

} // namespace

bool CurveDataReader::IsKnownType(std::uint64_t typeCode) {
    return typeCode >= kLine && typeCode <= kNurbs;
}

CurveDataReader::Result CurveDataReader::Read(CurveRecordReader& reader, std::uint32_t typeCode) {
    Result result;
    if (!IsKnownType(typeCode))
        return result;
    result.data = ReadKnown(reader, typeCode);
    result.failed = result.data == nullptr;
    if (result.failed)
        reader.Fail();
    return result;
}

CurveDataReader::Result CurveDataReader::Read(std::istream* in, std::uint32_t typeCode,
                                              bool hostIsBigEndian) {
    if (in == nullptr)
        return Result();
    CurveRecordReader reader(*in, hostIsBigEndian);
    return Read(reader, typeCode);
}

std::unique_ptr<ICurveData> CurveDataReader::ReadCurveData(std::istream* in, std::uint32_t typeCode,
                                                           bool hostIsBigEndian) {
    return Read(in, typeCode, hostIsBigEndian).data;
}

} // namespace Orvik
