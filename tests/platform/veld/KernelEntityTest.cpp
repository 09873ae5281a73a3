#include "veld/APOINT.h"
#include "veld/BODY_xs.h"
#include "veld/EDGE_xs.h"
#include "veld/ENTITY_LIST.h"
#include "veld/VKI_MAKE_CURVE.h"
#include "veld/VeldGlobalDataSaveRestore.h"
#include "veld/VeldHistoryUtil.h"
#include "veld/VeldUtil.h"

#include <gtest/gtest.h>

namespace Orvik::Veld {
namespace {

std::unique_ptr<BODY> BodyWithEllipseEdge() {
    auto body = std::make_unique<BODY>("B1");
    EllipseGeometry ellipse;
    ellipse.normal = {0, 0, 1};
    ellipse.majorAxis = {2, 0, 0};
    ellipse.ratio = 0.25;
    body->add_edge(std::make_unique<EDGE>("E1", ellipse, "D1"));
    return body;
}

TEST(KernelCurveTest, CurveFromEdgeKeepsGeometryAfterTheBodyIsGone) {
    auto body = BodyWithEllipseEdge();
    std::unique_ptr<curve> made;
    const outcome result = VKI_MAKE_CURVE::from_edge(&body->edge(0), false, made);
    body.reset();
    ASSERT_TRUE(result.ok());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->curve_kind(), CurveKind::kEllipse);
    EXPECT_EQ(made->dxid(), "D1");
    ASSERT_NE(made->ellipse(), nullptr);
    EXPECT_DOUBLE_EQ(made->ellipse()->ratio, 0.25);
    EXPECT_EQ(made->line(), nullptr);
    EXPECT_EQ(made->nurbs(), nullptr);

    const auto copy = made->copy();
    made.reset();
    EXPECT_DOUBLE_EQ(copy->ellipse()->majorAxis.x, 2.0);
}

TEST(KernelCurveTest, NoEdgeGivesNoCurveAndEachGeometryItsKind) {
    std::unique_ptr<curve> made = std::make_unique<curve>(LineGeometry{});
    EXPECT_EQ(VKI_MAKE_CURVE::from_edge(nullptr, false, made).error_number(), outcome::kNoEdge);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(curve(LineGeometry{}).curve_kind(), CurveKind::kLine);
    EXPECT_EQ(curve(NurbsGeometry{}).curve_kind(), CurveKind::kNurbs);
}

TEST(EntityListTest, TakeHandsOverOnlyMatchingEntitiesAndFreesTheRest) {
    ENTITY_LIST list;
    list.add(BodyWithEllipseEdge());
    list.add(std::make_unique<APOINT>(Point3{}, "P"));
    EXPECT_EQ(list.take<EDGE>(0), nullptr);
    ASSERT_NE(list[0], nullptr);
    const std::unique_ptr<BODY> body = list.take<BODY>(0);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(list[0], nullptr);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.take<BODY>(0), nullptr);
    EXPECT_EQ(list[5], nullptr);
    EXPECT_EQ(list[-1], nullptr);
    EXPECT_EQ(VeldUtil::EntityDxid(body.get()), UTF8String("B1"));
    EXPECT_TRUE(VeldUtil::EntityDxid(nullptr).IsEmpty());
}

TEST(VeldHistoryTest, SeparateStreamsFileEntitiesInOrderAndTheGuardRestoresTheActiveOne) {
    BODY first("A");
    BODY second("B");
    ENTITY* bodies[] = {&first, nullptr, &second};
    const auto stream = VeldHistoryUtil::CreateSeparateHistoryStream(3, bodies);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Entities(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(VeldHistoryUtil::LastSeparateHistoryStream(), stream);
    VeldHistoryUtil::Clear(stream);
    EXPECT_TRUE(stream->Entities().empty());
    VeldHistoryUtil::Clear(nullptr);

    const auto outer = VeldHistoryUtil::CreateHistoryStream();
    VeldHistoryUtil::SetActiveHistoryStream(outer);
    {
        const VeldGlobalDataSaveRestore guard;
        const auto inner = VeldHistoryUtil::CreateHistoryStream();
        VeldHistoryUtil::SetActiveHistoryStream(inner);
        EXPECT_EQ(VeldHistoryUtil::ActiveStream(), inner);
        EXPECT_NE(inner->Serial(), outer->Serial());
    }
    EXPECT_EQ(VeldHistoryUtil::ActiveStream(), outer);
    VeldHistoryUtil::SetActiveHistoryStream(nullptr);
}

} // namespace
} // namespace Orvik::Veld
