#include "LoaderFixture.h"
#include "geometry/BrepElementParser.h"
#include "orvik/writer/BodyFileWriter.h"
#include "veld/BODY.h"

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik::Test {
namespace {

using Writer::BodyFileWriter;
using Writer::XmlDocumentBuilder;

// Documents with a body file holding "B1" (two faces, one edge) and the brep elements a test
// adds.
class BrepElementTest : public LoaderFixture {
protected:
    XMLProducerImpl& LoadBreps(const Body& breps, const char* prefix = nullptr) {
        BodyFileWriter()
            .AddBody({"B1", {"F1", "F2"}, {{"", "E1", BodyFileWriter::Line{}}}})
            .WriteText(m_dir.PathOf("bodies.sat"));
        return Load(
            [&](XmlDocumentBuilder& b) {
                b.Element("SatInfo", {{"Path", "bodies.sat"}});
                File(b, "1", "True");
                breps(b);
            },
            prefix);
    }

    IBrep& Brep(const char* id) {
        auto* brep = dynamic_cast<IBrep*>(m_context->Load(UTF8String(id)));
        if (brep == nullptr)
            throw std::runtime_error(std::string("no brep ") + id);
        return *brep;
    }

    static UnitTypeEnum DisplayLength(const IBrep& brep) {
        UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
        EXPECT_EQ(brep.DisplayLengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
        return unit;
    }

    static UnitTypeEnum DisplayAngle(const IBrep& brep) {
        UnitTypeEnum unit = UnitTypeEnum::kUnitType_Millimeter;
        EXPECT_EQ(brep.DisplayAngleUnit(unit), IsValueSpecifiedEnum::kSpecified);
        return unit;
    }
};

TEST_F(BrepElementTest, VisibilityCountsOnlyTheText1) {
    LoadBreps([](XmlDocumentBuilder& b) {
        b.Element("IBrep", {{"ID", "B1"}, {"Visibility", "true"}, {"NetVisibility", "1"}});
        b.Element("IBrep", {{"ID", "B2"}, {"Visibility", "1"}});
        b.Element("IBrep", {{"ID", "B3"}});
    });
    EXPECT_FALSE(Brep("B1").IsVisible());
    EXPECT_TRUE(Brep("B1").IsNetVisible());
    EXPECT_TRUE(Brep("B2").IsVisible());
    EXPECT_FALSE(Brep("B2").IsNetVisible());
    EXPECT_FALSE(Brep("B3").IsVisible());
    EXPECT_EQ(KindOf(&Brep("B3")), ObjectKindEnum::kBrep);
}

TEST_F(BrepElementTest, BodyIsTakenByIdAndFacesNeedIt) {
    LoadBreps([](XmlDocumentBuilder& b) {
        b.Open("IBrep").Attribute("ID", "B1").Attribute("Label", "Block");
        b.Open("Face").Attribute("ID", "F1").Open("Styles");
        b.Element("StyleRef", {{"ID", "S1"}}).Element("StyleRef", {{"ID", "S1"}});
        b.Element("StyleRef", {{"ID", ""}}).Element("StyleRef", {{"ID", "S2"}});
        b.Close().Close();
        b.Open("Edge").Attribute("ID", "E1").Open("Styles").Element("StyleRef", {{"ID", "S3"}});
        b.Close().Close().Close();
        b.Open("IBrep").Attribute("ID", "NoBody").Open("Face").Attribute("ID", "F1");
        b.Open("Styles").Element("StyleRef", {{"ID", "S1"}}).Close().Close().Close();
    });
    const IBrep& brep = Brep("B1");
    ASSERT_NE(brep.Body(), nullptr);
    EXPECT_EQ(brep.Body()->face_count(), 2u);
    EXPECT_EQ(brep.BodyDI(), UTF8String("B1"));
    EXPECT_EQ(brep.Label(), UTF16String("Block"));
    EXPECT_EQ(brep.SrcGeomType(), IBrep::kProducerGeometryType_Brep);
    ASSERT_NE(brep.StylesMap(), nullptr);
    const auto& styles = brep.StylesMap()->Styles();
    ASSERT_EQ(styles.size(), 2u);
    const IdSet& face = styles.at(UTF8String("F1"));
    ASSERT_EQ(face.Size(), 2u);
    EXPECT_EQ(face.At(0), UTF8String("S1"));
    EXPECT_EQ(face.At(1), UTF8String("S2"));
    EXPECT_TRUE(styles.at(UTF8String("E1")).Contains(UTF8String("S3")));

    const IBrep& bare = Brep("NoBody");
    EXPECT_EQ(bare.Body(), nullptr);
    EXPECT_EQ(bare.StylesMap(), nullptr);
}

TEST_F(BrepElementTest, TolerancesNotAboveZeroAreLeftUnset) {
    LoadBreps([](XmlDocumentBuilder& b) {
        b.Open("IBrep").Attribute("ID", "B1");
        b.Element(
            "Tolerance",
            {{"AngularTolerance", "0"}, {"LinearTolerance", "-0.5"}, {"ParamTolerance", "0.25"}});
        b.Close();
        b.Element("IBrep", {{"ID", "B2"}});
    });
    EXPECT_EQ(Brep("B1").AngularTolerance(), -1.0);
    EXPECT_EQ(Brep("B1").LinearTolerance(), -1.0);
    EXPECT_EQ(Brep("B1").ParamTolerance(), 0.25);
    EXPECT_EQ(Brep("B2").LinearTolerance(), -1.0);
}

TEST_F(BrepElementTest, UnitAndToleranceCountsOnlyWithoutUnitOrTolerance) {
    const auto unitAndTolerance = [](XmlDocumentBuilder& b) {
        b.Element("UnitAndTolerance", {{"LengthUnit", "kUnitType_Inch"},
                                       {"AngularTolerance", "0.1"},
                                       {"LinearTolerance", "0.2"},
                                       {"ParamTolerance", "0.3"}});
    };
    const auto unit = [](XmlDocumentBuilder& b) {
        b.Element("Unit", {{"LengthUnit", "kUnitType_Foot"},
                           {"DisplayAngleUnit", "kUnitType_Degree"},
                           {"DisplayLengthUnit", "kUnitType_Meter"}});
    };
    LoadBreps([&](XmlDocumentBuilder& b) {
        b.Open("IBrep").Attribute("ID", "Alone");
        unitAndTolerance(b);
        b.Close().Open("IBrep").Attribute("ID", "Before");
        unitAndTolerance(b);
        unit(b);
        b.Close().Open("IBrep").Attribute("ID", "After");
        unit(b);
        unitAndTolerance(b);
        b.Close();
    });
    const IBrep& alone = Brep("Alone");
    EXPECT_EQ(DisplayLength(alone), UnitTypeEnum::kUnitType_Inch);
    EXPECT_EQ(DisplayAngle(alone), UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(alone.AngularTolerance(), 0.1);
    EXPECT_EQ(alone.ParamTolerance(), 0.3);
    UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_EQ(alone.LengthUnit(length), IsValueSpecifiedEnum::kUnspecified);

    for (const char* id : {"Before", "After"}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(DisplayLength(Brep(id)), UnitTypeEnum::kUnitType_Meter);
        EXPECT_EQ(DisplayAngle(Brep(id)), UnitTypeEnum::kUnitType_Degree);
        EXPECT_EQ(Brep(id).AngularTolerance(), -1.0);
    }
}

TEST_F(BrepElementTest, PresentationAndIdPrefixReachTheBrep) {
    LoadBreps(
        [](XmlDocumentBuilder& b) {
            b.Open("IBrep").Attribute("ID", "B1").Attribute("VersionPersistentId", "v7");
            b.Attribute("Type", "kProducerGeometryType_Solid");
            b.TextElement("ChangeKey", "ck");
            b.Open("Styles").Element("StyleRef", {{"ID", "S1"}}).Close();
            b.Open("Materials").Element("MaterialRef", {{"ID", "M1"}}).Close();
            b.Open("Animations").Element("AnimationRef", {{"ID", "A1"}}).Close();
            b.TextElement("Transform", "1 0 0 5  0 1 0 6  0 0 1 7  0 0 0 1");
            b.Close();
        },
        "N");
    UTF8String brepId;
    ASSERT_TRUE(m_context->MapObjectId(UTF8String("B1"), brepId));
    const IBrep& brep = Brep(brepId.CStr());
    // Remapped ids, but the body is found under the id the document gave.
    EXPECT_NE(brepId, UTF8String("B1"));
    ASSERT_NE(brep.Body(), nullptr);
    EXPECT_EQ(brep.SrcGeomType(), IBrep::kProducerGeometryType_Solid);
    UTF16String changeKey;
    EXPECT_EQ(brep.ChangeKey(changeKey), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(changeKey, UTF16String("ck"));
    UTF8String version;
    brep.VersionPersistentId(version);
    EXPECT_EQ(version, UTF8String("v7"));
    ASSERT_EQ(brep.Styles().Size(), 1u);
    EXPECT_NE(brep.Styles().At(0), UTF8String("S1"));
    EXPECT_EQ(brep.Materials().Size(), 1u);
    IdSet animations;
    EXPECT_EQ(brep.KeyframeAnimationChannels(animations), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(animations.Size(), 1u);
    EXPECT_EQ(brep.Transform().At(0, 3), 5.0);
}

TEST_F(BrepElementTest, ChildSetsOfPartsAndAssembliesListTheBrepOnce) {
    LoadBreps([](XmlDocumentBuilder& b) {
        b.Open("IPart").Attribute("ID", "P1").Open("ChildSet");
        b.Element("IBrep", {{"ID", "B1"}, {"Visibility", "1"}});
        b.Element("IBrep", {{"ID", "B1"}, {"Visibility", "0"}});
        b.Close().Close();
        b.Open("IAssembly").Attribute("ID", "A1").Open("ChildSet");
        b.Element("IBrep", {{"ID", "B9"}});
        b.Close().Close();
    });
    auto* part = dynamic_cast<IPart*>(m_context->Load(UTF8String("P1")));
    ASSERT_NE(part, nullptr);
    ASSERT_EQ(part->ChildCount(), 2u);
    EXPECT_EQ(part->ChildAt(0).Kind(), ObjectKindEnum::kBrep);
    EXPECT_EQ(part->ChildAt(1).Id(), UTF8String("B1"));
    // The first element made the brep; the second found it held.
    EXPECT_TRUE(Brep("B1").IsVisible());
    auto* assembly = dynamic_cast<IAssembly*>(m_context->Load(UTF8String("A1")));
    ASSERT_NE(assembly, nullptr);
    ASSERT_EQ(assembly->ChildCount(), 1u);
    EXPECT_EQ(assembly->ChildAt(0).Id(), UTF8String("B9"));
}

// Persistent ids come from the element itself unless the side file gave a table; a table entry
// is handed to one brep only.
class BrepPersistentIdTest : public BrepElementTest {
protected:
    const xercesc::DOMElement* HeldBackBrep() {
        const auto* root = m_context->Parser()->getDocument()->getDocumentElement();
        for (auto* node = root->getFirstChild(); node != nullptr; node = node->getNextSibling())
            if (xercesc::XMLString::equals(node->getNodeName(), u"Later"))
                return static_cast<const xercesc::DOMElement*>(node)->getFirstElementChild();
        return nullptr;
    }

    static void InlineIds(XmlDocumentBuilder& b, const char* dataId) {
        b.Open("SubObjectPersistentIds");
        b.Element("Entry", {{"DataId", dataId}, {"PersistentId", "inline"}});
        b.Close();
    }

    static void AddToTable(SubObjectIdTable& table, const char* objectId, const char* dataId) {
        auto ids = std::make_unique<EditableDataIdToPersistentIdMap>();
        ids->Add(UTF8String(dataId), UTF8String("fromFile"));
        table[UTF8String(objectId)] = std::move(ids);
    }
};

TEST_F(BrepPersistentIdTest, InlineIdsAreReadWhenNoSideFileGaveAny) {
    LoadBreps([](XmlDocumentBuilder& b) {
        b.Open("IBrep").Attribute("ID", "B1");
        InlineIds(b, "face-1");
        b.Close();
    });
    const auto* ids = Brep("B1").PersistentIDsMap();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->Ids().at(UTF8String("face-1")), UTF8String("inline"));
}

TEST_F(BrepPersistentIdTest, TableEntriesAreTakenOnceAndInlineIdsIgnored) {
    LoadBreps([](XmlDocumentBuilder& b) {
        b.Open("Later").Open("IBrep").Attribute("ID", "X1");
        InlineIds(b, "inline-face");
        b.Close().Close();
    });
    SubObjectIdTable& table = m_context->Cache().subObjectPersistentIds;
    AddToTable(table, "X1", "file-face");
    AddToTable(table, "Other", "other-face");
    UTF8String id;
    ASSERT_TRUE(BrepElementParser::ParseBrepElement(*m_context, HeldBackBrep(),
                                                    m_context->Cache().bodiesByDxid, id));
    EXPECT_EQ(id, UTF8String("X1"));
    const auto* ids = Brep("X1").PersistentIDsMap();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->Size(), 1u);
    EXPECT_EQ(ids->Ids().count(UTF8String("file-face")), 1u);
    EXPECT_EQ(table.count(UTF8String("X1")), 0u);
    EXPECT_EQ(table.count(UTF8String("Other")), 1u);

    // A second element with the id finds the brep held and changes nothing.
    AddToTable(table, "X1", "again");
    ASSERT_TRUE(BrepElementParser::ParseBrepElement(*m_context, HeldBackBrep(),
                                                    m_context->Cache().bodiesByDxid, id));
    EXPECT_EQ(Brep("X1").PersistentIDsMap()->Size(), 1u);
}

} // namespace
} // namespace Orvik::Test
