#include "loader/SideFileLocation.h"

#include "HostileRows.h"
#include "LoaderFixture.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace Orvik::Test {
namespace {

namespace fs = std::filesystem;

// The document lies in "doc/"; "outside.bin" beside that folder must never be opened.
class SideFileLocationTest : public LoaderFixture {
protected:
    // The sections whose file was refused with the code, in the order of the load.
    std::vector<std::string>
    RefusedSections(const std::string& path,
                    DiagnosticCode code = DiagnosticCode::kOutsideDocumentFolder,
                    const XMLDocumentLimits& limits = {}) {
        fs::create_directories(m_dir.Root() / "doc");
        m_dir.Write("outside.bin", "not for the document");
        m_options = XMLProducerOptions();
        m_options.SetDocumentLimits(limits);
        const std::string document = Write(
            [&](Writer::XmlDocumentBuilder& b) {
                b.Element("SatInfo", {{"Path", path}});
                b.Element("PropertyInfo", {{"Path", path}});
                for (const auto& [section, flag] : Hostile::HostileRows::FlaggedSections())
                    b.Element(section, {{flag, "True"}, {"Path", path}});
            },
            "doc/doc.xml");
        XMLProducerImpl producer(UTF16String(document), &m_options);
        FilterOptions wantsSubdivision;
        wantsSubdivision.SetWantSubdivMesh(true);
        producer.BeginProcess(IdSet{UTF8String("0C46B962-76AE-431F-AA0C-5F2398F534CE")},
                              &wantsSubdivision, nullptr);
        std::vector<std::string> refused;
        for (const XMLLoadDiagnostic& entry : producer.Diagnostics().Entries())
            if (entry.code == code)
                refused.push_back(entry.element.Value());
        return refused;
    }
};

const std::vector<std::string> kAllSections{
    "SubdivMeshInfo",  "SatInfo",  "PropertyInfo",       "GeometryInfo",
    "MeshSegmentInfo", "MeshInfo", "AmbrelMaterialInfo", "SubObjectPersistentIdInfo",
    "AnimationInfo"};

TEST_F(SideFileLocationTest, EverySectionRefusesAFileOutsideTheDocumentFolder) {
    const std::vector<std::string>& all = kAllSections;
    fs::create_directories(m_dir.Root() / "doc" / "sub");
    fs::create_directory_symlink(m_dir.Root(), m_dir.Root() / "doc" / "up");
    const struct {
        std::string path;
        bool refused;
    } cases[] = {
        {"../outside.bin", true},
        {"sub/../../outside.bin", true},
        {(m_dir.Root() / "outside.bin").string(), true},
        {"up/outside.bin", true},
        {"/etc/passwd", true},
        {"inside.bin", false},
        {"sub/../inside.bin", false},
        {(m_dir.Root() / "doc" / "inside.bin").string(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(RefusedSections(c.path), c.refused ? all : std::vector<std::string>{});
    }
}

// Reading a pipe would hang and a huge file would exhaust memory.
TEST_F(SideFileLocationTest, SectionsReadOnlyRegularFilesWithinTheSizeLimitsOnce) {
    fs::create_directories(m_dir.Root() / "doc" / "folder.bin");
    ASSERT_EQ(::mkfifo((m_dir.Root() / "doc" / "pipe.bin").c_str(), 0600), 0);
    m_dir.Write("doc/ten.bin", "0123456789");
    XMLDocumentLimits perFile;
    perFile.maxSideFileBytes = 9;
    XMLDocumentLimits total;
    total.maxTotalSideFileBytes = 15;
    const std::vector<std::string> allButFirst(kAllSections.begin() + 1, kAllSections.end());
    EXPECT_EQ(RefusedSections("pipe.bin", DiagnosticCode::kSideFileUnreadable), kAllSections);
    EXPECT_EQ(RefusedSections("folder.bin", DiagnosticCode::kSideFileUnreadable), kAllSections);
    EXPECT_EQ(RefusedSections("ten.bin", DiagnosticCode::kLimitReached, perFile), kAllSections);
    EXPECT_EQ(RefusedSections("ten.bin", DiagnosticCode::kLimitReached, total), allButFirst);
    EXPECT_EQ(RefusedSections("ten.bin", DiagnosticCode::kLimitReached),
              std::vector<std::string>{});
}

// A document naming one file in many sections must not make us read it so often.
TEST_F(SideFileLocationTest, AFileNamedByManySectionsOfOneKindIsReadOnce) {
    fs::create_directories(m_dir.Root() / "doc");
    m_dir.Write("doc/ten.bin", "0123456789");
    const std::string document = Write(
        [&](Writer::XmlDocumentBuilder& b) {
            for (int i = 0; i < 500; ++i)
                b.Element("MeshInfo", {{"GenerateMesh", "True"}, {"Path", "ten.bin"}});
        },
        "doc/doc.xml");
    XMLProducerImpl producer(UTF16String(document), &m_options);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    std::size_t repeats = 0;
    for (const XMLLoadDiagnostic& entry : producer.Diagnostics().Entries())
        repeats += entry.message.Value().find("is not read again") != std::string::npos;
    EXPECT_EQ(repeats, 499u);
}

// A path inside a folder: ".." resolved, and no link from the folder down to it.
TEST_F(SideFileLocationTest, APathLiesInsideAFolderOnlyWithoutLinksBelowIt) {
    fs::create_directories(m_dir.Root() / "doc" / "sub");
    fs::create_directories(m_dir.Root() / "docs");
    m_dir.Write("doc/sub/a.png", "a");
    fs::create_symlink(m_dir.Root() / "docs", m_dir.Root() / "doc" / "linked");
    fs::create_symlink(m_dir.Root() / "doc", m_dir.Root() / "via-link");
    const std::string root = m_dir.Root().string();
    const struct {
        std::string folder;
        std::string path;
        bool inside;
    } cases[] = {
        {root + "/doc", root + "/doc/sub/a.png", true},
        {root + "/doc/", root + "/doc/sub/../sub/a.png", true},
        {root + "/doc", root + "/doc/missing/b.png", true},
        {root + "/doc", root + "/doc/../docs/x.png", false},
        {root + "/doc", root + "/docs/x.png", false},
        {root + "/doc", root + "/doc/linked/x.png", false},
        {root + "/doc", root + "/doc/linked", false},
        // The folder itself may be reached through a link.
        {root + "/via-link", root + "/via-link/sub/a.png", true},
        {"", root + "/doc/sub/a.png", false},
        {root + "/doc", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + " | " + c.path);
        EXPECT_EQ(SideFileLocation::LiesInsideFolder(UTF16String(c.folder), UTF16String(c.path)),
                  c.inside);
    }
}

} // namespace
} // namespace Orvik::Test
