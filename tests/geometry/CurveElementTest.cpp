#include "geometry/CurveElementReaders.h"
#include "geometry/XMLCurve.h"
#include "orvik/api/IStraightData.h"
#include "orvik/api/ObjectCollector.h"
#include "orvik/api/ObjectKind.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"
#include "veld/Curve.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;

std::unique_ptr<Veld::curve> KernelLine(double length) {
    Veld::LineGeometry line;
    line.direction = {1.0, 0.0, 0.0};
    line.end = length;
    return std::make_unique<Veld::curve>(line);
}

std::vector<std::string> Ids(const IdSet& ids) {
    std::vector<std::string> values;
    for (const UTF8String& id : ids)
        values.push_back(id.Value());
    return values;
}

class CurveElementTest : public ::testing::Test {
protected:
    void SetUp() override { xercesc::XMLPlatformUtils::Initialize(); }
    void TearDown() override {
        m_parsers.clear();
        xercesc::XMLPlatformUtils::Terminate();
    }

    // The document element of the text; valid until the test ends.
    const DOMElement* Parse(const std::string& xml) {
        auto parser = std::make_unique<xercesc::XercesDOMParser>();
        parser->setLoadExternalDTD(false);
        xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()), xml.size(),
                                          "curve");
        parser->parse(source);
        EXPECT_EQ(parser->getErrorCount(), 0u) << xml;
        const xercesc::DOMDocument* document = parser->getDocument();
        m_parsers.push_back(std::move(parser));
        return document ? document->getDocumentElement() : nullptr;
    }

    // A stream curve waiting in the table under its id, holding one line record.
    void AddStreamCurve(const std::string& id) {
        std::istringstream in(std::string(64, '\0'));
        m_context.Cache().curvesById[UTF8String(id)] =
            std::make_unique<XMLCurve>(&m_context, &in, 1, false);
    }

    ExternalGeometryTables Tables() { return m_context.Cache().GeometryTables(); }
    ObjectCollector& Collector() { return *m_context.Collector(); }

    XMLProducerOptions m_options;
    XMLProducerImpl m_context{UTF16String("unused.xml"), &m_options};

private:
    std::vector<std::unique_ptr<xercesc::XercesDOMParser>> m_parsers;
};

TEST_F(CurveElementTest, AttributesAndVisibilityDefaults) {
    XMLCurve plain(&m_context);
    ASSERT_TRUE(plain.ParseCurveElement(Parse(R"(<ICurve ID="c1" Label="Edge"/>)"), {}));
    EXPECT_EQ(plain.Id(), UTF8String("c1"));
    EXPECT_EQ(plain.Label(), UTF16String(u"Edge"));
    EXPECT_TRUE(plain.IsVisible());
    EXPECT_TRUE(plain.IsNetVisible());
    EXPECT_EQ(plain.AngularTolerance(), -1.0);
    UTF8String version("x");
    plain.VersionPersistentId(version);

    XMLCurve hidden(&m_context);
    hidden.ParseCurveElement(
        Parse(R"(<ICurve ID="c2" Visibility="0" NetVisibility="True" VersionPersistentId="v7"/>)"),
        {});
    EXPECT_FALSE(hidden.IsVisible());
    EXPECT_FALSE(hidden.IsNetVisible());
    hidden.VersionPersistentId(version);
    EXPECT_EQ(version, UTF8String("v7"));
    EXPECT_FALSE(plain.ParseCurveElement(nullptr, {}));
}

TEST_F(CurveElementTest, ChildrenWithCaseRulesUnitsTolerancesAndTransforms) {
    XMLCurve curve(&m_context);
    curve.ParseCurveElement(Parse(R"(<ICurve ID="c">
        <styles><StyleRef ID="s1"/></styles>
        <NETSTYLES><StyleRef ID="s2"/></NETSTYLES>
        <materials><MaterialRef ID="m1"/></materials>
        <extensiondata TypeId="t"/>
        <Tolerance AngularTolerance="-2" LinearTolerance="0.5" ParamTolerance="0.25"/>
        <Unit LengthUnit="kUnitType_Millimeter" DisplayLengthUnit="kUnitType_Meter"/>
        <ChangeKey>k1</ChangeKey>
        <Transform>1 0 0 5 0 1 0 0 0 0 1 0</Transform>
      </ICurve>)"),
                            {});
    EXPECT_EQ(Ids(curve.Styles()), std::vector<std::string>{"s1"});
    EXPECT_EQ(Ids(curve.NetStyles()), std::vector<std::string>{"s2"});
    EXPECT_EQ(Ids(curve.Materials()), std::vector<std::string>{"m1"});
    ExtensionDataContent content;
    EXPECT_EQ(curve.ExtensionDataByTypeId(UTF8String("t"), content),
              IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(curve.AngularTolerance(), -2.0);
    EXPECT_EQ(curve.ParamTolerance(), 0.25);
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    curve.LengthUnit(unit);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);
    curve.DisplayLengthUnit(unit);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Meter);
    UTF16String key;
    EXPECT_EQ(curve.ChangeKey(key), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(key, UTF16String(u"k1"));
    ASSERT_TRUE(curve.HasTransform());
    EXPECT_EQ(curve.Transform().At(0, 3), 5.0);

    curve.SetTransform(Matrix3d());
    EXPECT_FALSE(curve.HasTransform());
    XMLCurve identity(&m_context);
    identity.ParseCurveElement(
        Parse(R"(<ICurve ID="i"><Transform>1 0 0 0 0 1 0 0 0 0 1 0</Transform></ICurve>)"), {});
    EXPECT_FALSE(identity.HasTransform());
    EXPECT_TRUE(identity.Transform().IsIdentity());
}

TEST_F(CurveElementTest, KernelCurvesCopiedPerListingAndOneNullRecord) {
    EdgeCurveTable edges;
    edges[UTF8String("e1")] = KernelLine(2.0);
    edges[UTF8String("e2")] = KernelLine(3.0);
    XMLCurve curve(&m_context);
    curve.ParseCurveElement(Parse(R"(<ICurve ID="k">
        <VeldEntity EntityId="e1"/><VeldEntity EntityId="missing"/>
        <VeldEntity EntityId="e2"/><VeldEntity EntityId="e1"/></ICurve>)"),
                            edges);
    std::vector<const Veld::curve*> kernel;
    curve.KernelCurves(kernel);
    ASSERT_EQ(kernel.size(), 3u);
    EXPECT_EQ(kernel[0]->line()->end, 2.0);
    EXPECT_EQ(kernel[1]->line()->end, 3.0);
    // Copies: the table keeps its own curves, and the curve destroys only its copies.
    EXPECT_NE(kernel[0], edges[UTF8String("e1")].get());
    EXPECT_NE(kernel[0], kernel[2]);
    EXPECT_EQ(curve.CurveDataCount(), 1u);
    EXPECT_EQ(curve.CurveDataAt(0), nullptr);
    EXPECT_THROW(curve.CurveDataAt(1), std::out_of_range);
    EXPECT_EQ(KindOf(&curve), ObjectKindEnum::kCurve);
}

TEST_F(CurveElementTest, StreamCurveTakenOnceAndRegisteredUnderItsId) {
    AddStreamCurve("c1");
    UTF8String id;
    const DOMElement* element = Parse(R"(<ICurve ID="c1" Label="taken"/>)");
    ASSERT_TRUE(CurveElementReaders::ParseStreamCurveElement(m_context, *element,
                                                             m_context.Cache().curvesById, id));
    EXPECT_EQ(id, UTF8String("c1"));
    EXPECT_TRUE(m_context.Cache().curvesById.empty());
    auto* curve = dynamic_cast<XMLCurve*>(m_context.FindObject(id));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->Label(), UTF16String(u"taken"));
    EXPECT_NE(dynamic_cast<const IStraightData*>(curve->CurveDataAt(0)), nullptr);
    // Held already: true without a table entry; unknown ids are not there at all.
    EXPECT_TRUE(CurveElementReaders::ParseStreamCurveElement(m_context, *element,
                                                             m_context.Cache().curvesById, id));
    EXPECT_FALSE(CurveElementReaders::ParseStreamCurveElement(
        m_context, *Parse(R"(<ICurve ID="other"/>)"), m_context.Cache().curvesById, id));
}

TEST_F(CurveElementTest, ChildCurvePrefersTheStreamAndFallsBackToKernelCurves) {
    const DOMElement* element = Parse(R"(<ICurve ID="c1"><VeldEntity EntityId="e"/></ICurve>)");
    EXPECT_EQ(CurveElementReaders::ReadChildCurve(m_context, *element, Tables()), nullptr);

    AddStreamCurve("c1");
    m_context.Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    IObject* stream = CurveElementReaders::ReadChildCurve(m_context, *element, Tables());
    ASSERT_NE(stream, nullptr);
    std::vector<const Veld::curve*> kernel;
    static_cast<XMLCurve*>(stream)->KernelCurves(kernel);
    EXPECT_TRUE(kernel.empty());

    IObject* made = CurveElementReaders::ReadChildCurve(
        m_context, *Parse(R"(<ICurve ID="c2"><VeldEntity EntityId="e"/></ICurve>)"), Tables());
    ASSERT_NE(made, nullptr);
    static_cast<XMLCurve*>(made)->KernelCurves(kernel);
    EXPECT_EQ(kernel.size(), 1u);
    EXPECT_EQ(Collector().Size(), 2u);
}

TEST_F(CurveElementTest, DispatchRuleTakesCachedCurveAndMakesNoSecond) {
    const DOMElement* element = Parse(R"(<ICurve ID="c1"/>)");
    auto outcome = CurveElementReaders::DispatchCurve(m_context, *element, Tables());
    EXPECT_FALSE(outcome.result);
    EXPECT_FALSE(outcome.consumed);

    AddStreamCurve("c1");
    AddStreamCurve("c9");
    outcome = CurveElementReaders::DispatchCurve(m_context, *element, Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    IObject* first = m_context.FindObject(UTF8String("c1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(m_context.Cache().curvesById.count(UTF8String("c1")), 0u);

    m_context.Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    outcome = CurveElementReaders::DispatchCurve(m_context, *element, Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_EQ(Collector().Size(), 1u);
    EXPECT_EQ(m_context.FindObject(UTF8String("c1")), first);

    // A stream table without this id: the kernel step makes the curve.
    outcome =
        CurveElementReaders::DispatchCurve(m_context, *Parse(R"(<ICurve ID="k"/>)"), Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    EXPECT_EQ(Collector().Size(), 2u);
}

TEST_F(CurveElementTest, UnderAnIdPrefixTheStreamCurveKeepsTheNewIdAlone) {
    m_context.SetNewObjectIdPrefix(UTF8String("n"));
    AddStreamCurve("c1");
    m_context.Cache().edgeCurvesByDxid[UTF8String("e")] = KernelLine(1.0);
    const auto outcome = CurveElementReaders::DispatchCurve(
        m_context, *Parse(R"(<ICurve ID="c1"><VeldEntity EntityId="e"/></ICurve>)"), Tables());
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.consumed);
    ASSERT_EQ(Collector().Size(), 1u);
    auto* curve = dynamic_cast<XMLCurve*>(m_context.FindObject(UTF8String("n1")));
    ASSERT_NE(curve, nullptr);
    std::vector<const Veld::curve*> kernel;
    curve->KernelCurves(kernel);
    EXPECT_TRUE(kernel.empty());
}

} // namespace
} // namespace Orvik::Test
