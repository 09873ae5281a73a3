#include "LoaderFixture.h"
#include "geometry/PolygonMeshElementReader.h"
#include "orvik/writer/GeometryStreamWriter.h"
#include "orvik/writer/MeshSegmentFileWriter.h"
#include "orvik/writer/SubdivMeshFileWriter.h"
#include "xml_util/XMLSubdivMesh.h"

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>

namespace Orvik::Test {
namespace {

using Writer::XmlDocumentBuilder;

const char* const kSubdivMarker = "0C46B962-76AE-431F-AA0C-5F2398F534CE";

Writer::StreamMesh Triangle() {
    Writer::StreamMesh mesh;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    mesh.polygons = {{{0, 1, 2}, {}}};
    return mesh;
}

class PolygonMeshElementTest : public LoaderFixture {
protected:
    void WriteStream(std::initializer_list<const char*> ids) {
        Writer::GeometryStreamWriter stream(false, false);
        for (const char* id : ids)
            stream.AddMesh(id, Triangle());
        stream.WriteTo(m_dir.PathOf("mesh.bin"));
    }

    static void Sections(XmlDocumentBuilder& b) {
        b.Element("MeshInfo", {{"GenerateMesh", "True"}, {"Path", "mesh.bin"}});
    }

    IPolygonMesh* Mesh(const char* id) {
        return dynamic_cast<IPolygonMesh*>(m_context->Collector()->QueryObject(UTF8String(id)));
    }

    const xercesc::DOMElement* ElementWithId(const char16_t* id) {
        auto* root = m_context->Parser()->getDocument()->getDocumentElement();
        for (auto* node = root->getFirstChild(); node; node = node->getNextSibling()) {
            auto* element = dynamic_cast<const xercesc::DOMElement*>(node);
            if (element && xercesc::XMLString::equals(element->getAttribute(u"ID"), id))
                return element;
        }
        return nullptr;
    }
};

TEST_F(PolygonMeshElementTest, ElementCompletesStreamMeshAndForcesOrientation) {
    WriteStream({"m1"});
    Writer::MeshSegmentFileWriter segments;
    segments.AddMesh("m1", {{0}}, {false}, {{0, 1}});
    segments.WriteTo(m_dir.PathOf("seg.bin"));
    XMLProducerImpl& context = Load([](XmlDocumentBuilder& b) {
        Sections(b);
        b.Element("MeshSegmentInfo", {{"GenerateMeshSegment", "True"}, {"Path", "seg.bin"}});
        b.Open("IPolygonMesh")
            .Attribute("ID", "m1")
            .Attribute("Label", "Mesh one")
            .Attribute("LODID", "lod1")
            .Attribute("Type", "kPolygonMeshType_Triangles")
            .Attribute("Orientation", "kPolygonMeshOrientation_Clockwise")
            .Attribute("Visibility", "True")
            .Attribute("IsSingleSided", "False")
            .Attribute("VersionPersistentId", "v1");
        b.TextElement("ChangeKey", "ck");
        b.Element("Unit", {{"LengthUnit", "Meter"}, {"DisplayLengthUnit", "Millimeter"}});
        b.Open("Styles").Element("StyleRef", {{"ID", "s1"}}).Close();
        b.Open("Materials").Element("MaterialRef", {{"ID", "mat"}}).Close();
        b.Close();
    });
    IPolygonMesh* mesh = Mesh("m1");
    ASSERT_NE(mesh, nullptr);
    EXPECT_TRUE(context.Cache().meshesById.empty());
    EXPECT_EQ(mesh->Label(), UTF16String(u"Mesh one"));
    EXPECT_EQ(mesh->LodId(), UTF8String("lod1"));
    EXPECT_EQ(mesh->MeshType(), IPolygonMesh::kPolygonMeshType_Triangles);
    EXPECT_EQ(mesh->MeshOrientation(), IPolygonMesh::kPolygonMeshOrientation_Unknown);
    EXPECT_TRUE(mesh->IsVisible());
    bool singleSided = true;
    ASSERT_EQ(mesh->IsSingleSided(singleSided), IsValueSpecifiedEnum::kSpecified);
    EXPECT_FALSE(singleSided);
    UTF16String changeKey;
    EXPECT_EQ(mesh->ChangeKey(changeKey), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(changeKey, UTF16String(u"ck"));
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    ASSERT_EQ(mesh->LengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Meter);
    ASSERT_EQ(mesh->DisplayLengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(mesh->Styles(), (IdSet{"s1"}));
    EXPECT_EQ(mesh->Materials(), (IdSet{"mat"}));
    EXPECT_EQ(mesh->Vertices().size(), 3u);
    EXPECT_EQ(mesh->FaceSegments().size(), 1u);
    EXPECT_FALSE(mesh->FaceSegments()[0].IsVisible());
    EXPECT_EQ(KindOf(mesh), ObjectKindEnum::kPolygonMesh);
}

TEST_F(PolygonMeshElementTest, AbsentAttributesGiveDefaultsAndUnsetSingleSided) {
    WriteStream({"m1"});
    Load([](XmlDocumentBuilder& b) {
        Sections(b);
        b.Element("IPolygonMesh",
                  {{"ID", "m1"}, {"Orientation", "kPolygonMeshOrientation_CounterClockwise"}});
    });
    IPolygonMesh* mesh = Mesh("m1");
    ASSERT_NE(mesh, nullptr);
    EXPECT_FALSE(mesh->IsVisible());
    EXPECT_EQ(mesh->MeshType(), IPolygonMesh::kPolygonMeshType_Unknown);
    EXPECT_EQ(mesh->MeshOrientation(), IPolygonMesh::kPolygonMeshOrientation_Unknown);
    bool singleSided = false;
    EXPECT_EQ(mesh->IsSingleSided(singleSided), IsValueSpecifiedEnum::kUnspecified);
    UnitTypeEnum unit{};
    EXPECT_EQ(mesh->LengthUnit(unit), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(PolygonMeshElementTest, SecondElementWithSameIdAndMissingMeshesFindNothing) {
    WriteStream({"m1", "unused"});
    XMLProducerImpl& context = Load([](XmlDocumentBuilder& b) {
        Sections(b);
        b.Element("IPolygonMesh", {{"ID", "m1"}, {"Label", "first"}});
        b.Element("IPolygonMesh", {{"ID", "nomesh"}});
    });
    ASSERT_NE(Mesh("m1"), nullptr);
    EXPECT_EQ(Mesh("nomesh"), nullptr);
    UTF8String id;
    EXPECT_FALSE(PolygonMeshElementReader::ParsePolygonMeshElement(context, ElementWithId(u"m1"),
                                                                   context.Cache().meshesById, id));
    EXPECT_EQ(id, UTF8String("m1"));
    EXPECT_EQ(Mesh("m1")->Label(), UTF16String(u"first"));
    // A mesh whose element never comes stays in the table, unregistered.
    EXPECT_EQ(context.Cache().meshesById.count(UTF8String("unused")), 1u);
    EXPECT_EQ(Mesh("unused"), nullptr);
}

TEST_F(PolygonMeshElementTest, SubdivisionMeshTakesCageFromStreamAndFillsThroughSameSteps) {
    WriteStream({"sd"});
    Writer::SubdivMeshFileWriter subdiv;
    subdiv.AddMesh("sd", {{0, 1, 3.0}});
    subdiv.WriteTo(m_dir.PathOf("subdiv.bin"));
    m_filter.SetWantSubdivMesh(true);
    m_context = std::make_unique<XMLProducerImpl>(
        UTF16String(Write([](XmlDocumentBuilder& b) {
            b.Element("SubdivMeshInfo", {{"GenerateSubdivMesh", "True"}, {"Path", "subdiv.bin"}});
            Sections(b);
            b.Element("IPolygonMesh", {{"ID", "sd"}, {"LODID", "fine"}, {"Visibility", "True"}});
        })),
        &m_options);
    m_context->BeginProcess(IdSet{kSubdivMarker}, &m_filter, nullptr);
    auto* mesh = dynamic_cast<ISubdivMesh*>(m_context->Collector()->QueryObject(UTF8String("sd")));
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->Id(), UTF8String("sd"));
    EXPECT_EQ(mesh->LodId(), UTF8String("fine"));
    EXPECT_TRUE(mesh->IsVisible());
    EXPECT_EQ(mesh->Vertices().size(), 3u);
    ASSERT_EQ(mesh->Creases().size(), 1u);
    EXPECT_EQ(mesh->Creases()[0].Sharpness(), 3.0);
    EXPECT_EQ(KindOf(mesh), ObjectKindEnum::kSubdivMesh);
}

TEST_F(PolygonMeshElementTest, AssemblyAndPartChildSetsListTheirMeshes) {
    WriteStream({"am", "pm"});
    Load([](XmlDocumentBuilder& b) {
        Sections(b);
        b.Open("IAssembly").Attribute("ID", "a").Open("ChildSet");
        b.Element("IPolygonMesh", {{"ID", "am"}});
        b.Element("IPolygonMesh", {{"ID", "missing"}});
        b.Close().Close();
        b.Open("IPart").Attribute("ID", "p").Open("ChildSet");
        b.Element("IPolygonMesh", {{"ID", "pm"}});
        b.Close().Close();
    });
    auto* assembly = dynamic_cast<IAssembly*>(m_context->Collector()->QueryObject(UTF8String("a")));
    ASSERT_NE(assembly, nullptr);
    ASSERT_EQ(assembly->ChildCount(), 1u);
    EXPECT_EQ(assembly->ChildAt(0).Id(), UTF8String("am"));
    auto* part = dynamic_cast<IPart*>(m_context->Collector()->QueryObject(UTF8String("p")));
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->ChildCount(), 1u);
    EXPECT_EQ(part->ChildAt(0).Id(), UTF8String("pm"));
    EXPECT_NE(Mesh("pm"), nullptr);
}

TEST_F(PolygonMeshElementTest, IdPrefixRenamesMeshButTableIsSearchedAsWritten) {
    WriteStream({"m1"});
    Load(
        [](XmlDocumentBuilder& b) {
            Sections(b);
            b.Element("IPolygonMesh", {{"ID", "m1"}});
        },
        "N");
    EXPECT_EQ(Mesh("m1"), nullptr);
    EXPECT_TRUE(m_context->Cache().meshesById.empty());
    EXPECT_NE(Mesh("N1"), nullptr);
}

} // namespace
} // namespace Orvik::Test
