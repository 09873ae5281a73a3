#include "LoaderFixture.h"
#include "loader/LoadDiagnostics.h"

#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

struct Seen {
    std::string code;
    std::string element;
    std::string id;
    std::string path;
};

std::vector<Seen> SeenIn(const XMLProducerImpl& producer) {
    std::vector<Seen> seen;
    for (const XMLLoadDiagnostic& entry : producer.Diagnostics().Entries())
        seen.push_back({DiagnosticCodeName(entry.code), entry.element.Value(), entry.id.Value(),
                        entry.path.Value()});
    return seen;
}

using DiagnosticsTest = LoaderFixture;

// What was left out is told once, with where it stands, and the load is what it was.
TEST_F(DiagnosticsTest, EachSkipIsRecordedOnceWithItsPath) {
    XMLProducerImpl& producer = Load(R"(<MeshInfo GenerateMesh="True" Path="missing.stream"/>
        <IFile ID="f" IsRoot="True"><ChildSet><Child ID="a1"/></ChildSet></IFile>
        <IAssembly ID="a1"><ChildSet><Child ID="a0"/><Child ID="nowhere"/></ChildSet></IAssembly>
        <IPart ID="a0"/><IPart/>)");
    const std::vector<Seen> seen = SeenIn(producer);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].code, "side-file-unreadable");
    EXPECT_EQ(seen[0].path, "XMLDocument/MeshInfo");
    EXPECT_EQ(seen[1].code, "missing-id");
    EXPECT_EQ(seen[1].path, "XMLDocument/IPart[2]");
    EXPECT_EQ(seen[2].code, "unresolved-reference");
    EXPECT_EQ(seen[2].element, "Child");
    EXPECT_EQ(seen[2].id, "nowhere");
    EXPECT_EQ(seen[2].path, "XMLDocument/IAssembly[@ID='a1']/ChildSet/Child[@ID='nowhere']");
    auto* assembly = dynamic_cast<IAssembly*>(producer.Context().Find(UTF8String("a1")));
    ASSERT_NE(assembly, nullptr);
    EXPECT_EQ(assembly->ChildCount(), 1u);
    EXPECT_EQ(producer.RootObjectId().Id(), UTF8String("f"));
}

TEST_F(DiagnosticsTest, PastTheCapEntriesAreCountedNotKept) {
    XMLProducerImpl& producer = Load([](Writer::XmlDocumentBuilder& b) {
        File(b, "f", "True");
        for (std::size_t i = 0; i < LoadDiagnostics::kMaxEntries + 10; ++i)
            b.Element("IPart");
    });
    const auto& entries = producer.Diagnostics().Entries();
    ASSERT_EQ(entries.size(), LoadDiagnostics::kMaxEntries);
    EXPECT_EQ(entries.back().code, DiagnosticCode::kLimitReached);
    EXPECT_EQ(entries.back().message.Value(), "11 further diagnostics were dropped");
}

TEST_F(DiagnosticsTest, ValuesThatDoNotParseAreRecordedAndLeaveTheDefault) {
    XMLProducerImpl& producer = Load(R"(<IWorkPoint ID="w">
        <Unit LengthUnit="Furlong" DisplayLengthUnit="kUnitType_Inch"/></IWorkPoint>
        <IPointCloud ID="c"><PointCloud PointCloudCoordinates="1 x 3"/></IPointCloud>)");
    const std::vector<Seen> seen = SeenIn(producer);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].code, "unparsable-value");
    EXPECT_EQ(seen[0].path, "XMLDocument/IPointCloud[@ID='c']/PointCloud");
    EXPECT_EQ(seen[1].code, "unparsable-value");
    EXPECT_EQ(seen[1].path, "XMLDocument/IWorkPoint[@ID='w']/Unit");
    auto* cloud = dynamic_cast<IPointCloud*>(producer.Context().Find(UTF8String("c")));
    ASSERT_NE(cloud, nullptr);
    double x = -1.0, y = -1.0, z = -1.0;
    cloud->PointAt(0, x, y, z);
    EXPECT_EQ(y, 0.0);
    EXPECT_EQ(z, 3.0);
}

TEST_F(DiagnosticsTest, ADocumentTooDeepToReadIsRecordedAsALimit) {
    Writer::XmlDocumentBuilder builder;
    for (int depth = 0; depth < 1100; ++depth)
        builder.Open("Group");
    for (int depth = 0; depth < 1100; ++depth)
        builder.Close();
    builder.WriteTo(m_dir.PathOf("deep.xml"));
    XMLProducerImpl producer(UTF16String(m_dir.PathOf("deep.xml")), &m_options);
    EXPECT_THROW(producer.BeginProcess(IdSet(), &m_filter, nullptr), FileException);
    ASSERT_EQ(producer.Diagnostics().Entries().size(), 1u);
    EXPECT_EQ(producer.Diagnostics().Entries()[0].code, DiagnosticCode::kLimitReached);
}

} // namespace
} // namespace Orvik::Test
