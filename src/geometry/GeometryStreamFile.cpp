#include "geometry/GeometryStreamFile.h"

#include "geometry/GeomFileContext.h"
#include "geometry/XMLProducerGeomDataReader.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLReaderUtil.h"

#include <boost/interprocess/streams/bufferstream.hpp>
#include <fstream>
#include <memory>

namespace Orvik {
namespace {

// The walk asks for its position at every record, which a file stream answers with a system
// call each time; a file up to this size (most are far smaller) is read at once and walked in
// memory, a larger one from the file, so that memory stays bounded whatever the file claims.
constexpr std::streamoff kWalkedInMemoryUpTo = 256LL << 20;

// Not zero-filled first: the read overwrites every byte.
std::unique_ptr<char[]> ReadWhole(std::ifstream& file, std::streamoff size) {
    std::unique_ptr<char[]> bytes(new char[static_cast<std::size_t>(size)]);
    if (!file.seekg(0, std::ios::beg) || !file.read(bytes.get(), size))
        return nullptr;
    return bytes;
}

bool Walk(const GeomFileContext& context, std::ifstream& stream, MeshTable& meshesById,
          CurveTable* curvesById, bool hasInnerLoops) {
    auto meshReader = std::make_unique<MeshStreamReader>(
        &stream, context.LegacyGeomFile(), context.HostIsBigEndian(), meshesById, hasInnerLoops);
    XMLProducerGeomDataReader reader(std::move(meshReader), &context.Context(), curvesById);
    return XMLReaderUtil::ReadGeometryFromExternalFile(reader);
}

} // namespace

bool GeometryStreamFile::ReadGeometryStreamFile(const GeomFileContext& context,
                                                const UTF16String& path, MeshTable& meshesById,
                                                CurveTable* curvesById, bool hasInnerLoops) {
    return ReadGeometryStreamFile(context, path, meshesById, curvesById, hasInnerLoops,
                                  kWalkedInMemoryUpTo);
}

bool GeometryStreamFile::ReadGeometryStreamFile(const GeomFileContext& context,
                                                const UTF16String& path, MeshTable& meshesById,
                                                CurveTable* curvesById, bool hasInnerLoops,
                                                std::streamoff walkedInMemoryUpTo) {
    std::ifstream stream(FsPathConverter::ToPath(context.ResolvePath(path)).string(),
                         std::ios::binary);
    if (!stream.is_open() || !stream.seekg(0, std::ios::end))
        return false;
    const std::streamoff size = stream.tellg();
    if (size < 0)
        return false;
    if (size > walkedInMemoryUpTo)
        return stream.seekg(0, std::ios::beg) &&
               Walk(context, stream, meshesById, curvesById, hasInnerLoops);
    const std::unique_ptr<char[]> bytes = ReadWhole(stream, size);
    if (!bytes)
        return false;
    // The readers keep the file stream's type; its operations run on the bytes in memory.
    boost::interprocess::bufferbuf memory(bytes.get(), static_cast<std::size_t>(size),
                                          std::ios::in);
    stream.std::ios::rdbuf(&memory);
    const bool read = Walk(context, stream, meshesById, curvesById, hasInnerLoops);
    stream.std::ios::rdbuf(stream.rdbuf());
    return read;
}

} // namespace Orvik
