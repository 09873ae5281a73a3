#include "geometry/XMLProducerGeomDataReader.h"

#include "geometry/CurveDataReader.h"
#include "geometry/XMLCurve.h"

#include <limits>

namespace Orvik {
namespace {

// A code beyond 32 bits names no known type; narrowing it could turn it into one.
std::uint32_t NarrowTypeCode(std::uint64_t typeCode) {
    return typeCode > std::numeric_limits<std::uint32_t>::max()
               ? 0U
               : static_cast<std::uint32_t>(typeCode);
}

} // namespace

XMLProducerGeomDataReader::XMLProducerGeomDataReader(std::unique_ptr<MeshStreamReader> meshReader,
                                                     ReadContext* producer, CurveTable* curvesById)
    : m_meshReader(std::move(meshReader))
    , m_producer(producer)
    , m_curvesById(curvesById) {}

XMLProducerGeomDataReader::~XMLProducerGeomDataReader() = default;

bool XMLProducerGeomDataReader::ReadCurve(const UTF8String& curveId, std::uint64_t typeCode) {
    if (m_curvesById == nullptr)
        return true;
    const std::uint32_t code = NarrowTypeCode(typeCode);
    const auto found = m_curvesById->find(curveId);
    if (found != m_curvesById->end() && found->second != nullptr)
        return AppendToCurve(*found->second, code);
    return AddCurve(curveId, code);
}

bool XMLProducerGeomDataReader::AppendToCurve(IObject& held, std::uint32_t typeCode) {
    CurveDataReader::Result record = CurveDataReader::Read(FileStreamPtr(), typeCode, BigEndian());
    if (record.failed)
        return false;
    if (auto* curve = dynamic_cast<XMLCurve*>(&held))
        curve->AppendCurveData(std::move(record.data));
    return true;
}

bool XMLProducerGeomDataReader::AddCurve(const UTF8String& curveId, std::uint32_t typeCode) {
    auto curve = std::make_unique<XMLCurve>(m_producer, FileStreamPtr(), typeCode, BigEndian());
    if (curve->FirstReadFailed())
        return false;
    (*m_curvesById)[curveId] = std::move(curve);
    return true;
}

} // namespace Orvik
