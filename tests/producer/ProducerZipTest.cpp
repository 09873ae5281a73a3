#include "RecordingEventManager.h"
#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace Orvik::Test {

namespace {

namespace fs = std::filesystem;

std::string Document() {
    Writer::XmlDocumentBuilder builder;
    builder.Open("XMLDocument").Element("SatInfo", {{"Path", "bodies.sab"}}).Close();
    return builder.ToString();
}

class ProducerZipTest : public ::testing::Test {
protected:
    std::string Pack(const std::vector<std::pair<std::string, std::string>>& entries,
                     const std::string& name = "package.zip") {
        Writer::ZipPacker packer;
        for (const auto& [entry, bytes] : entries)
            packer.AddBuffer(entry, bytes);
        const std::string path = m_dir.PathOf(name);
        packer.Write(path);
        return path;
    }

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
};

// The extension is matched in any letter case.
TEST_F(ProducerZipTest, MissingArchiveRaisesOneEventThenFileException) {
    for (const char* name : {"absent.zip", "absent.ZIP"}) {
        SCOPED_TRACE(name);
        const std::string path = m_dir.PathOf(name);
        XMLProducer producer(UTF16String(path), &m_options);
        RecordingEventManager events;
        try {
            producer.BeginProcess(IdSet(), &m_filter, &events);
            FAIL() << "expected FileException";
        } catch (const FileException& e) {
            EXPECT_EQ(e.ErrorCode(), 13);
            EXPECT_EQ(e.FileName().ToUTF8(), path);
            EXPECT_NE(e.Message().Value().find("the archive does not exist"), std::string::npos);
        }
        ASSERT_EQ(events.records.size(), 1u);
        EXPECT_EQ(events.records[0].eventType, 0);
        EXPECT_EQ(events.records[0].errorCode, 13);
        EXPECT_EQ(events.records[0].reporter, 2);
        EXPECT_EQ(events.records[0].fileName, path);
    }
}

// Each producer has its own folder, removed by EndProcess or else when the producer dies.
TEST_F(ProducerZipTest, ArchiveIsExtractedIntoItsOwnFolderAndRemovedAtTheEnd) {
    const std::string archive =
        Pack({{"package.xml", Document()}, {"bodies.sab", "side data"}, {"sub/extra.txt", "x"}});
    XMLProducerImpl first(UTF16String(archive), &m_options);
    first.BeginProcess(IdSet(), &m_filter, nullptr);
    const fs::path folder(first.SideFileDirectory().ToUTF8());
    fs::path secondFolder;
    {
        XMLProducerImpl second(UTF16String(archive), &m_options);
        second.BeginProcess(IdSet(), &m_filter, nullptr);
        secondFolder = second.SideFileDirectory().ToUTF8();
        EXPECT_NE(folder, secondFolder);
        EXPECT_TRUE(fs::exists(secondFolder / "bodies.sab"));
    }
    EXPECT_FALSE(fs::exists(secondFolder));
    EXPECT_TRUE(fs::exists(folder / "bodies.sab"));
    EXPECT_TRUE(fs::exists(folder / "sub" / "extra.txt"));
    EXPECT_EQ(fs::path(first.DocumentPath().ToUTF8()), folder / "package.xml");
    first.EndProcess();
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(ProducerZipTest, EscapingEntryFailsTheDocumentAndWritesNothingOutside) {
    const std::string archive =
        Pack({{"package.xml", Document()}, {"../escaped.txt", "evil"}}, "evil.zip");
    XMLProducer producer(UTF16String(archive), &m_options);
    RecordingEventManager events;
    EXPECT_THROW(producer.BeginProcess(IdSet(), &m_filter, &events), FileException);
    ASSERT_EQ(events.records.size(), 1u);
    EXPECT_EQ(events.records[0].errorCode, 13);
    EXPECT_NE(events.records[0].message.find("../escaped.txt"), std::string::npos)
        << events.records[0].message;
    EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "escaped.txt"));
    EXPECT_FALSE(fs::exists(m_dir.Root() / "escaped.txt"));
    ASSERT_EQ(producer.Diagnostics().size(), 1u);
    EXPECT_EQ(producer.Diagnostics()[0].code, DiagnosticCode::kZipEntryRefused);
}

// The host's zip limits reach the extraction: a small archive that unpacks far beyond the ratio
// fails with code 13 and a limit diagnostic; a normal one loads.
TEST_F(ProducerZipTest, HostZipLimitsRefuseAnArchiveUnpackingBeyondTheRatio) {
    XMLDocumentLimits limits;
    limits.maxZipUnpackRatio = 20;
    limits.minZipBytesForRatio = 0;
    m_options.SetDocumentLimits(limits);
    const std::string bomb =
        Pack({{"package.xml", Document()}, {"zeros.bin", std::string(std::size_t{4} << 20, '\0')}},
             "bomb.zip");
    XMLProducer producer(UTF16String(bomb), &m_options);
    try {
        producer.BeginProcess(IdSet(), &m_filter, nullptr);
        FAIL() << "expected FileException";
    } catch (const FileException& e) {
        EXPECT_EQ(e.ErrorCode(), 13);
        EXPECT_NE(e.Message().Value().find("maxZipUnpackRatio"), std::string::npos)
            << e.Message().Value();
    }
    ASSERT_EQ(producer.Diagnostics().size(), 1u);
    EXPECT_EQ(producer.Diagnostics()[0].code, DiagnosticCode::kLimitReached);

    std::string text;
    for (int i = 0; text.size() < 100000; ++i)
        text += std::to_string(i * 7919 % 100003) + ' ';
    XMLProducerImpl normal(
        UTF16String(Pack({{"package.xml", Document()}, {"notes.txt", text}}, "normal.zip")),
        &m_options);
    EXPECT_NO_THROW(normal.BeginProcess(IdSet(), &m_filter, nullptr));
}

TEST_F(ProducerZipTest, SideFilesOfAPlainDocumentLieBesideIt) {
    XMLProducerImpl producer(UTF16String(m_dir.Write("plain.xml", Document())), &m_options);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    EXPECT_EQ(fs::path(producer.SideFileDirectory().ToUTF8()), m_dir.Root());
}

} // namespace
} // namespace Orvik::Test
