#include "xml_util/XMLSubdivMesh.h"

#include "orvik/api/NumericConverter.h"
#include "xml_util/BinaryReadWriteUtil.h"

namespace Orvik {
namespace {

constexpr std::uint64_t kCreaseBytes = 24;

bool ReadCrease(std::istream& in, bool hostIsBigEndian, SubdivCrease& crease) {
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    double sharpness = 0.0;
    if (!BinaryReadWriteUtil::BinaryRead(in, from, hostIsBigEndian) ||
        !BinaryReadWriteUtil::BinaryRead(in, to, hostIsBigEndian) ||
        !BinaryReadWriteUtil::BinaryRead(in, sharpness, hostIsBigEndian))
        return false;
    crease = SubdivCrease(NumericConverter::UInt64ToULong(from),
                          NumericConverter::UInt64ToULong(to), sharpness);
    return true;
}

} // namespace

XMLSubdivMesh::XMLSubdivMesh(std::unique_ptr<XMLPolygonMesh> cage)
    : XMLEntity(cage->IdRef(), cage->LabelRef())
    , m_cage(std::move(cage)) {}

bool XMLSubdivMesh::ReadCreaseData(std::istream& in, bool hostIsBigEndian) {
    std::uint64_t count = 0;
    if (!BinaryReadWriteUtil::BinaryRead(in, count, hostIsBigEndian) ||
        !BinaryReadWriteUtil::CountFits(in, count, kCreaseBytes))
        return false;
    std::vector<SubdivCrease> creases(static_cast<std::size_t>(count));
    for (SubdivCrease& crease : creases)
        if (!ReadCrease(in, hostIsBigEndian, crease))
            return false;
    m_creases = std::move(creases);
    return true;
}

} // namespace Orvik
