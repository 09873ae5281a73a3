#include "HostileRows.h"

#include "HostileMarkup.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>
#include <zip.h>

namespace Orvik::Hostile {
namespace {

namespace fs = std::filesystem;

const char* const kEntitiesRefused =
    "the document declares entities, which this format does not use";

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

HostileCase Load(const fs::path& document, XMLProducerOptions options = {}) {
    return HostileCase{document.string(), std::move(options)};
}

HostileCase Document(const fs::path& folder, const std::string& text) {
    WriteFile(folder / "doc.xml", text);
    return Load(folder / "doc.xml");
}

// An entity of about 100 KB named 90,000 times, in text or in an attribute value.
std::string EntityBlowUp(bool inAttribute) {
    const std::string references = Repeat("&e;", 90000);
    return "<!DOCTYPE XMLDocument [<!ENTITY e \"" + std::string(100000, 'x') + "\">]>\n" +
           (inAttribute ? "<XMLDocument a=\"" + references + "\"/>"
                        : "<XMLDocument>" + references + "</XMLDocument>");
}

// Elements opened by entity references, where no scan of the markup sees them.
std::string NestedThroughEntities(const std::string& element, int depth) {
    return "<!DOCTYPE XMLDocument [<!ENTITY o \"<" + element + ">\"><!ENTITY c \"</" + element +
           ">\">]>\n<XMLDocument>" + Repeat("&o;", depth) + Repeat("&c;", depth) + "</XMLDocument>";
}

std::string ManyAttributes(int count) {
    std::string markup = "<XMLDocument";
    for (int i = 0; i < count; ++i)
        markup += " a" + std::to_string(i) + "='1'";
    return markup + "/>";
}

std::string ManyNamespaces(int count) {
    std::string markup = "<XMLDocument";
    for (int i = 0; i < count; ++i)
        markup += " xmlns:p" + std::to_string(i) + "='u" + std::to_string(i) + "'";
    return markup + "/>";
}

HostileRow Refused(std::string name, std::function<HostileCase(const fs::path&)> build,
                   std::string fragment, int errorCode = 0) {
    HostileRow row;
    row.name = std::move(name);
    row.build = std::move(build);
    row.expected = Expected::kRefused;
    row.fragment = std::move(fragment);
    row.errorCode = errorCode;
    return row;
}

HostileRow LeftOut(std::string name, std::function<HostileCase(const fs::path&)> build,
                   DiagnosticCode code, std::vector<std::string> elements) {
    HostileRow row;
    row.name = std::move(name);
    row.build = std::move(build);
    row.expected = Expected::kLeftOut;
    row.fragment = DiagnosticCodeName(code);
    row.elements = std::move(elements);
    return row;
}

// The markup is made when the row is built, so that a list of rows holds no large text.
std::function<HostileCase(const fs::path&)> Markup(std::function<std::string()> make) {
    return [make = std::move(make)](const fs::path& folder) { return Document(folder, make()); };
}

void AddDocumentRows(std::vector<HostileRow>& rows) {
    rows.push_back(
        Refused("entity blow-up", Markup([] { return EntityBlowUp(false); }), kEntitiesRefused));
    rows.push_back(Refused("entity blow-up in an attribute",
                           Markup([] { return EntityBlowUp(true); }), kEntitiesRefused));
    const struct {
        const char* name;
        const char* element;
        int depth;
    } throughEntities[] = {
        {"100,000 groups opened through entities", "Group", 100000},
        {"1,000,000 groups opened through entities", "Group", 1000000},
        {"geometric sets nested 100,000 deep through entities", "IGeometricSet", 100000},
        {"extension geometry nested 100,000 deep through entities", "IExtensionGeometry", 100000},
    };
    for (const auto& nested : throughEntities)
        rows.push_back(Refused(nested.name, Markup([nested] {
                                   return NestedThroughEntities(nested.element, nested.depth);
                               }),
                               kEntitiesRefused));
    rows.push_back(Refused("EBCDIC document nested 1,000,000 deep", Markup([] {
                               const Encoding& ebcdic = EbcdicEncoding();
                               return Encode(ebcdic, Declaration(ebcdic) + Nested(1000000, ""));
                           }),
                           "its elements nest deeper than 1000 levels"));
    rows.push_back(Refused("100,000 attributes on one element",
                           Markup([] { return ManyAttributes(100000); }),
                           "more than 1000 attributes on one element"));
    rows.push_back(Refused("20,000 namespace declarations on one element",
                           Markup([] { return ManyNamespaces(20000); }),
                           "more than 64 namespace declarations on one element"));
}

// The bytes of a 16 MiB run of zeros, deflated once and stored 256 times: an archive of about
// 4 MB that would unpack to 4 GiB.
void WriteZipBomb(const fs::path& folder, const fs::path& archive) {
    const fs::path seedPath = folder / "seed.zip";
    {
        Writer::ZipPacker seed;
        seed.AddBuffer("zeros.bin", std::string(std::size_t{16} << 20, '\0'));
        seed.Write(seedPath.string());
    }
    int error = 0;
    const auto close = [](zip_t* archive) {
        if (archive != nullptr)
            zip_discard(archive);
    };
    std::unique_ptr<zip_t, decltype(close)> seed(zip_open(seedPath.c_str(), ZIP_RDONLY, &error),
                                                 close);
    std::unique_ptr<zip_t, decltype(close)> bomb(
        zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error), close);
    if (!seed || !bomb)
        throw std::runtime_error("cannot open the archives for the zip bomb");
    static const std::string document = "<XMLDocument/>";
    zip_source_t* source = zip_source_buffer(bomb.get(), document.data(), document.size(), 0);
    if (source == nullptr || zip_file_add(bomb.get(), "doc.xml", source, ZIP_FL_ENC_UTF_8) < 0)
        throw std::runtime_error("cannot add the document to the zip bomb");
    for (int i = 0; i < 256; ++i) {
        // Copied as deflated, so the archive is written without deflating 4 GiB.
        zip_source_t* zeros = zip_source_zip(bomb.get(), seed.get(), 0, ZIP_FL_COMPRESSED, 0, -1);
        const std::string name = "zeros" + std::to_string(i) + ".bin";
        if (zeros == nullptr || zip_file_add(bomb.get(), name.c_str(), zeros, 0) < 0)
            throw std::runtime_error("cannot add an entry to the zip bomb");
    }
    if (zip_close(bomb.get()) != 0)
        throw std::runtime_error("cannot write the zip bomb");
    bomb.release();
}

void AddPathRows(std::vector<HostileRow>& rows) {
    const char* const device = "the file is not a regular file but a device";
    rows.push_back(Refused(
        "a URL as document",
        [](const fs::path&) { return Load("http://127.0.0.1:9/document.xml"); },
        ": the file does not exist"));
    rows.push_back(Refused(
        "/dev/zero as document", [](const fs::path&) { return Load("/dev/zero"); }, device));
    rows.push_back(Refused(
        "a FIFO as document",
        [](const fs::path& folder) {
            const fs::path pipe = folder / "pipe.xml";
            if (::mkfifo(pipe.c_str(), 0600) != 0)
                throw std::runtime_error("cannot make " + pipe.string());
            return Load(pipe);
        },
        "the file is not a regular file but a pipe"));
    rows.push_back(Refused(
        "a directory as document",
        [](const fs::path& folder) {
            fs::create_directory(folder / "folder.xml");
            return Load(folder / "folder.xml");
        },
        "the file is not a regular file but a directory"));
    rows.push_back(Refused(
        "a missing path", [](const fs::path& folder) { return Load(folder / "absent.xml"); },
        ": the file does not exist"));
    rows.push_back(Refused(
        "a 4 MB zip unpacking to 4 GiB",
        [](const fs::path& folder) {
            WriteZipBomb(folder, folder / "bomb.zip");
            return Load(folder / "bomb.zip");
        },
        "maxZipUnpackRatio", 13));
    rows.push_back(Refused(
        "a zip that cannot be extracted",
        [](const fs::path& folder) {
            WriteFile(folder / "broken.zip", "PK\x03\x04 not an archive");
            return Load(folder / "broken.zip");
        },
        "Could not read the document", 13));
}

// The document names the path in every place that takes a side file.
std::string NamingEverywhere(const std::string& path) {
    Writer::XmlDocumentBuilder b;
    b.Open("XMLDocument").Open("IUniverse").Open("CustomData");
    b.Element("CustomDataItem",
              {{"Type", "8"}, {"Key", "blob"}, {"Path", path}, {"BlobBufferSize", "4"}});
    b.Close().Close();
    b.Element("SatInfo", {{"Path", path}});
    b.Element("PropertyInfo", {{"Path", path}});
    for (const auto& [section, flag] : HostileRows::FlaggedSections())
        b.Element(section, {{flag, "True"}, {"Path", path}});
    b.Open("IFile").Attribute("ID", "f1").Attribute("IsRoot", "True");
    b.Open("ExtensionData").Attribute("TypeId", "t").Open("FileRefs");
    b.Element("FileRef", {{"Path", path}}).Close().Close().Close().Close();
    return b.ToString();
}

// The document lies two folders down, beside a file "etc/passwd" of the row's own that
// "../../etc/passwd" reaches; zipped, the archive lies there.
HostileCase SideFilesAt(const fs::path& folder, const std::string& path, bool zipped,
                        XMLProducerOptions options = {}) {
    WriteFile(folder / "etc" / "passwd", "SECRET-BYTES");
    const fs::path documentFolder = folder / "a" / "b";
    const std::string markup = NamingEverywhere(path);
    WriteFile(documentFolder / "doc.xml", markup);
    if (!zipped)
        return Load(documentFolder / "doc.xml", std::move(options));
    Writer::ZipPacker packer;
    packer.AddBuffer("doc.xml", markup);
    packer.Write((documentFolder / "doc.zip").string());
    return Load(documentFolder / "doc.zip", std::move(options));
}

XMLProducerOptions TrustingHost() {
    XMLProducerOptions options;
    options.SetAllowSideFilesOutsideDocumentFolder(true);
    return options;
}

std::string Blob(const std::string& path, std::uint64_t bytes) {
    return "<XMLDocument><IUniverse><CustomData><CustomDataItem Type=\"8\" Key=\"big\" Path=\"" +
           path + "\" BlobBufferSize=\"" + std::to_string(bytes) +
           "\"/></CustomData></IUniverse></XMLDocument>";
}

void AddSideFileRows(std::vector<HostileRow>& rows) {
    const std::vector<std::string>& places = HostileRows::SideFilePlaces();
    for (const char* path : {"../../etc/passwd", "/etc/passwd"}) {
        for (const bool zipped : {false, true}) {
            rows.push_back(LeftOut(
                std::string("side files at ") + path + (zipped ? " in a zip" : ""),
                [path, zipped](const fs::path& folder) {
                    return SideFilesAt(folder, path, zipped);
                },
                DiagnosticCode::kOutsideDocumentFolder, places));
        }
    }
    // Paths the host is handed but that are never read: answered as written, and reported.
    for (const char* path : {"../../etc/passwd", "/etc/passwd"})
        rows.push_back(LeftOut(
            std::string("textures, MaterialX files and light textures at ") + path,
            [path](const fs::path& folder) {
                const std::string p = path;
                return Document(
                    folder,
                    "<XMLDocument><IFile ID=\"f\" IsRoot=\"True\"><AttributeSet><TextureSet>"
                    "<IMaterialTexture ID=\"t\" TextureFileReference=\"" +
                        p +
                        "\"/>"
                        "</TextureSet><StyleSet><IRenderStyle ID=\"m\"><MaterialXStyleInfo>"
                        "<FilesReference SourceFilePath=\"a.png\" ResolvedFilePath=\"" +
                        p +
                        "\"/>"
                        "</MaterialXStyleInfo></IRenderStyle></StyleSet></AttributeSet></IFile>"
                        "<IAssembly ID=\"a\"><AttributeSet><LightSet>"
                        "<ILight ID=\"l\" Label=\"Lamp\" LightType=\"Dome\"><LightShapeData "
                        "TextureFile=\"" +
                        p + "\"/></ILight></LightSet></AttributeSet></IAssembly></XMLDocument>");
            },
            DiagnosticCode::kOutsideDocumentFolder,
            {"IMaterialTexture", "FilesReference", "LightShapeData"}));
    rows.push_back(LeftOut(
        "side files naming a FIFO",
        [](const fs::path& folder) {
            fs::create_directories(folder / "a" / "b");
            const fs::path pipe = folder / "a" / "b" / "pipe";
            if (::mkfifo(pipe.c_str(), 0600) != 0)
                throw std::runtime_error("cannot make " + pipe.string());
            return SideFilesAt(folder, "pipe", false);
        },
        DiagnosticCode::kSideFileUnreadable, places));
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        rows.push_back(LeftOut(
            std::string("side files at ") + device,
            [device](const fs::path& folder) { return SideFilesAt(folder, device, false); },
            DiagnosticCode::kOutsideDocumentFolder, places));
        rows.push_back(LeftOut(
            std::string("side files at ") + device + ", outside paths allowed",
            [device](const fs::path& folder) {
                return SideFilesAt(folder, device, false, TrustingHost());
            },
            DiagnosticCode::kSideFileUnreadable, places));
    }
    rows.push_back(LeftOut("a 3 GiB sparse blob",
                           [](const fs::path& folder) {
                               const fs::path huge = folder / "huge.bin";
                               WriteFile(huge, "x");
                               fs::resize_file(huge, std::uint64_t{3} << 30);
                               return Document(folder, Blob("huge.bin", std::uint64_t{3} << 30));
                           },
                           DiagnosticCode::kLimitReached, {"CustomDataItem"}));
    // A blob the archive holds: past its limit, lowered so that the archive stays small.
    rows.push_back(LeftOut("a blob past its limit in a zip",
                           [](const fs::path& folder) {
                               std::string noise(std::size_t{2} << 20, '\0');
                               std::uint32_t state = 1;
                               for (char& c : noise) {
                                   state = state * 1664525u + 1013904223u;
                                   c = static_cast<char>(state >> 24);
                               }
                               Writer::ZipPacker packer;
                               packer.AddBuffer("doc.xml", Blob("noise.bin", noise.size()));
                               packer.AddBuffer("noise.bin", noise);
                               packer.Write((folder / "doc.zip").string());
                               XMLDocumentLimits limits;
                               limits.maxBlobBytes = std::uint64_t{1} << 20;
                               XMLProducerOptions options;
                               options.SetDocumentLimits(limits);
                               return Load(folder / "doc.zip", options);
                           },
                           DiagnosticCode::kLimitReached, {"CustomDataItem"}));
    rows.push_back(LeftOut(
        "one mesh stream named by 1,000 sections",
        [](const fs::path& folder) {
            WriteFile(folder / "mesh.bin", std::string(64, '\0'));
            return Document(
                folder, "<XMLDocument>" +
                            Repeat("<MeshInfo GenerateMesh=\"True\" Path=\"mesh.bin\"/>", 1000) +
                            "</XMLDocument>");
        },
        DiagnosticCode::kSideFileUnreadable, {"MeshInfo"}));
}

} // namespace

const std::vector<std::string>& HostileRows::SideFilePlaces() {
    static const std::vector<std::string> places{"CustomDataItem",
                                                 "SatInfo",
                                                 "PropertyInfo",
                                                 "GeometryInfo",
                                                 "MeshSegmentInfo",
                                                 "MeshInfo",
                                                 "AmbrelMaterialInfo",
                                                 "SubObjectPersistentIdInfo",
                                                 "AnimationInfo",
                                                 "SubdivMeshInfo",
                                                 "FileRef"};
    return places;
}

const std::vector<std::pair<const char*, const char*>>& HostileRows::FlaggedSections() {
    static const std::vector<std::pair<const char*, const char*>> sections{
        {"GeometryInfo", "GenerateGeometry"},
        {"MeshSegmentInfo", "GenerateMeshSegment"},
        {"MeshInfo", "GenerateMesh"},
        {"AmbrelMaterialInfo", "GenerateSerializedAmbrel"},
        {"SubObjectPersistentIdInfo", "GenerateSubObjectPersistentId"},
        {"AnimationInfo", "GenerateAnimation"},
        {"SubdivMeshInfo", "GenerateSubdivMesh"}};
    return sections;
}

const std::vector<HostileRow>& HostileRows::All() {
    static const std::vector<HostileRow> rows = [] {
        std::vector<HostileRow> all;
        AddDocumentRows(all);
        AddPathRows(all);
        AddSideFileRows(all);
        return all;
    }();
    return rows;
}

} // namespace Orvik::Hostile
