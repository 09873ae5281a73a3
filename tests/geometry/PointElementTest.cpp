#include "geometry/PlaneElementReader.h"
#include "geometry/XMLCoordSys.h"
#include "geometry/XMLPoint.h"
#include "geometry/XMLPointCloud.h"
#include "geometry/XMLWorkAxis.h"
#include "geometry/XMLWorkPlane.h"
#include "geometry/XMLWorkPoint.h"
#include "orvik/api/ObjectKind.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"

#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;
using Triple = std::array<double, 3>;

std::vector<std::string> Ids(const IdSet& ids) {
    std::vector<std::string> values;
    for (const UTF8String& id : ids)
        values.push_back(id.Value());
    return values;
}

template <typename Object, typename Query>
Triple Answer(const Object& object, Query query) {
    Triple t{-7.0, -7.0, -7.0};
    (object.*query)(t[0], t[1], t[2]);
    return t;
}

class PointElementTest : public ::testing::Test {
protected:
    void SetUp() override { xercesc::XMLPlatformUtils::Initialize(); }
    void TearDown() override {
        m_parsers.clear();
        xercesc::XMLPlatformUtils::Terminate();
    }

    const DOMElement* Parse(const std::string& xml) {
        auto parser = std::make_unique<xercesc::XercesDOMParser>();
        xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()), xml.size(),
                                          "points");
        parser->parse(source);
        EXPECT_EQ(parser->getErrorCount(), 0u) << xml;
        const xercesc::DOMDocument* document = parser->getDocument();
        m_parsers.push_back(std::move(parser));
        return document ? document->getDocumentElement() : nullptr;
    }

    template <typename Entity>
    std::unique_ptr<Entity> Read(const std::string& xml) {
        auto object = std::make_unique<Entity>(&m_context);
        EXPECT_TRUE(object->Read(Parse(xml)));
        return object;
    }

    XMLProducerOptions m_options;
    XMLProducerImpl m_context{UTF16String("unused.xml"), &m_options};

private:
    std::vector<std::unique_ptr<xercesc::XercesDOMParser>> m_parsers;
};

TEST_F(PointElementTest, EveryReaderRefusesOnlyAMissingElement) {
    EXPECT_FALSE(XMLPoint(&m_context).Read(nullptr));
    EXPECT_FALSE(XMLPointCloud(&m_context).Read(nullptr));
    EXPECT_FALSE(XMLCoordSys(&m_context).Read(nullptr));
    EXPECT_FALSE(XMLWorkAxis(&m_context).Read(nullptr));
    EXPECT_FALSE(XMLWorkPlane(&m_context).Read(nullptr));
    EXPECT_FALSE(XMLWorkPoint(&m_context).Read(nullptr));
    EXPECT_TRUE(XMLWorkPoint(&m_context).Read(Parse("<IWorkPoint/>")));
}

TEST_F(PointElementTest, PointReadsItsPositionIdentityAndReferences) {
    const auto point = Read<XMLPoint>(R"(<IPoint ID="p1" Label="Tip" VersionPersistentId="v9">
        <Point X="1.5" Y="-2" Z="3e2"/>
        <ChangeKey>ck-1</ChangeKey>
        <Unit LengthUnit="Millimeter" DisplayLengthUnit="Meter"/>
        <styles><StyleRef ID="s1"/></styles>
        <NETSTYLES><StyleRef ID="s2"/></NETSTYLES>
        <materials><MaterialRef ID="m1"/></materials>
        <Transform>1 0 0 0 0 1 0 0 0 0 1 0 5 6 7 1</Transform>
      </IPoint>)");
    EXPECT_EQ(point->Id().Value(), "p1");
    EXPECT_EQ(point->Label().ToUTF8(), "Tip");
    EXPECT_EQ(KindOf(point.get()), ObjectKindEnum::kPoint);
    EXPECT_EQ((Triple{point->X(), point->Y(), point->Z()}), (Triple{1.5, -2.0, 300.0}));
    UTF8String version;
    EXPECT_EQ(point->VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(version.Value(), "v9");
    UTF16String key;
    EXPECT_EQ(point->ChangeKey(key), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(key.ToUTF8(), "ck-1");
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_EQ(point->LengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(point->DisplayLengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(point->DisplayAngleUnit(unit), IsValueSpecifiedEnum::kUnspecified);
    // Points take their reference lists whatever the letter case of the name.
    EXPECT_EQ(Ids(point->Styles()), std::vector<std::string>{"s1"});
    EXPECT_EQ(Ids(point->NetStyles()), std::vector<std::string>{"s2"});
    EXPECT_EQ(Ids(point->Materials()), std::vector<std::string>{"m1"});
    EXPECT_TRUE(point->HasTransform());
    EXPECT_EQ(point->MarkerType(), 0);
    EXPECT_TRUE(point->MarkerName().IsEmpty());
    EXPECT_EQ(point->MarkerSize(), 0.0);
    EXPECT_FALSE(point->IsGraphicPMI_ex());
    point->SetTransform(Matrix3d());
    EXPECT_FALSE(point->HasTransform());
}

TEST_F(PointElementTest, PointWithoutPositionOrWithBadNumbersAnswersZero) {
    const auto empty = Read<XMLPoint>(R"(<IPoint ID="p"/>)");
    EXPECT_EQ((Triple{empty->X(), empty->Y(), empty->Z()}), (Triple{0.0, 0.0, 0.0}));
    const auto bad = Read<XMLPoint>(R"(<IPoint ID="p"><Point X="4" Y="abc" Z=""/></IPoint>)");
    EXPECT_EQ((Triple{bad->X(), bad->Y(), bad->Z()}), (Triple{4.0, 0.0, 0.0}));
    // A later "Point" starts again from the origin.
    const auto twice =
        Read<XMLPoint>(R"(<IPoint ID="p"><Point X="4" Y="5" Z="6"/><Point Z="1"/></IPoint>)");
    EXPECT_EQ((Triple{twice->X(), twice->Y(), twice->Z()}), (Triple{0.0, 0.0, 1.0}));
}

TEST_F(PointElementTest, ToleranceIsNeverTakenWhateverItsLetterCase) {
    const auto point = Read<XMLPoint>(R"(<IPoint ID="p">
        <Tolerance AngularTolerance="0.1" LinearTolerance="0.2" ParamTolerance="0.3"/>
        <tolerance AngularTolerance="0.1"/></IPoint>)");
    const auto plane = Read<XMLWorkPlane>(R"(<IWorkPlane ID="w">
        <Tolerance AngularTolerance="0.1" LinearTolerance="0.2" ParamTolerance="0.3"/>
        </IWorkPlane>)");
    for (const IGeometry* geometry :
         {static_cast<const IGeometry*>(point.get()), static_cast<const IGeometry*>(plane.get())}) {
        EXPECT_EQ(geometry->AngularTolerance(), -1.0);
        EXPECT_EQ(geometry->LinearTolerance(), -1.0);
        EXPECT_EQ(geometry->ParamTolerance(), -1.0);
    }
}

TEST_F(PointElementTest, VisibilityDefaultsAndValuesPerKind) {
    // Absent means visible; present means visible only when exactly "1".
    const std::vector<std::unique_ptr<IGeometry>> absent = [&] {
        std::vector<std::unique_ptr<IGeometry>> all;
        all.push_back(Read<XMLPoint>("<IPoint/>"));
        all.push_back(Read<XMLPointCloud>("<IPointCloud/>"));
        all.push_back(Read<XMLCoordSys>("<ICoordSys/>"));
        all.push_back(Read<XMLWorkAxis>("<IWorkAxis/>"));
        all.push_back(Read<XMLWorkPlane>("<IWorkPlane/>"));
        all.push_back(Read<XMLWorkPoint>("<IWorkPoint/>"));
        return all;
    }();
    for (const auto& geometry : absent) {
        EXPECT_TRUE(geometry->IsVisible()) << InterfaceName(KindOf(geometry.get()));
        EXPECT_TRUE(geometry->IsNetVisible()) << InterfaceName(KindOf(geometry.get()));
    }
    const auto point = Read<XMLPoint>(R"(<IPoint Visibility="0" NetVisibility="1"/>)");
    EXPECT_FALSE(point->IsVisible());
    EXPECT_TRUE(point->IsNetVisible());
    const auto cloud = Read<XMLPointCloud>(R"(<IPointCloud Visibility="true"/>)");
    EXPECT_FALSE(cloud->IsVisible());
    const auto axis = Read<XMLWorkAxis>(R"(<IWorkAxis Visibility="1" NetVisibility=""/>)");
    EXPECT_TRUE(axis->IsVisible());
    EXPECT_FALSE(axis->IsNetVisible());
}

TEST_F(PointElementTest, PointCloudCountsWholePointsOnly) {
    const auto cloud = Read<XMLPointCloud>(R"(<IPointCloud ID="c" Label="Scan">
        <PointCloud PointCloudCoordinates="1 2 3  4 5 6 7"/></IPointCloud>)");
    EXPECT_EQ(KindOf(cloud.get()), ObjectKindEnum::kPointCloud);
    ASSERT_EQ(cloud->PointCount(), 2u);
    Triple t{-7.0, -7.0, -7.0};
    cloud->PointAt(1, t[0], t[1], t[2]);
    EXPECT_EQ(t, (Triple{4.0, 5.0, 6.0}));
    // The seventh number is never answered; indices past the end write nothing.
    t = {-7.0, -7.0, -7.0};
    cloud->PointAt(2, t[0], t[1], t[2]);
    cloud->PointAt(~std::uint64_t{0}, t[0], t[1], t[2]);
    EXPECT_EQ(t, (Triple{-7.0, -7.0, -7.0}));
}

TEST_F(PointElementTest, PointCloudAppendsEveryListAndSurvivesBadText) {
    const auto cloud = Read<XMLPointCloud>(R"(<IPointCloud ID="c">
        <PointCloud PointCloudCoordinates="1 2 3"/>
        <PointCloud PointCloudCoordinates="x 8 NaN"/>
        <Styles><StyleRef ID="s1"/></Styles><Materials><MaterialRef ID="m"/></Materials>
      </IPointCloud>)");
    ASSERT_EQ(cloud->PointCount(), 2u);
    Triple t{-7.0, -7.0, -7.0};
    cloud->PointAt(1, t[0], t[1], t[2]);
    EXPECT_EQ(t, (Triple{0.0, 8.0, 0.0}));
    EXPECT_EQ(Ids(cloud->Styles()), std::vector<std::string>{"s1"});
    EXPECT_TRUE(cloud->Materials().IsEmpty());

    for (const char* xml :
         {R"(<IPointCloud><PointCloud PointCloudCoordinates=""/></IPointCloud>)",
          R"(<IPointCloud><PointCloud PointCloudCoordinates="   "/></IPointCloud>)",
          R"(<IPointCloud><PointCloud/></IPointCloud>)"}) {
        const auto empty = Read<XMLPointCloud>(xml);
        EXPECT_EQ(empty->PointCount(), 0u) << xml;
        t = {-7.0, -7.0, -7.0};
        empty->PointAt(0, t[0], t[1], t[2]);
        EXPECT_EQ(t, (Triple{-7.0, -7.0, -7.0}));
    }
}

TEST_F(PointElementTest, HierarchyObjectsShareIdentityUnitsAndExactNames) {
    const auto axis = Read<XMLWorkAxis>(R"(<IWorkAxis ID="a1" Label="Axis" VersionPersistentId="v">
        <ChangeKey>k</ChangeKey>
        <Unit LengthUnit="Inch" DisplayLengthUnit="Meter"/>
        <Styles><StyleRef ID="s1"/></Styles>
        <styles><StyleRef ID="lower"/></styles>
        <NetStyles><StyleRef ID="n"/></NetStyles>
        <StartPoint X="1" Y="2" Z="3"/><EndPoint X="4" Y="5" Z="6"/><Axis X="0" Y="0" Z="1"/>
      </IWorkAxis>)");
    EXPECT_EQ(axis->Id().Value(), "a1");
    EXPECT_EQ(axis->Label().ToUTF8(), "Axis");
    EXPECT_EQ(KindOf(axis.get()), ObjectKindEnum::kWorkAxis);
    EXPECT_EQ(Ids(axis->Styles()), std::vector<std::string>{"s1"});
    EXPECT_TRUE(axis->NetStyles().IsEmpty());
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_EQ(axis->LengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Inch);
    // The display length unit is stored but these kinds do not answer it.
    EXPECT_EQ(axis->DisplayLengthUnit(unit), IsValueSpecifiedEnum::kUnspecified);
    UTF16String key;
    EXPECT_EQ(axis->ChangeKey(key), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(key.ToUTF8(), "k");
    UTF8String version;
    EXPECT_EQ(axis->VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(Answer(*axis, &XMLWorkAxis::StartPoint), (Triple{1, 2, 3}));
    EXPECT_EQ(Answer(*axis, &XMLWorkAxis::EndPoint), (Triple{4, 5, 6}));
    EXPECT_EQ(Answer(*axis, &XMLWorkAxis::Axis), (Triple{0, 0, 1}));

    const auto bare = Read<XMLWorkPoint>(R"(<IWorkPoint ID="w"><changekey>k</changekey>
        <WorkPoint X="9" Y="bad" Z="-1"/></IWorkPoint>)");
    EXPECT_EQ(bare->ChangeKey(key), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(bare->VersionPersistentId(version), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(Answer(*bare, &XMLWorkPoint::Point), (Triple{9, 0, -1}));
    EXPECT_EQ(KindOf(bare.get()), ObjectKindEnum::kWorkPoint);
}

TEST_F(PointElementTest, CoordSysAnswersItsFrameOrZero) {
    const auto frame = Read<XMLCoordSys>(R"(<ICoordSys ID="cs">
        <Origin X="1" Y="1" Z="1"/><XAxis X="1" Y="0" Z="0"/><YAxis X="0" Y="1" Z="0"/>
        <Transform>2 0 0 0 0 2 0 0 0 0 2 0 0 0 0 1</Transform></ICoordSys>)");
    EXPECT_EQ(KindOf(frame.get()), ObjectKindEnum::kCoordSys);
    EXPECT_EQ(Answer(*frame, &XMLCoordSys::Origin), (Triple{1, 1, 1}));
    EXPECT_EQ(Answer(*frame, &XMLCoordSys::XAxis), (Triple{1, 0, 0}));
    EXPECT_EQ(Answer(*frame, &XMLCoordSys::YAxis), (Triple{0, 1, 0}));
    EXPECT_FALSE(frame->Transform().IsIdentity());
    const auto empty = Read<XMLCoordSys>(R"(<ICoordSys ID="cs"><Transform/></ICoordSys>)");
    EXPECT_EQ(Answer(*empty, &XMLCoordSys::Origin), (Triple{0, 0, 0}));
    EXPECT_EQ(Answer(*empty, &XMLCoordSys::XAxis), (Triple{0, 0, 0}));
    EXPECT_TRUE(empty->Transform().IsIdentity());
}

TEST_F(PointElementTest, WorkPlaneReferenceIsAnsweredOnlyWhenGivenAndNonZero) {
    const auto given = Read<XMLWorkPlane>(R"(<IWorkPlane ID="w">
        <Origin X="1" Y="2" Z="3"/><Normal X="0" Y="0" Z="1"/><Reference X="1" Y="0" Z="0"/>
      </IWorkPlane>)");
    EXPECT_EQ(KindOf(given.get()), ObjectKindEnum::kWorkPlane);
    EXPECT_EQ(Answer(*given, &XMLWorkPlane::Origin), (Triple{1, 2, 3}));
    EXPECT_EQ(Answer(*given, &XMLWorkPlane::Normal), (Triple{0, 0, 1}));
    Triple t{-7.0, -7.0, -7.0};
    EXPECT_EQ(given->ReferenceDirection(t[0], t[1], t[2]), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(t, (Triple{1, 0, 0}));

    for (const char* xml : {R"(<IWorkPlane><Normal X="0" Y="0" Z="1"/></IWorkPlane>)",
                            R"(<IWorkPlane><Reference X="0" Y="0" Z="0"/></IWorkPlane>)",
                            R"(<IWorkPlane><Reference X="1e-12" Y="x" Z="0"/></IWorkPlane>)"}) {
        const auto plane = Read<XMLWorkPlane>(xml);
        t = {-7.0, -7.0, -7.0};
        EXPECT_EQ(plane->ReferenceDirection(t[0], t[1], t[2]), IsValueSpecifiedEnum::kUnspecified)
            << xml;
        EXPECT_EQ(t, (Triple{-7.0, -7.0, -7.0})) << xml;
    }
}

TEST_F(PointElementTest, WorkPlaneDisplayRangeNeedsAChild) {
    std::array<double, 6> r{};
    const auto answer = [&r](const XMLWorkPlane& plane) {
        r.fill(-7.0);
        return plane.DisplayRange(r[0], r[1], r[2], r[3], r[4], r[5]);
    };
    const auto full = Read<XMLWorkPlane>(R"(<IWorkPlane><DisplayRange>
        <MinPoint X="-1" Y="-2" Z="-3"/><MaxPoint X="1" Y="2" Z="3"/></DisplayRange></IWorkPlane>)");
    EXPECT_EQ(answer(*full), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(r, (std::array<double, 6>{-1, -2, -3, 1, 2, 3}));

    const auto minOnly = Read<XMLWorkPlane>(
        R"(<IWorkPlane><DisplayRange><MinPoint X="4" Y="5" Z="6"/></DisplayRange></IWorkPlane>)");
    EXPECT_EQ(answer(*minOnly), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(r, (std::array<double, 6>{4, 5, 6, 0, 0, 0}));

    // Any child counts, even one naming neither corner; no child at all does not.
    const auto other =
        Read<XMLWorkPlane>(R"(<IWorkPlane><DisplayRange><Other/></DisplayRange></IWorkPlane>)");
    EXPECT_EQ(answer(*other), IsValueSpecifiedEnum::kSpecified);
    const auto childless = Read<XMLWorkPlane>(R"(<IWorkPlane><DisplayRange/></IWorkPlane>)");
    EXPECT_EQ(answer(*childless), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(r[0], -7.0);
}

TEST_F(PointElementTest, PlaneReaderTakesOriginNormalAndReference) {
    Plane plane(Position(9, 9, 9), UnitVector(1, 0, 0), UnitVector(0, 1, 0));
    PlaneElementReader::ReadPlaneElement(nullptr, plane);
    EXPECT_EQ(plane.Origin(), Position(9, 9, 9));

    PlaneElementReader::ReadPlaneElement(Parse(R"(<Plane><Origin X="1" Y="2" Z="3"/>
        <Normal X="0" Y="0" Z="2"/><Reference X="0" Y="3" Z="0"/></Plane>)"),
                                         plane);
    EXPECT_EQ(plane.Origin(), Position(1, 2, 3));
    EXPECT_EQ(plane.Normal(), UnitVector(0, 0, 1));
    EXPECT_EQ(plane.XDirection(), UnitVector(0, 1, 0));

    // Without a reference the in-plane direction is made perpendicular to the normal.
    PlaneElementReader::ReadPlaneElement(Parse(R"(<Plane><Normal X="1" Y="0" Z="0"/></Plane>)"),
                                         plane);
    EXPECT_EQ(plane.Origin(), Position());
    EXPECT_EQ(plane.Normal(), UnitVector(1, 0, 0));
    const UnitVector& x = plane.XDirection();
    EXPECT_NEAR(x.X() * 1.0 + x.Y() * 0.0 + x.Z() * 0.0, 0.0, 1e-12);

    // Zero or unreadable directions keep the defaults instead of failing.
    PlaneElementReader::ReadPlaneElement(
        Parse(R"(<Plane><Normal X="0" Y="0" Z="0"/><Reference X="a" Y="b" Z="c"/></Plane>)"),
        plane);
    EXPECT_EQ(plane.Normal(), UnitVector());
    EXPECT_NEAR(plane.XDirection().Z(), 0.0, 1e-12);
    PlaneElementReader::ReadPlaneElement(Parse("<Plane/>"), plane);
    EXPECT_EQ(plane.Normal(), UnitVector());
}

} // namespace
} // namespace Orvik::Test
