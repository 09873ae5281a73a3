#include "loader/SideFileLocation.h"

#include "LoaderFixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

namespace fs = std::filesystem;

// The document lies in "doc/"; "outside.bin" beside that folder must never be opened.
class SideFileLocationTest : public LoaderFixture {
protected:
    std::vector<std::string> RefusedSections(const std::string& path) {
        fs::create_directories(m_dir.Root() / "doc");
        m_dir.Write("outside.bin", "not for the document");
        m_options = XMLProducerOptions();
        const std::string document = Write(
            [&](Writer::XmlDocumentBuilder& b) {
                b.Element("SatInfo", {{"Path", path}});
                b.Element("PropertyInfo", {{"Path", path}});
                for (const auto& [section, flag] : kFlaggedSections)
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
            if (entry.code == DiagnosticCode::kOutsideDocumentFolder)
                refused.push_back(entry.element.Value());
        return refused;
    }

    static constexpr std::pair<const char*, const char*> kFlaggedSections[] = {
        {"GeometryInfo", "GenerateGeometry"},
        {"MeshSegmentInfo", "GenerateMeshSegment"},
        {"MeshInfo", "GenerateMesh"},
        {"AmbrelMaterialInfo", "GenerateSerializedAmbrel"},
        {"SubObjectPersistentIdInfo", "GenerateSubObjectPersistentId"},
        {"AnimationInfo", "GenerateAnimation"},
        {"SubdivMeshInfo", "GenerateSubdivMesh"}};
};

TEST_F(SideFileLocationTest, EverySectionRefusesAFileOutsideTheDocumentFolder) {
    const std::vector<std::string> all{
        "SubdivMeshInfo",  "SatInfo",  "PropertyInfo",       "GeometryInfo",
        "MeshSegmentInfo", "MeshInfo", "AmbrelMaterialInfo", "SubObjectPersistentIdInfo",
        "AnimationInfo"};
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
