#include "PresentationFixture.h"
#include "loader/AttributeSetReader.h"

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>

namespace Orvik::Test {
namespace {

class MaterialTest : public PresentationFixture {};

TEST_F(MaterialTest, AMaterialAnswersWhatItWasWritten) {
    LoadSets(R"(<StyleSet><IRenderStyle ID="s1"/></StyleSet>
        <MaterialSet><IMaterial ID="m" Label="Brick" Category="Masonry" Description=""
          VersionPersistentId="v"><ChangeKey>k</ChangeKey><Styles><StyleRef ID="s1"/></Styles>
          <ExtensionData TypeId="vendor:t" Content="c"/></IMaterial>
        <IMaterial ID="bare"/></MaterialSet>)");
    const auto* material = Find<IMaterial>("m");
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->Label(), UTF16String(u"Brick"));
    UTF16String text(u"unset");
    EXPECT_EQ(material->Description(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String());
    EXPECT_EQ(material->Category(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String(u"Masonry"));
    EXPECT_EQ(material->Styles(), IdSet{UTF8String("s1")});
    ExtensionDataContent content;
    EXPECT_EQ(material->ExtensionDataByTypeId(UTF8String("vendor:t"), content),
              IsValueSpecifiedEnum::kSpecified);
    const IMaterialData* data = nullptr;
    EXPECT_EQ(material->MaterialData(data), IsValueSpecifiedEnum::kUnspecified);

    const auto* bare = Find<IMaterial>("bare");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->Description(text), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(bare->Category(text), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(MaterialTest, AnIdListedTwiceMakesOneMaterial) {
    LoadSets(R"(<MaterialSet><IMaterial ID="m" Label="first"/><IMaterial ID="m" Label="second"/>
        </MaterialSet>)");
    EXPECT_EQ(RootFile().MaterialSet(), IdSet{UTF8String("m")});
    EXPECT_EQ(Find<IMaterial>("m")->Label(), UTF16String(u"first"));
    // The file and the one material.
    EXPECT_EQ(m_context->Collector()->Size(), 2u);
}

TEST_F(MaterialTest, TheLastBuildUpChildWinsAndOthersAreIgnored) {
    LoadSets(R"(<MaterialSet><IMaterial ID="m"><IMaterialLayerData Name="layer"/>
        <IMaterialData Name="unknown"/><IMaterialPieceData Name="piece"/><Unknown/>
        </IMaterial></MaterialSet>)");
    const IMaterialData* data = nullptr;
    ASSERT_EQ(Find<IMaterial>("m")->MaterialData(data), IsValueSpecifiedEnum::kSpecified);
    ASSERT_NE(dynamic_cast<const IMaterialPieceData*>(data), nullptr);
    EXPECT_EQ(data->Name(), UTF16String(u"piece"));
}

TEST_F(MaterialTest, MaterialReferencesOfBuildUpDataGetTheNewIdsUnderAPrefix) {
    LoadSets(R"(<MaterialSet><IMaterial ID="brick"/><IMaterial ID="wall">
        <IMaterialLayerData Name="l"><MaterialRef ID="brick"/></IMaterialLayerData>
        </IMaterial></MaterialSet>)",
             "", "p");
    const IdSet materials = Find<IFile>("p1")->MaterialSet();
    ASSERT_EQ(materials.Size(), 2u);
    const IMaterialData* data = nullptr;
    ASSERT_EQ(Find<IMaterial>(materials.At(1).Value())->MaterialData(data),
              IsValueSpecifiedEnum::kSpecified);
    UTF8String named;
    static_cast<const IMaterialLayerData*>(data)->Material(named);
    EXPECT_EQ(named, materials.At(0));
}

// A material element without attributes cannot be read; it is not handed to the collector.
TEST_F(MaterialTest, AMaterialWhoseReadingFailsIsNotAdded) {
    LoadSets("");
    xercesc::XercesDOMParser parser;
    const std::string xml = "<IMaterial/>";
    xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()), xml.size(),
                                      "material");
    parser.parse(source);
    const xercesc::DOMElement* element = parser.getDocument()->getDocumentElement();
    ASSERT_NE(element, nullptr);
    EXPECT_FALSE(ReadMaterialSetMember(m_context->Context(), *element, UTF8String("lost")));
    EXPECT_FALSE(m_context->Context().Holds(UTF8String("lost")));
    EXPECT_EQ(Count(DiagnosticCode::kReadFailed), 1u);
}

} // namespace
} // namespace Orvik::Test
