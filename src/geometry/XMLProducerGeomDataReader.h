#pragma once

#include "loader/SideDataCache.h"
#include "xml_util/MeshStreamReader.h"
#include "xml_util/XMLStreamReaderInterface.h"

#include <memory>

namespace Orvik {

class ReadContext;

// The reader the geometry stream walker calls: meshes go to the shared mesh reader, curves
// become stream curves waiting in the curve table for their "ICurve" elements.
class XMLProducerGeomDataReader : public XMLStreamReaderInterface {
public:
    XMLProducerGeomDataReader(std::unique_ptr<MeshStreamReader> meshReader, ReadContext* producer,
                              CurveTable* curvesById);
    ~XMLProducerGeomDataReader() override;
    XMLProducerGeomDataReader(const XMLProducerGeomDataReader&) = delete;
    XMLProducerGeomDataReader& operator=(const XMLProducerGeomDataReader&) = delete;

    bool LegacyGeomFile() const override { return m_meshReader->LegacyGeomFile(); }
    bool BigEndian() const override { return m_meshReader->BigEndian(); }
    std::ifstream* FileStreamPtr() const override { return m_meshReader->FileStreamPtr(); }
    void ReadMeshStyleIds() override { m_meshReader->ReadMeshStyleIds(); }
    bool ReadMesh(const UTF8String& meshId) override { return m_meshReader->ReadMesh(meshId); }
    // A second announcement of an id appends its record to the curve made by the first. False
    // only when a record of a known type cannot be read whole; nothing is kept of it then.
    bool ReadCurve(const UTF8String& curveId, std::uint64_t typeCode) override;

private:
    bool AppendToCurve(IObject& held, std::uint32_t typeCode);
    bool AddCurve(const UTF8String& curveId, std::uint32_t typeCode);

    std::unique_ptr<MeshStreamReader> m_meshReader;
    ReadContext* m_producer;
    CurveTable* m_curvesById;
};

} // namespace Orvik
