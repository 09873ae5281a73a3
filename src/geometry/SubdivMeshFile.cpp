#include "geometry/SubdivMeshFile.h"

#include "geometry/GeomFileContext.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLSubdivMesh.h"

#include <boost/filesystem/fstream.hpp>

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;
constexpr std::uint64_t kWord = 8;

bool ReadRecord(std::istream& in, bool bigEndian, MeshTable& meshes) {
    std::uint64_t unused = 0;
    UTF8String id;
    if (!Util::BinaryRead(in, unused, bigEndian) || !Util::ReadData(in, id, bigEndian))
        return false;
    if (id.IsEmpty())
        return true;
    auto mesh = std::make_unique<XMLSubdivMesh>(std::make_unique<XMLPolygonMesh>(id));
    if (!mesh->ReadCreaseData(in, bigEndian))
        return false;
    meshes[id] = std::move(mesh);
    return true;
}

} // namespace

bool SubdivMeshFile::ReadSubdivMeshFile(const GeomFileContext& context, const UTF16String& path,
                                        MeshTable& meshesById) {
    boost::filesystem::ifstream in(FsPathConverter::ToPath(context.ResolvePath(path)),
                                   std::ios::binary);
    if (!in.is_open())
        return false;
    const bool bigEndian = context.HostIsBigEndian();
    std::uint64_t leading = 0;
    std::uint64_t count = 0;
    // A record is at least its unused word and its id's length word.
    if (!Util::BinaryRead(in, leading, bigEndian) || leading != 0 ||
        !Util::BinaryRead(in, count, bigEndian) || count == 0 ||
        !Util::CountFits(in, count, 2 * kWord))
        return false;
    for (std::uint64_t i = 0; i < count; ++i)
        if (!ReadRecord(in, bigEndian, meshesById))
            return false;
    return true;
}

} // namespace Orvik
