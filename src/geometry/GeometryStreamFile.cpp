#include "geometry/GeometryStreamFile.h"

#include "geometry/GeomFileContext.h"
#include "geometry/XMLProducerGeomDataReader.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLReaderUtil.h"

#include <boost/interprocess/streams/bufferstream.hpp>
#include <fstream>
#include <iterator>
#include <vector>

namespace Orvik {
namespace {

// The walk asks for its position at every record, which a file stream answers with a system
// call each time; the file (its size already checked by the side-file gate) is read at once.
bool ReadWhole(std::ifstream& file, std::vector<char>& bytes) {
    if (!file.seekg(0, std::ios::end))
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0 || !file.seekg(0, std::ios::beg))
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    return static_cast<bool>(file.read(bytes.data(), size));
}

} // namespace

bool GeometryStreamFile::ReadGeometryStreamFile(const GeomFileContext& context,
                                                const UTF16String& path, MeshTable& meshesById,
                                                CurveTable* curvesById, bool hasInnerLoops) {
    std::ifstream stream(FsPathConverter::ToPath(context.ResolvePath(path)).string(),
                         std::ios::binary);
    std::vector<char> bytes;
    if (!stream.is_open() || !ReadWhole(stream, bytes))
        return false;
    // The readers keep the file stream's type; its operations run on the bytes in memory.
    boost::interprocess::bufferbuf memory(bytes.data(), bytes.size(), std::ios::in);
    stream.std::ios::rdbuf(&memory);
    auto meshReader = std::make_unique<MeshStreamReader>(
        &stream, context.LegacyGeomFile(), context.HostIsBigEndian(), meshesById, hasInnerLoops);
    XMLProducerGeomDataReader reader(std::move(meshReader), &context.Context(), curvesById);
    const bool read = XMLReaderUtil::ReadGeometryFromExternalFile(reader);
    stream.std::ios::rdbuf(stream.rdbuf());
    return read;
}

} // namespace Orvik
