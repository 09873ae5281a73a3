#include "xml_util/XMLReaderUtil.h"

#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/XMLStreamReaderInterface.h"

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;

bool DispatchRecord(XMLStreamReaderInterface& reader, std::istream& in, std::uint64_t kind) {
    const bool bigEndian = reader.BigEndian();
    if (kind == XMLReaderUtil::kMeshStyleIdsRecord) {
        reader.ReadMeshStyleIds();
        return static_cast<bool>(in);
    }
    UTF8String id;
    if (!Util::ReadData(in, id, bigEndian))
        return false;
    if (kind == XMLReaderUtil::kMeshRecord)
        return reader.ReadMesh(id);
    std::uint64_t typeCode = 0;
    return Util::BinaryRead(in, typeCode, bigEndian) && reader.ReadCurve(id, typeCode);
}

bool IsKnownKind(std::uint64_t kind) {
    return kind == XMLReaderUtil::kMeshRecord || kind == XMLReaderUtil::kMeshStyleIdsRecord ||
           kind == XMLReaderUtil::kCurveRecord;
}

// One framed record: its kind, the byte length of what follows, and that many bytes.
bool ReadRecord(XMLStreamReaderInterface& reader, std::istream& in) {
    const bool bigEndian = reader.BigEndian();
    std::uint64_t kind = 0;
    std::uint64_t length = 0;
    if (!Util::BinaryRead(in, kind, bigEndian) || !IsKnownKind(kind) ||
        !Util::BinaryRead(in, length, bigEndian) || !Util::CountFits(in, length, 1))
        return false;
    const std::streamoff end =
        static_cast<std::streamoff>(in.tellg()) + static_cast<std::streamoff>(length);
    if (!DispatchRecord(reader, in, kind) || !in)
        return false;
    // A reader may leave bytes of its record unread (a curve type it does not know), never
    // take bytes of the next one.
    const std::streamoff reached = in.tellg();
    if (reached > end)
        return false;
    // Seeking drops the stream's read buffer, so only a record left short is skipped by seeking.
    return reached == end || static_cast<bool>(in.seekg(end));
}

} // namespace

bool XMLReaderUtil::ReadGeometryFromExternalFile(XMLStreamReaderInterface& reader) {
    std::ifstream* stream = reader.FileStreamPtr();
    if (stream == nullptr || !*stream)
        return false;
    std::uint64_t version = 0;
    if (!Util::BinaryRead(*stream, version, reader.BigEndian()) || version != kStreamVersion)
        return false;
    while (Util::BytesLeft(*stream) != 0)
        if (!ReadRecord(reader, *stream))
            return false;
    return true;
}

} // namespace Orvik
