#include "TempDirectory.h"
#include "orvik/writer/BodyFileWriter.h"
#include "veld/APOINT.h"
#include "veld/BODY_xs.h"
#include "veld/EDGE_xs.h"
#include "veld/ENTITY_LIST.h"
#include "veld/VKI_MAKE_CURVE.h"
#include "veld/VKI_RESTORE.h"
#include "veld/VeldGlobalDataSaveRestore.h"
#include "veld/VeldHistoryUtil.h"
#include "veld/VeldUtil.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace Orvik::Veld {
namespace {

using Writer::BodyFileWriter;

// What one restore gave: the outcome, the entities and the security answers.
struct Restored {
    int error = -1;
    ENTITY_LIST list;
    bool insecure = false;
    bool refused = false;
};

std::string Layout(const BodyFileWriter& writer, bool text) {
    return text ? writer.ToText() : writer.ToBinary();
}

class BodyFileRestoreTest : public ::testing::Test {
protected:
    Restored Restore(const std::string& bytes, bool text, bool allowInsecure = false) {
        const std::string path = m_dir.Write("bodies.bin", bytes);
        Restored out;
        VeldUtil::FilePtr file(VeldUtil::OpenVeldFile(UTF8String(path), text ? "r" : "rb"));
        EXPECT_NE(file, nullptr);
        VKI_RESTORE restore(file.get(), text, -1);
        if (allowInsecure)
            restore.set_allow_insecure_restore(1);
        out.error = restore.execute_restore(out.list).error_number();
        int flags = 0;
        restore.security_issue_found(out.insecure, out.refused, flags);
        return out;
    }

    static BodyFileWriter SampleFile() {
        BodyFileWriter::Nurbs nurbs;
        nurbs.degree = 2;
        nurbs.rational = true;
        nurbs.controlPoints = {{0, 0, 0}, {1, 2, 0}, {3, 0, 1}};
        nurbs.weights = {1.0, 0.5, 1.0};
        nurbs.knots = {0, 0, 0, 1, 1, 1};
        BodyFileWriter::Ellipse ellipse;
        ellipse.ratio = 0.5;
        BodyFileWriter writer;
        writer
            .AddBody({"B 1:\n",
                      {"F1", "0:x"},
                      {{"", "E1", BodyFileWriter::Line{}}, {"", "E2", ellipse}}})
            .AddEdge({"W1", "", nurbs})
            .AddPoint({"P1", {1.5, -2.0, 1e-7}});
        return writer;
    }

    TestSupport::TempDirectory m_dir;
};

TEST_F(BodyFileRestoreTest, BothLayoutsRoundTripBodiesEdgesAndPoints) {
    for (bool text : {true, false}) {
        SCOPED_TRACE(text ? "text" : "binary");
        const Restored restored = Restore(Layout(SampleFile(), text), text);
        EXPECT_EQ(restored.error, 0);
        EXPECT_FALSE(restored.insecure);
        const ENTITY_LIST& list = restored.list;
        ASSERT_EQ(list.count(), 3);
        const BODY_xs body(list[0]);
        ASSERT_TRUE(body);
        EXPECT_EQ(body.get()->dxid(), "B 1:\n") << "ids may hold spaces, colons and newlines";
        ASSERT_EQ(body.get()->face_count(), 2u);
        EXPECT_EQ(body.get()->face(1).sub_entity_id(), "0:x");
        ASSERT_EQ(body.get()->edge_count(), 2u);
        EXPECT_EQ(body.get()->edge(0).sub_entity_id(), "E1");
        const auto* ellipse = std::get_if<EllipseGeometry>(&body.get()->edge(1).geometry());
        ASSERT_NE(ellipse, nullptr);
        EXPECT_DOUBLE_EQ(ellipse->ratio, 0.5);

        const EDGE_xs edge(list[1]);
        ASSERT_TRUE(edge);
        EXPECT_EQ(edge.get()->dxid(), "W1");
        const auto* nurbs = std::get_if<NurbsGeometry>(&edge.get()->geometry());
        ASSERT_NE(nurbs, nullptr);
        EXPECT_EQ(nurbs->degree, 2u);
        EXPECT_TRUE(nurbs->rational);
        ASSERT_EQ(nurbs->weights.size(), 3u);
        EXPECT_DOUBLE_EQ(nurbs->weights[1], 0.5);
        EXPECT_DOUBLE_EQ(nurbs->controlPoints[2].z, 1.0);

        EXPECT_FALSE(BODY_xs(list[2]));
        EXPECT_FALSE(EDGE_xs(list[2]));
        EXPECT_EQ(list[2]->dxid(), "P1");
    }
}

TEST_F(BodyFileRestoreTest, FixedByteSequencesAreRead) {
    // An empty body "B" and a free point at (1, 2, 3), written out by hand.
    const Restored fromText =
        Restore("VELDTXT 1\nflags 0\nentities 2\nbody 1:B 0 0\npoint 1:P 1 2 3\nend\n", true);
    ASSERT_EQ(fromText.error, 0);
    ASSERT_EQ(fromText.list.count(), 2);
    EXPECT_EQ(fromText.list[1]->dxid(), "P");

    // Magic, flags 0, one entity of kind 1 (body), id "B" of length 1, no faces, no edges.
    const std::string binary("VELDBIN1\0\0\0\0\1\0\0\0\1\1\0\0\0B\0\0\0\0\0\0\0\0", 30);
    const Restored fromBinary = Restore(binary, false);
    ASSERT_EQ(fromBinary.error, 0);
    ASSERT_EQ(fromBinary.list.count(), 1);
    EXPECT_EQ(fromBinary.list[0]->dxid(), "B");
    EXPECT_EQ(BodyFileWriter().AddBody({"B", {}, {}}).ToBinary(), binary);
}

TEST_F(BodyFileRestoreTest, EveryTruncationFailsWithNothingRestored) {
    for (bool text : {true, false}) {
        const std::string whole = Layout(SampleFile(), text);
        // The text layout may lose its final newline and stay whole.
        const std::size_t shortest = text ? whole.size() - 1 : whole.size();
        for (std::size_t length = 0; length < shortest; ++length) {
            SCOPED_TRACE(length);
            const Restored restored = Restore(whole.substr(0, length), text);
            EXPECT_NE(restored.error, 0);
            EXPECT_EQ(restored.list.count(), 0);
        }
    }
}

TEST_F(BodyFileRestoreTest, MalformedFilesAndBrokenGeometryAreRefusedWhole) {
    std::vector<std::pair<std::string, bool>> files = {
        {"", true},
        // counts and lengths beyond the file, refused before allocating for them
        {"VELDTXT 1 flags 0 entities 4000000000 end", true},
        {"VELDTXT 1 flags 0 entities 1 body 999999:B 0 0 end", true},
        // unknown records, trailing bytes, unknown version or flags, an id longer than said
        {"VELDTXT 1 flags 0 entities 1 solid 1:B 0 0 end", true},
        {"VELDTXT 1 flags 0 entities 1 edge 1:E 0: spline 0 end", true},
        {"VELDTXT 1 flags 0 entities 0 end extra", true},
        {"VELDTXT 2 flags 0 entities 0 end", true},
        {"VELDTXT 1 flags 4 entities 0 end", true},
        {"VELDTXT 1 flags 0 entities 1 body 1:Bx 0 0 end", true},
        {BodyFileWriter().AddPoint({"P", {}}).ToText(), false},
    };
    std::string hugeFaceCount = BodyFileWriter().AddBody({"B", {"F"}, {}}).ToBinary();
    // The face count sits after magic, flags, entity count, kind and the id "B".
    hugeFaceCount.replace(8 + 4 + 4 + 1 + 4 + 1, 4, "\xff\xff\xff\x7f", 4);
    files.emplace_back(hugeFaceCount, false);
    std::string unknownKind = BodyFileWriter().AddPoint({"P", {}}).ToBinary();
    unknownKind[16] = '\x09';
    files.emplace_back(unknownKind, false);

    // Geometry the kernel cannot build, each after a good edge.
    using W = BodyFileWriter;
    const std::vector<W::Point> two = {{0, 0, 0}, {1, 0, 0}};
    const W::Curve broken[] = {
        W::Ellipse{{}, {0, 0, 1}, {1, 0, 0}, 0.0, 0.0, 1.0}, // flat
        W::Ellipse{{}, {0, 0, 1}, {1, 0, 0}, 1.5, 0.0, 1.0}, // minor axis the longer
        W::Line{{}, {0, 0, 0}, 0.0, 1.0},                    // no direction
        W::Line{{}, {1, 0, 0}, 2.0, 1.0},                    // ends before it starts
        W::Line{{}, {1, 0, 0}, 0.0, std::nan("")},           // not a number
        W::Nurbs{1, false, two, {}, {0, 0, 1}},              // too few knots
        W::Nurbs{1, false, two, {}, {0, 1, 0, 1}},           // knots going back
        W::Nurbs{1, true, two, {1.0, 0.0}, {0, 0, 1, 1}},    // a zero weight
    };
    for (const W::Curve& curve : broken) {
        BodyFileWriter writer;
        writer.AddEdge({"Good", "", BodyFileWriter::Line{}}).AddEdge({"Bad", "", curve});
        for (bool text : {true, false})
            files.emplace_back(Layout(writer, text), text);
    }

    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE("file " + std::to_string(i) + ": " + files[i].first);
        const Restored restored = Restore(files[i].first, files[i].second);
        EXPECT_EQ(restored.error, outcome::kMalformedFile);
        EXPECT_EQ(restored.list.count(), 0);
    }

    VKI_RESTORE noFile(nullptr, true, -1);
    ENTITY_LIST list;
    EXPECT_EQ(noFile.execute_restore(list).error_number(), outcome::kReadFailed);
    EXPECT_EQ(VeldUtil::OpenVeldFile(UTF8String(m_dir.PathOf("missing.sab")), "rb"), nullptr);
}

TEST_F(BodyFileRestoreTest, InsecureFilesAreRestoredOnlyWhenAllowed) {
    BodyFileWriter writer;
    writer.SetInsecure(true).AddBody({"B", {}, {}});
    for (bool text : {true, false}) {
        for (bool allow : {false, true}) {
            SCOPED_TRACE(std::string(text ? "text" : "binary") + (allow ? ", allowed" : ""));
            const Restored restored = Restore(Layout(writer, text), text, allow);
            EXPECT_EQ(restored.error, allow ? 0 : outcome::kInsecureRestoreRefused);
            EXPECT_TRUE(restored.insecure);
            EXPECT_EQ(restored.refused, !allow);
            EXPECT_EQ(restored.list.count(), allow ? 1 : 0);
        }
    }
}

std::unique_ptr<BODY> BodyWithEllipseEdge() {
    auto body = std::make_unique<BODY>("B1");
    EllipseGeometry ellipse;
    ellipse.normal = {0, 0, 1};
    ellipse.majorAxis = {2, 0, 0};
    ellipse.ratio = 0.25;
    body->add_edge(std::make_unique<EDGE>("E1", ellipse, "D1"));
    return body;
}

TEST(KernelCurveTest, CurveFromEdgeKeepsGeometryAfterTheBodyIsGoneAndNoEdgeGivesNone) {
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

    made = std::make_unique<curve>(LineGeometry{});
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
