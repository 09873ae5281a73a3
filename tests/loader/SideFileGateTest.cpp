#include "LoaderFixture.h"
#include "orvik/writer/PropertyFileWriter.h"
#include "orvik/writer/ZipPacker.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace Orvik::Test {
namespace {

namespace fs = std::filesystem;

// The document lies in <temp>/docs, so that "../" reaches files the test placed outside it.
// Each side-file place of a document names the same path: an extension-data file reference, a
// custom-data blob, the property file and an info section.
class SideFileGateTest : public LoaderFixture {
protected:
    void SetUp() override {
        fs::create_directories(m_dir.Root() / "docs");
        m_dir.Write("secret.bin", "SECRET-BYTES");
        Writer::PropertyFileWriter secret;
        secret.AddString("f1", "Stolen", "yes");
        secret.Write(m_dir.PathOf("secret.props"));
    }

    static std::string Body(const std::string& path, const std::string& propertyPath) {
        Writer::XmlDocumentBuilder b;
        b.Open("XMLDocument").Open("IUniverse").Open("CustomData");
        b.Element("CustomDataItem",
                  {{"Type", "8"}, {"Key", "blob"}, {"Path", path}, {"BlobBufferSize", "4"}});
        b.Close().Close();
        b.Element("PropertyInfo", {{"Path", propertyPath}});
        b.Element("GeometryInfo", {{"GenerateGeometry", "True"}, {"Path", path}});
        b.Open("IFile").Attribute("ID", "f1").Attribute("IsRoot", "True");
        b.Open("ExtensionData").Attribute("TypeId", "t").Open("FileRefs");
        b.Element("FileRef", {{"Path", path}}).Close().Close().Close().Close();
        return b.ToString();
    }

    // Loads docs/doc.xml, or docs/doc.zip holding it and the extra entries (how quickly each
    // hostile path ends is the hostile table's concern).
    // The body is a whole document when it has its document element, else what goes in it.
    XMLProducerImpl&
    LoadDocument(const std::string& body, bool zipped,
                 const std::vector<std::pair<std::string, std::string>>& extra = {}) {
        const bool whole = body.find("<XMLDocument") != std::string::npos;
        const std::string markup = whole ? body : "<XMLDocument>" + body + "</XMLDocument>";
        std::string path = m_dir.Write("docs/doc.xml", markup);
        if (zipped) {
            Writer::ZipPacker packer;
            packer.AddBuffer("doc.xml", markup);
            for (const auto& [name, bytes] : extra)
                packer.AddBuffer(name, bytes);
            path = m_dir.PathOf("docs/doc.zip");
            packer.Write(path);
        }
        m_context = std::make_unique<XMLProducerImpl>(UTF16String(path), &m_options);
        m_context->BeginProcess(IdSet(), &m_filter, nullptr);
        return *m_context;
    }

    // The elements whose diagnostics carry the code.
    std::multiset<std::string> ElementsReported(DiagnosticCode code) const {
        std::multiset<std::string> elements;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            if (entry.code == code)
                elements.insert(entry.element.Value());
        return elements;
    }

    std::vector<UTF16String> FileRefs() const {
        ExtensionDataContent content;
        m_context->Load(UTF8String("f1"))->ExtensionDataByTypeId(UTF8String("t"), content);
        return content.FileRefs();
    }

    bool BlobRead(Variant& value) const {
        UTF8String key;
        return m_context->LoadUniverse()->CustomDataAt(0, key, value);
    }

    std::size_t PropertyCount() const {
        return m_context->LoadUniverse()->PropertyDatabase()->PropertyCount();
    }

    // Nothing from the file reached the host, and each place said why.
    void ExpectEveryPlaceRefused(DiagnosticCode code) {
        EXPECT_TRUE(FileRefs().empty());
        Variant value;
        EXPECT_FALSE(BlobRead(value));
        EXPECT_EQ(PropertyCount(), 0u);
        const std::multiset<std::string> expected{"CustomDataItem", "FileRef", "GeometryInfo",
                                                  "PropertyInfo"};
        EXPECT_EQ(ElementsReported(code), expected);
    }
};

TEST_F(SideFileGateTest, PathsLeadingOutOfTheDocumentFolderAreNeitherReadNorHandedOver) {
    const std::string outside[] = {"../secret.bin", m_dir.PathOf("secret.bin"), "/etc/passwd",
                                   "../../etc/passwd", "sub/../../secret.bin"};
    for (const bool zipped : {false, true}) {
        for (const std::string& path : outside) {
            SCOPED_TRACE(path + (zipped ? " in a zip" : ""));
            const std::string properties = path == "../secret.bin" ? "../secret.props" : path;
            LoadDocument(Body(path, properties), zipped);
            ExpectEveryPlaceRefused(DiagnosticCode::kOutsideDocumentFolder);
        }
    }
}

TEST_F(SideFileGateTest, ALinkOutOfTheFolderIsRefusedAsThePathItLeadsTo) {
    fs::create_symlink(m_dir.Root() / "secret.bin", m_dir.Root() / "docs" / "link.bin");
    LoadDocument(Body("link.bin", "link.bin"), false);
    ExpectEveryPlaceRefused(DiagnosticCode::kOutsideDocumentFolder);
}

// A pipe would block the reader for ever, a directory or a device is no file to read.
TEST_F(SideFileGateTest, APipeOrADirectoryAsSideFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(m_dir.PathOf("docs/pipe").c_str(), 0600), 0);
    fs::create_directories(m_dir.Root() / "docs" / "folder");
    for (const char* path : {"pipe", "folder"}) {
        SCOPED_TRACE(path);
        LoadDocument(Body(path, path), false);
        ExpectEveryPlaceRefused(DiagnosticCode::kSideFileUnreadable);
    }
    // The default property file beside the document is checked the same way.
    ASSERT_EQ(::mkfifo(m_dir.PathOf("docs/doc.props").c_str(), 0600), 0);
    LoadDocument("<IFile ID=\"f1\" IsRoot=\"True\"/>", false);
    EXPECT_EQ(ElementsReported(DiagnosticCode::kSideFileUnreadable).size(), 1u);
    EXPECT_EQ(m_context->LoadUniverse(), nullptr);
}

TEST_F(SideFileGateTest, FilesInsideTheFolderAreReadAndHandedOverAlsoFromAZip) {
    Writer::PropertyFileWriter properties;
    properties.AddString("f1", "Finish", "Matte");
    const std::string propertyBytes = properties.Serialize();
    m_dir.Write("docs/props.pb", propertyBytes);
    fs::create_directories(m_dir.Root() / "docs" / "sub");
    m_dir.Write("docs/sub/blob.bin", "ABCDEFGH");
    const std::string body =
        "<IUniverse><CustomData><CustomDataItem Type=\"8\" Key=\"b\" "
        "Path=\"sub/blob.bin\" BlobBufferSize=\"4\"/></CustomData></IUniverse>"
        "<PropertyInfo Path=\"props.pb\"/><IFile ID=\"f1\" IsRoot=\"True\">"
        "<ExtensionData TypeId=\"t\"><FileRefs><FileRef Path=\"sub/blob.bin\"/>"
        "<FileRef Path=\"sub/./blob.bin\"/></FileRefs></ExtensionData></IFile>";
    for (const bool zipped : {false, true}) {
        SCOPED_TRACE(zipped ? "zipped" : "plain");
        LoadDocument(body, zipped, {{"props.pb", propertyBytes}, {"sub/blob.bin", "ABCDEFGH"}});
        const std::string folder = m_context->SideFileDirectory().ToUTF8();
        EXPECT_EQ(FileRefs(), (std::vector<UTF16String>{UTF16String(folder + "/sub/blob.bin"),
                                                        UTF16String(folder + "/sub/./blob.bin")}));
        Variant value;
        ASSERT_TRUE(BlobRead(value));
        EXPECT_TRUE(value == Variant(Blob(4, "ABCD")));
        EXPECT_EQ(PropertyCount(), 1u);
        EXPECT_TRUE(m_context->Diagnostics().Entries().empty());
    }
}

TEST_F(SideFileGateTest, BlobsKeepTheirOwnLimitAndTheSideFileLimits) {
    // Sparse: the size is what counts, and it is refused before a byte is read.
    const fs::path huge = m_dir.Root() / "docs" / "huge.bin";
    { std::ofstream(huge).put('x'); }
    fs::resize_file(huge, std::uint64_t{3} << 30);
    LoadDocument("<IUniverse><CustomData><CustomDataItem Type=\"8\" Key=\"huge\" Path=\"huge.bin\" "
                 "BlobBufferSize=\"3221225472\"/></CustomData></IUniverse>",
                 false);
    Variant value;
    EXPECT_FALSE(BlobRead(value));
    EXPECT_EQ(ElementsReported(DiagnosticCode::kLimitReached),
              std::multiset<std::string>{"CustomDataItem"});

    m_dir.Write("docs/ten.bin", "0123456789");
    const struct {
        std::uint64_t maxBlob, maxFile, maxTotal;
        std::size_t values;
    } cases[] = {{9, 100, 100, 0}, {10, 9, 100, 0}, {10, 10, 25, 2}, {10, 10, 100, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.maxBlob) + " " + std::to_string(c.maxFile) + " " +
                     std::to_string(c.maxTotal));
        XMLDocumentLimits limits;
        limits.maxBlobBytes = c.maxBlob;
        limits.maxSideFileBytes = c.maxFile;
        limits.maxTotalSideFileBytes = c.maxTotal;
        m_options.SetDocumentLimits(limits);
        // The same file, read at each mention: each read counts.
        std::string items;
        for (const char* key : {"a", "b", "c"})
            items += std::string("<CustomDataItem Type=\"8\" Key=\"") + key +
                     "\" Path=\"ten.bin\" BlobBufferSize=\"10\"/>";
        LoadDocument("<IUniverse><CustomData>" + items + "</CustomData></IUniverse>", false);
        std::size_t values = 0;
        for (std::uint64_t i = 0; i < 3; ++i) {
            UTF8String key;
            values += m_context->LoadUniverse()->CustomDataAt(i, key, value) ? 1 : 0;
        }
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(ElementsReported(DiagnosticCode::kLimitReached).size(), 3 - c.values);
    }
}

TEST_F(SideFileGateTest, AHostThatTrustsItsDocumentsMayAllowOutsidePathsButNoPipe) {
    m_options.SetAllowSideFilesOutsideDocumentFolder(true);
    LoadDocument(Body("../secret.bin", "../secret.props"), false);
    Variant value;
    ASSERT_TRUE(BlobRead(value));
    EXPECT_TRUE(value == Variant(Blob(4, "SECR")));
    EXPECT_EQ(FileRefs(),
              std::vector<UTF16String>{UTF16String(m_dir.PathOf("docs/../secret.bin"))});
    EXPECT_EQ(PropertyCount(), 1u);
    EXPECT_TRUE(ElementsReported(DiagnosticCode::kOutsideDocumentFolder).empty());

    ASSERT_EQ(::mkfifo(m_dir.PathOf("pipe").c_str(), 0600), 0);
    // Endless or blocking files stay refused however far the host trusts its documents.
    for (const char* path : {"../pipe", "/dev/zero", "/dev/urandom"}) {
        SCOPED_TRACE(path);
        LoadDocument(Body(path, path), false);
        ExpectEveryPlaceRefused(DiagnosticCode::kSideFileUnreadable);
    }
}

} // namespace
} // namespace Orvik::Test
