#include "TempDirectory.h"
#include "orvik/writer/BodyFileWriter.h"
#include "veld/BODY_xs.h"
#include "veld/EDGE_xs.h"
#include "veld/ENTITY_LIST.h"
#include "veld/VKI_RESTORE.h"
#include "veld/VeldUtil.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

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

class BodyFileRestoreTest : public ::testing::Test {
protected:
    std::string Save(const std::string& bytes, const char* name = "bodies.bin") {
        const std::string path = m_dir.PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    void Restore(const std::string& bytes, bool text, Restored& out, bool allowInsecure = false) {
        const std::string path = Save(bytes);
        VeldUtil::FilePtr file(VeldUtil::OpenVeldFile(UTF8String(path), text ? "r" : "rb"));
        ASSERT_NE(file, nullptr);
        VKI_RESTORE restore(file.get(), text, -1);
        if (allowInsecure)
            restore.set_allow_insecure_restore(1);
        out.error = restore.execute_restore(out.list).error_number();
        int flags = 0;
        restore.security_issue_found(out.insecure, out.refused, flags);
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
            .AddBody(
                {"B1", {"F1", "F2"}, {{"", "E1", BodyFileWriter::Line{}}, {"", "E2", ellipse}}})
            .AddEdge({"W1", "", nurbs})
            .AddPoint({"P1", {1.5, -2.0, 1e-7}});
        return writer;
    }

    TestSupport::TempDirectory m_dir;
};

void ExpectSampleEntities(const ENTITY_LIST& list) {
    ASSERT_EQ(list.count(), 3);
    const BODY_xs body(list[0]);
    ASSERT_TRUE(body);
    EXPECT_EQ(body.get()->dxid(), "B1");
    ASSERT_EQ(body.get()->face_count(), 2u);
    EXPECT_EQ(body.get()->face(1).sub_entity_id(), "F2");
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

TEST_F(BodyFileRestoreTest, BothLayoutsRoundTripBodiesEdgesAndPoints) {
    for (bool text : {true, false}) {
        SCOPED_TRACE(text ? "text" : "binary");
        const BodyFileWriter writer = SampleFile();
        Restored restored;
        Restore(text ? writer.ToText() : writer.ToBinary(), text, restored);
        EXPECT_EQ(restored.error, 0);
        EXPECT_FALSE(restored.insecure);
        ExpectSampleEntities(restored.list);
    }
}

TEST_F(BodyFileRestoreTest, IdsMayHoldSpacesColonsAndNewlines) {
    BodyFileWriter writer;
    writer.AddBody({"a b:\nc", {"0:x"}, {}});
    Restored restored;
    Restore(writer.ToText(), true, restored);
    ASSERT_EQ(restored.list.count(), 1);
    EXPECT_EQ(restored.list[0]->dxid(), "a b:\nc");
    EXPECT_EQ(BODY_xs(restored.list[0]).get()->face(0).sub_entity_id(), "0:x");
}

TEST_F(BodyFileRestoreTest, FixedByteSequencesAreRead) {
    // An empty body "B" and a free point at (1, 2, 3), written out by hand.
    const std::string text = "VELDTXT 1\nflags 0\nentities 2\nbody 1:B 0 0\npoint 1:P 1 2 3\nend\n";
    Restored fromText;
    Restore(text, true, fromText);
    ASSERT_EQ(fromText.error, 0);
    ASSERT_EQ(fromText.list.count(), 2);
    EXPECT_EQ(fromText.list[1]->dxid(), "P");

    const std::string binary("VELDBIN1"
                             "\x00\x00\x00\x00"
                             "\x01\x00\x00\x00"
                             "\x01"
                             "\x01\x00\x00\x00"
                             "B"
                             "\x00\x00\x00\x00"
                             "\x00\x00\x00\x00",
                             30);
    Restored fromBinary;
    Restore(binary, false, fromBinary);
    ASSERT_EQ(fromBinary.error, 0);
    ASSERT_EQ(fromBinary.list.count(), 1);
    EXPECT_EQ(fromBinary.list[0]->dxid(), "B");
    EXPECT_EQ(BodyFileWriter().AddBody({"B", {}, {}}).ToBinary(), binary);
}

TEST_F(BodyFileRestoreTest, EveryTruncationFailsWithNothingRestored) {
    const BodyFileWriter writer = SampleFile();
    for (bool text : {true, false}) {
        const std::string whole = text ? writer.ToText() : writer.ToBinary();
        // The text layout may lose its final newline and stay whole.
        const std::size_t shortest = text ? whole.size() - 1 : whole.size();
        for (std::size_t length = 0; length < shortest; ++length) {
            SCOPED_TRACE(length);
            Restored restored;
            Restore(whole.substr(0, length), text, restored);
            EXPECT_NE(restored.error, 0);
            EXPECT_EQ(restored.list.count(), 0);
        }
    }
}

TEST_F(BodyFileRestoreTest, CountsBeyondTheFileAreRefusedBeforeAllocating) {
    Restored entities;
    Restore("VELDTXT 1 flags 0 entities 4000000000 end", true, entities);
    EXPECT_EQ(entities.error, outcome::kMalformedFile);

    std::string binary = BodyFileWriter().AddBody({"B", {"F"}, {}}).ToBinary();
    // The face count sits after magic, flags, entity count, kind and the id "B".
    binary.replace(8 + 4 + 4 + 1 + 4 + 1, 4, "\xff\xff\xff\x7f", 4);
    Restored faces;
    Restore(binary, false, faces);
    EXPECT_EQ(faces.error, outcome::kMalformedFile);

    Restored longString;
    Restore("VELDTXT 1 flags 0 entities 1 body 999999:B 0 0 end", true, longString);
    EXPECT_EQ(longString.error, outcome::kMalformedFile);
}

TEST_F(BodyFileRestoreTest, UnknownRecordsTrailingBytesAndWrongMagicAreRefused) {
    const std::string cases[] = {
        "VELDTXT 1 flags 0 entities 1 solid 1:B 0 0 end",
        "VELDTXT 1 flags 0 entities 1 edge 1:E 0: spline 0 end",
        "VELDTXT 1 flags 0 entities 0 end extra",
        "VELDTXT 2 flags 0 entities 0 end",
        "VELDTXT 1 flags 4 entities 0 end",
        "VELDTXT 1 flags 0 entities 1 body 1:Bx 0 0 end",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        Restored restored;
        Restore(text, true, restored);
        EXPECT_EQ(restored.error, outcome::kMalformedFile);
        EXPECT_EQ(restored.list.count(), 0);
    }
    std::string binary = BodyFileWriter().AddPoint({"P", {}}).ToBinary();
    binary[16] = '\x09';
    Restored unknownKind;
    Restore(binary, false, unknownKind);
    EXPECT_EQ(unknownKind.error, outcome::kMalformedFile);
    Restored textAsBinary;
    Restore(BodyFileWriter().AddPoint({"P", {}}).ToText(), false, textAsBinary);
    EXPECT_EQ(textAsBinary.error, outcome::kMalformedFile);
}

TEST_F(BodyFileRestoreTest, BrokenGeometryFailsTheWholeFile) {
    BodyFileWriter::Ellipse flat;
    flat.ratio = 0.0;
    BodyFileWriter::Line still;
    still.direction = {0, 0, 0};
    BodyFileWriter::Nurbs shortKnots;
    shortKnots.controlPoints = {{0, 0, 0}, {1, 0, 0}};
    shortKnots.knots = {0, 0, 1};
    BodyFileWriter::Nurbs zeroWeight = shortKnots;
    zeroWeight.knots = {0, 0, 1, 1};
    zeroWeight.rational = true;
    zeroWeight.weights = {1.0, 0.0};
    BodyFileWriter::Line notANumber;
    notANumber.end = std::nan("");
    const BodyFileWriter::Curve broken[] = {flat, still, shortKnots, zeroWeight, notANumber};
    for (const auto& curve : broken) {
        for (bool text : {true, false}) {
            BodyFileWriter writer;
            writer.AddEdge({"Good", "", BodyFileWriter::Line{}}).AddEdge({"Bad", "", curve});
            Restored restored;
            Restore(text ? writer.ToText() : writer.ToBinary(), text, restored);
            EXPECT_EQ(restored.error, outcome::kMalformedFile);
            EXPECT_EQ(restored.list.count(), 0);
        }
    }
}

TEST_F(BodyFileRestoreTest, InsecureFilesAreRestoredOnlyWhenAllowed) {
    BodyFileWriter writer;
    writer.SetInsecure(true).AddBody({"B", {}, {}});
    for (bool text : {true, false}) {
        const std::string bytes = text ? writer.ToText() : writer.ToBinary();
        Restored refused;
        Restore(bytes, text, refused);
        EXPECT_EQ(refused.error, outcome::kInsecureRestoreRefused);
        EXPECT_TRUE(refused.insecure);
        EXPECT_TRUE(refused.refused);
        EXPECT_EQ(refused.list.count(), 0);

        Restored allowed;
        Restore(bytes, text, allowed, true);
        EXPECT_EQ(allowed.error, 0);
        EXPECT_TRUE(allowed.insecure);
        EXPECT_FALSE(allowed.refused);
        EXPECT_EQ(allowed.list.count(), 1);
    }
}

TEST_F(BodyFileRestoreTest, EmptyAndUnopenedFilesFail) {
    Restored empty;
    Restore("", true, empty);
    EXPECT_EQ(empty.error, outcome::kMalformedFile);

    VKI_RESTORE noFile(nullptr, true, -1);
    ENTITY_LIST list;
    EXPECT_EQ(noFile.execute_restore(list).error_number(), outcome::kReadFailed);
    EXPECT_EQ(VeldUtil::OpenVeldFile(UTF8String(m_dir.PathOf("missing.sab")), "rb"), nullptr);
}

} // namespace
} // namespace Orvik::Veld
