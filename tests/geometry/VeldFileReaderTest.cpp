#include "geometry/VeldFileReader.h"

#include "../producer/RecordingEventManager.h"
#include "LoaderFixture.h"
#include "geometry/GeomFileContext.h"
#include "orvik/writer/BodyFileWriter.h"
#include "veld/VeldHistoryUtil.h"

#include <fstream>

namespace Orvik::Test {
namespace {

using Writer::BodyFileWriter;

class VeldFileReaderTest : public LoaderFixture {
protected:
    VeldFileReaderTest()
        : m_producer(UTF16String(m_dir.PathOf("doc.xml")), &m_options) {}

    bool Restore(const std::string& name) {
        const GeomFileContext context(m_producer.Context(), UTF16String(m_dir.PathOf("doc.xml")),
                                      false);
        return VeldFileReader::RestoreVeldFile(context, UTF16String(name), m_curves, m_bodies);
    }

    static BodyFileWriter OneBody(const std::string& dxid, std::size_t faces = 0) {
        BodyFileWriter writer;
        writer.AddBody({dxid, std::vector<std::string>(faces, "F"), {}});
        return writer;
    }

    XMLProducerImpl m_producer;
    BodyTable m_bodies;
    EdgeCurveTable m_curves;
};

TEST_F(VeldFileReaderTest, SabAndVlbInAnyCaseAreBinaryEverythingElseIsText) {
    const std::pair<const char*, bool> names[] = {{"a.sab", true},        {"dir.x/b.VLB", true},
                                                  {"c.SaB", true},        {"d.sat", false},
                                                  {"noextension", false}, {"e.sab.txt", false}};
    for (const auto& [name, binary] : names)
        EXPECT_EQ(VeldFileReader::IsBinaryBodyFile(UTF16String(name)), binary) << name;

    OneBody("Bin").WriteBinary(m_dir.PathOf("upper.VlB"));
    OneBody("Txt").WriteText(m_dir.PathOf("plain"));
    EXPECT_TRUE(Restore("upper.VlB"));
    EXPECT_TRUE(Restore("plain"));
    EXPECT_EQ(m_bodies.count(UTF8String("Bin")), 1u);
    EXPECT_EQ(m_bodies.count(UTF8String("Txt")), 1u);

    // The name decides the layout, not the content.
    OneBody("Wrong").WriteBinary(m_dir.PathOf("binary.sat"));
    EXPECT_FALSE(Restore("binary.sat"));
    EXPECT_EQ(m_bodies.count(UTF8String("Wrong")), 0u);
}

// The restore files its bodies in a history of the load's own and leaves the active one alone.
TEST_F(VeldFileReaderTest, FirstBodyPerIdStaysAndHistoryGetsOnePerIdInIdOrder) {
    VeldHistoryUtil::SetActiveHistoryStream(nullptr);
    BodyFileWriter writer;
    writer.AddBody({"B2", {"F"}, {}})
        .AddBody({"B1", {"F"}, {}})
        .AddBody({"B2", {"F", "F", "F"}, {}})
        .AddBody({"", {"F"}, {}});
    writer.WriteBinary(m_dir.PathOf("bodies.sab"));
    ASSERT_TRUE(Restore("bodies.sab"));
    ASSERT_EQ(m_bodies.size(), 2u);
    EXPECT_EQ(m_bodies.at(UTF8String("B2"))->face_count(), 1u);
    const auto stream = VeldHistoryUtil::LastSeparateHistoryStream();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Entities(), (std::vector<std::string>{"B1", "B2"}));
    EXPECT_EQ(VeldHistoryUtil::ActiveStream(), nullptr);
    EXPECT_NE(m_producer.Context().HistoryStream(), nullptr);

    // A later file does not replace bodies already held.
    OneBody("B1", 5).WriteText(m_dir.PathOf("more.sat"));
    ASSERT_TRUE(Restore("more.sat"));
    EXPECT_EQ(m_bodies.at(UTF8String("B1"))->face_count(), 1u);
}

TEST_F(VeldFileReaderTest, FreeEdgesBecomeCurvesFirstPerIdAndOtherEntitiesAreIgnored) {
    BodyFileWriter::Ellipse ellipse;
    BodyFileWriter writer;
    writer.AddEdge({"W1", "", BodyFileWriter::Line{}})
        .AddEdge({"W1", "", ellipse})
        .AddEdge({"", "", ellipse})
        .AddEdge({"W2", "", ellipse})
        .AddPoint({"P1", {}})
        .AddBody({"B1", {}, {{"BodyEdge", "", BodyFileWriter::Line{}}}});
    writer.WriteText(m_dir.PathOf("edges.txt"));
    ASSERT_TRUE(Restore("edges.txt"));
    ASSERT_EQ(m_curves.size(), 2u);
    EXPECT_NE(m_curves.at(UTF8String("W1"))->line(), nullptr);
    EXPECT_NE(m_curves.at(UTF8String("W2"))->ellipse(), nullptr);
    EXPECT_EQ(m_curves.count(UTF8String("BodyEdge")), 0u);
    EXPECT_EQ(m_bodies.count(UTF8String("P1")), 0u);
    // Curves own their geometry: the body may go.
    m_bodies.clear();
    EXPECT_EQ(m_curves.at(UTF8String("W2"))->ellipse()->ratio, 1.0);
}

TEST_F(VeldFileReaderTest, MissingOrBrokenFilesAddNothing) {
    EXPECT_FALSE(Restore("missing.sab"));
    BodyFileWriter::Ellipse flat;
    flat.ratio = 0.0;
    BodyFileWriter writer;
    writer.AddBody({"B1", {}, {}}).AddEdge({"W1", "", flat});
    writer.WriteBinary(m_dir.PathOf("broken.sab"));
    EXPECT_FALSE(Restore("broken.sab"));
    std::string bytes = writer.ToBinary();
    bytes.resize(bytes.size() / 2);
    std::ofstream(m_dir.PathOf("short.sab"), std::ios::binary) << bytes;
    EXPECT_FALSE(Restore("short.sab"));
    EXPECT_TRUE(m_bodies.empty());
    EXPECT_TRUE(m_curves.empty());
}

// Documents whose "SatInfo" names an insecure body file, loaded with an event receiver.
class InsecureBodyFileTest : public LoaderFixture {
protected:
    void LoadWith(bool allowInsecure, const EventManager* events) {
        BodyFileWriter()
            .SetInsecure(true)
            .AddBody({"B1", {}, {}})
            .WriteBinary(m_dir.PathOf("unsafe.sab"));
        const std::string path = Write([](Writer::XmlDocumentBuilder& b) {
            b.Element("SatInfo", {{"Path", "unsafe.sab"}});
            File(b, "1", "True");
        });
        m_options.SetWantRestoreInsecureVeldFiles(allowInsecure);
        m_context = std::make_unique<XMLProducerImpl>(UTF16String(path), &m_options);
        m_context->BeginProcess(IdSet(), &m_filter, events);
    }

    bool HasBody() {
        return m_context->Context().Cache().bodiesByDxid.count(UTF8String("B1")) == 1;
    }

    RecordingEventManager m_events;
};

// Allowed, the restore reports code 15 and keeps the body; refused, code 16 and the load goes
// on; without a receiver nothing is reported.
TEST_F(InsecureBodyFileTest, RestoreIsReportedAsAllowedOrRefused) {
    const struct {
        bool allow;
        bool receiver;
        int code;
    } cases[] = {{true, true, 15}, {false, true, 16}, {true, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        m_events.records.clear();
        LoadWith(c.allow, c.receiver ? &m_events : nullptr);
        EXPECT_EQ(HasBody(), c.allow);
        EXPECT_FALSE(m_context->RootObjectId().Id().IsEmpty());
        if (!c.receiver) {
            EXPECT_TRUE(m_events.records.empty());
            continue;
        }
        ASSERT_EQ(m_events.records.size(), 1u);
        const auto& record = m_events.records[0];
        EXPECT_EQ(record.eventType, 0);
        EXPECT_EQ(record.errorCode, c.code);
        EXPECT_EQ(record.reporter, 2);
        EXPECT_EQ(record.fileName, "unsafe.sab");
    }
}

} // namespace
} // namespace Orvik::Test
