#include "DomParser.h"
#include "aec/MaterialDataReader.h"
#include "orvik/api/aec/IMaterialLayerSetData.h"
#include "orvik/api/aec/IMaterialPieceSetData.h"
#include "orvik/api/aec/IMaterialProfileSetData.h"

#include <gtest/gtest.h>

namespace Orvik {
namespace {

class MaterialDataTest : public TestSupport::XercesTest {
protected:
    std::unique_ptr<IMaterialData> Read(const std::string& xml) {
        const xercesc::DOMElement* element = Parse(xml);
        return element ? MaterialDataReader::Read(m_context, *element) : nullptr;
    }

    template <typename Data>
    std::unique_ptr<Data> ReadAs(const std::string& xml) {
        std::unique_ptr<IMaterialData> data = Read(xml);
        auto* typed = dynamic_cast<Data*>(data.get());
        if (typed == nullptr)
            return nullptr;
        data.release();
        return std::unique_ptr<Data>(typed);
    }

    MaterialDataContext m_context{
        [](const UTF8String& id) { return UTF8String("p-" + id.Value()); },
        [this](const xercesc::DOMElement&, const XMLCh*) { ++m_unparsable; }};
    int m_unparsable = 0;
};

TEST_F(MaterialDataTest, OnlyTheSixKindsWithAttributesAreRead) {
    EXPECT_EQ(Read(R"(<IMaterialData Name="x"/>)"), nullptr);
    EXPECT_EQ(Read(R"(<IMaterialLayerData/>)"), nullptr);
    for (const char* kind :
         {"IMaterialLayerData", "IMaterialPieceData", "IMaterialProfileData",
          "IMaterialLayerSetData", "IMaterialPieceSetData", "IMaterialProfileSetData"}) {
        SCOPED_TRACE(kind);
        const auto data = Read(std::string("<") + kind + R"( Name="n" Description=""/>)");
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->Name(), UTF16String(u"n"));
        UTF16String description(u"unset");
        EXPECT_EQ(data->Description(description), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(description, UTF16String());
    }
}

TEST_F(MaterialDataTest, ALayerAnswersEveryValueAsWritten) {
    const auto layer = ReadAs<IMaterialLayerData>(
        R"(<IMaterialLayerData Name="Brick" StartOffset="1" EndOffset="2" isVentilated="True"
             Priority="7" Category="Core">
             <MaterialRef ID="m1"/><LayerThickness LengthUnit="kUnitType_Millimeter" Value="240"/>
             <OffsetDir>0 0 2</OffsetDir></IMaterialLayerData>)");
    ASSERT_NE(layer, nullptr);
    UTF8String material;
    EXPECT_EQ(layer->Material(material), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(material, UTF8String("p-m1"));
    EXPECT_EQ(layer->LayerThickness(), 240.0);
    EXPECT_EQ(layer->LayerThicknessLengthUnit(), UnitTypeEnum::kUnitType_Millimeter);
    UnitVector direction;
    EXPECT_EQ(layer->OffsetDir(direction), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(direction, UnitVector(0, 0, 1));
    double start = 0, end = 0;
    EXPECT_EQ(layer->StartOffset(start), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(layer->EndOffset(end), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(start, 1.0);
    EXPECT_EQ(end, 2.0);
    bool ventilated = false;
    EXPECT_EQ(layer->IsVentilated(ventilated), IsValueSpecifiedEnum::kSpecified);
    EXPECT_TRUE(ventilated);
    std::uint64_t priority = 0;
    EXPECT_EQ(layer->Priority(priority), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(priority, 7u);
}

TEST_F(MaterialDataTest, AbsentOrMisspelledValuesStayUnspecified) {
    const auto layer =
        ReadAs<IMaterialLayerData>(R"(<IMaterialLayerData IsVentilated="True" EndOffset="2">
             <MaterialRef ID=""/></IMaterialLayerData>)");
    ASSERT_NE(layer, nullptr);
    bool ventilated = false;
    double start = 0;
    UTF8String material;
    EXPECT_EQ(layer->IsVentilated(ventilated), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(layer->StartOffset(start), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(layer->Material(material), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(layer->LayerThickness(), 0.0);

    const auto piece = ReadAs<IMaterialPieceData>(R"(<IMaterialPieceData Fraction="0.25"/>)");
    ASSERT_NE(piece, nullptr);
    material = UTF8String("unset");
    EXPECT_EQ(piece->Material(material), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(material, UTF8String());
    double fraction = 0;
    EXPECT_EQ(piece->Fraction(fraction), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(fraction, 0.25);
}

TEST_F(MaterialDataTest, NonNumericValuesAreSetToZeroAndReported) {
    const auto profile = ReadAs<IMaterialProfileData>(
        R"(<IMaterialProfileData StartOffset="abc" Priority="-3" ProfileLengthUnit="Meter"/>)");
    ASSERT_NE(profile, nullptr);
    double start = 5;
    std::uint64_t priority = 5;
    EXPECT_EQ(profile->StartOffset(start), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(start, 0.0);
    EXPECT_EQ(profile->Priority(priority), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(priority, 0u);
    EXPECT_EQ(profile->ProfileLengthUnit(), UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(profile->ProfileDefinition(), nullptr);
    EXPECT_EQ(m_unparsable, 2);
}

TEST_F(MaterialDataTest, SetsKeepOnlyMembersOfTheirKindInOrder) {
    const auto layers = ReadAs<IMaterialLayerSetData>(
        R"(<IMaterialLayerSetData Name="Wall"><TotalThickness LengthUnit="Millimeter" Value="300"/>
             <MaterialChildSet><IMaterialLayerData Name="a"/><IMaterialPieceData Name="p"/>
             <IMaterialLayerData Name="b"/></MaterialChildSet></IMaterialLayerSetData>)");
    ASSERT_NE(layers, nullptr);
    ASSERT_EQ(layers->MaterialCount(), 2u);
    EXPECT_EQ(layers->MaterialAt(0)->Name(), UTF16String(u"a"));
    EXPECT_EQ(layers->MaterialAt(1)->Name(), UTF16String(u"b"));
    EXPECT_EQ(layers->MaterialAt(2), nullptr);
    EXPECT_EQ(layers->TotalThickness(), 300.0);
    EXPECT_EQ(layers->LayerTotalThicknessLengthUnit(), UnitTypeEnum::kUnitType_Millimeter);

    const auto pieces = ReadAs<IMaterialPieceSetData>(
        R"(<IMaterialPieceSetData Name="Mix"><MaterialChildSet><IMaterialPieceData Fraction="1"/>
             </MaterialChildSet></IMaterialPieceSetData>)");
    ASSERT_NE(pieces, nullptr);
    EXPECT_EQ(pieces->MaterialCount(), 1u);

    const auto profiles = ReadAs<IMaterialProfileSetData>(
        R"(<IMaterialProfileSetData Name="Frame" ProfileLengthUnit="kUnitType_Inch">
             <MaterialChildSet><IMaterialProfileData Name="x"/></MaterialChildSet>
             </IMaterialProfileSetData>)");
    ASSERT_NE(profiles, nullptr);
    EXPECT_EQ(profiles->MaterialCount(), 1u);
    EXPECT_EQ(profiles->ProfileLengthUnit(), UnitTypeEnum::kUnitType_Inch);
    EXPECT_EQ(profiles->CompositeProfile(), nullptr);
}

} // namespace
} // namespace Orvik
