#include "PresentationFixture.h"
#include "orvik/writer/ZipPacker.h"

#include <filesystem>

namespace Orvik::Test {
namespace {

namespace fs = std::filesystem;

class TextureTest : public PresentationFixture {
protected:
    IMaterialTexture& Texture(const std::string& id) {
        auto* texture = Find<IMaterialTexture>(id);
        if (texture == nullptr)
            throw std::runtime_error("no texture " + id);
        return *texture;
    }

    UTF16String Reference(const std::string& id) {
        UTF16String path;
        EXPECT_EQ(Texture(id).TextureFileReference(path), IsValueSpecifiedEnum::kSpecified);
        return path;
    }

    static std::string TextureSet(const std::string& textures) {
        return "<TextureSet>" + textures + "</TextureSet>";
    }

    // The document packed with the files into a zip archive, then loaded from it.
    XMLProducerImpl& LoadZipped(const std::string& sets,
                                const std::vector<std::pair<std::string, std::string>>& files) {
        Writer::ZipPacker zip;
        zip.AddBuffer("doc.xml", R"(<XMLDocument><IFile ID="f" IsRoot="True"><AttributeSet>)" +
                                     sets + "</AttributeSet></IFile></XMLDocument>");
        for (const auto& [name, bytes] : files)
            zip.AddBuffer(name, bytes);
        const std::string path = m_dir.PathOf("doc.zip");
        zip.Write(path);
        m_context = std::make_unique<XMLProducerImpl>(UTF16String(path), &m_options);
        m_context->BeginProcess(IdSet(), &m_filter, nullptr);
        return *m_context;
    }

    std::string ZipFolder() const { return m_context->SideFileDirectory().ToUTF8(); }
};

TEST_F(TextureTest, ATextureAnswersEveryValueAndADecalAnswersAsItsTexture) {
    const std::string attributes =
        R"(TextureType="2" RotateAngle="45" ProjectType="1" ProcedureU="3" RepeatU="2.5"
           ProcedureV="4" RepeatV="0.5" ProceduralName="checker" EmbeddedTextureImageSize="9"
           EmbeddedTextureImageType="6" VersionPersistentId="v")";
    const std::string children = R"(<TextureDimensions Width="64" Height="32"/>
           <TextureCenter X="0.5" Y="0.25"/><TextureOffset X="1" Y="2"/>
           <TextureScale X="3" Y="4"/><Unknown/>)";
    LoadSets(TextureSet(R"(<IMaterialTexture ID="t" Label="Wood" )" + attributes + ">" + children +
                        R"(</IMaterialTexture><Skipped ID="x"/>
        <IDecalMaterialTexture ID="d" Label="Logo" Transparency="0.3" )" +
                        attributes + ">" + children + "</IDecalMaterialTexture>" +
                        R"(<IDecalMaterialTexture ID="plain"/>)"));
    EXPECT_EQ(RootFile().TextureSet(),
              (IdSet{UTF8String("t"), UTF8String("d"), UTF8String("plain")}));
    const IMaterialTexture& texture = Texture("t");
    const IMaterialTexture& decal = Texture("d");
    using IntGetter = IsValueSpecifiedEnum (IMaterialTexture::*)(int&) const;
    using DoubleGetter = IsValueSpecifiedEnum (IMaterialTexture::*)(double&) const;
    using PairGetter = IsValueSpecifiedEnum (IMaterialTexture::*)(double&, double&) const;
    const std::pair<IntGetter, int> ints[] = {{&IMaterialTexture::TextureType, 2},
                                              {&IMaterialTexture::ProjectType, 1},
                                              {&IMaterialTexture::ProcedureU, 3},
                                              {&IMaterialTexture::ProcedureV, 4},
                                              {&IMaterialTexture::EmbeddedTextureImageSize, 9},
                                              {&IMaterialTexture::EmbeddedTextureImageType, 6}};
    const std::pair<DoubleGetter, double> doubles[] = {{&IMaterialTexture::RotateAngle, 45},
                                                       {&IMaterialTexture::RepeatU, 2.5},
                                                       {&IMaterialTexture::RepeatV, 0.5}};
    const std::pair<PairGetter, std::pair<double, double>> pairs[] = {
        {&IMaterialTexture::TextureCenter, {0.5, 0.25}},
        {&IMaterialTexture::TextureOffset, {1, 2}},
        {&IMaterialTexture::TextureScale, {3, 4}}};
    for (const IMaterialTexture* answering : {&texture, &decal}) {
        for (const auto& [getter, expected] : ints) {
            int value = 0;
            EXPECT_EQ((answering->*getter)(value), IsValueSpecifiedEnum::kSpecified);
            EXPECT_EQ(value, expected);
        }
        for (const auto& [getter, expected] : doubles) {
            double value = 0;
            EXPECT_EQ((answering->*getter)(value), IsValueSpecifiedEnum::kSpecified);
            EXPECT_EQ(value, expected);
        }
        for (const auto& [getter, expected] : pairs) {
            double x = 0, y = 0;
            EXPECT_EQ((answering->*getter)(x, y), IsValueSpecifiedEnum::kSpecified);
            EXPECT_EQ(std::make_pair(x, y), expected);
        }
        int width = 0, height = 0;
        EXPECT_EQ(answering->TextureDimensions(width, height), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(width * 1000 + height, 64032);
        UTF16String name;
        EXPECT_EQ(answering->ProceduralName(name), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(name, UTF16String(u"checker"));
    }
    UTF8String version;
    EXPECT_EQ(texture.VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(decal.VersionPersistentId(version), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(decal.Label(), UTF16String(u"Logo"));
    double transparency = 0;
    EXPECT_EQ(Find<IDecalMaterialTexture>("d")->Transparency(transparency),
              IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(transparency, 0.3);
    EXPECT_EQ(Find<IDecalMaterialTexture>("plain")->Transparency(transparency),
              IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(Find<IDecalMaterialTexture>("t"), nullptr);
    EXPECT_EQ(m_context->Context().Find(UTF8String("x")), nullptr);
}

TEST_F(TextureTest, DimensionsNeedBothWidthAndHeight) {
    LoadSets(TextureSet(R"(<IMaterialTexture ID="t"><TextureDimensions Width="4"/>
        <TextureCenter X="1"/></IMaterialTexture>)"));
    int width = 0, height = 0;
    double x = 0, y = 0;
    EXPECT_EQ(Texture("t").TextureDimensions(width, height), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(Texture("t").TextureCenter(x, y), IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(TextureTest, AFileBesideTheDocumentIsFoundAndAMissingOneAnsweredAsWritten) {
    const std::string present = m_dir.Write("wood.png", "PNG");
    LoadSets(TextureSet(R"(<IMaterialTexture ID="t" TextureFileReference="wood.png"/>
        <IMaterialTexture ID="m" TextureFileReference="missing.png"/>)"));
    EXPECT_TRUE(fs::equivalent(Reference("t").ToUTF8(), present));
    EXPECT_EQ(Reference("m"), UTF16String(u"missing.png"));
}

TEST_F(TextureTest, AZippedFileUnderItsReplacedSpellingGetsItsOwnNameBack) {
    LoadZipped(TextureSet(R"(<IMaterialTexture ID="t" TextureFileReference="wood|grain.png"/>
        <IMaterialTexture ID="u" TextureFileReference="plain.png"/>)"),
               {{"wood_grain.png", "PNG"}, {"plain.png", "P"}});
    EXPECT_EQ(Reference("t").ToUTF8(), ZipFolder() + "/wood|grain.png");
    EXPECT_TRUE(fs::exists(ZipFolder() + "/wood|grain.png"));
    EXPECT_FALSE(fs::exists(ZipFolder() + "/wood_grain.png"));
    EXPECT_EQ(Reference("u").ToUTF8(), ZipFolder() + "/plain.png");
}

// Paths that lead out of the folders, or through a link, are answered as written; nothing is
// moved.
TEST_F(TextureTest, ReferencesThatEscapeTheFoldersAreRefusedWithNothingMoved) {
    const std::string outside = m_dir.Write("secret|key.png", "SECRET");
    m_dir.Write("secret_key.png", "SECRET");
    fs::create_directories(m_dir.Root() / "doc");
    fs::create_symlink(outside, m_dir.Root() / "doc" / "link.png");
    const std::set<std::string> before = m_dir.Tree();
    const std::string escaping = "../secret_key.png";
    LoadSetsAt("doc/doc.xml",
               TextureSet(R"(<IMaterialTexture ID="up" TextureFileReference=")" + escaping +
                          R"("/><IMaterialTexture ID="abs" TextureFileReference=")" + outside +
                          R"("/><IMaterialTexture ID="link" TextureFileReference="link.png"/>)"));
    EXPECT_EQ(Reference("up").ToUTF8(), escaping);
    EXPECT_EQ(Reference("abs").ToUTF8(), outside);
    EXPECT_EQ(Reference("link"), UTF16String(u"link.png"));
    EXPECT_EQ(Count(DiagnosticCode::kOutsideDocumentFolder), 3u);

    // Zipped: the replaced spelling outside the extraction folder is never renamed.
    LoadZipped(TextureSet(R"(<IMaterialTexture ID="abs" TextureFileReference=")" +
                          (m_dir.Root() / "secret|moved.png").string() +
                          R"("/><IMaterialTexture ID="up" TextureFileReference="../x|y.png"/>)"),
               {});
    m_dir.Write("secret_moved.png", "SECRET");
    EXPECT_EQ(Reference("abs").ToUTF8(), (m_dir.Root() / "secret|moved.png").string());
    EXPECT_EQ(Reference("up"), UTF16String(u"../x|y.png"));
    std::set<std::string> after = m_dir.Tree();
    after.erase("secret_moved.png");
    after.erase("doc.zip");
    after.erase("doc/doc.xml");
    for (const std::string& entry : before)
        EXPECT_TRUE(after.count(entry)) << entry;
}

TEST_F(TextureTest, AnEmbeddedImageIsReadOnlyFromAVettedFileAndWithinItsSize) {
    fs::create_directories(m_dir.Root() / "doc");
    const std::string image = m_dir.Write("doc/image.bin", "IMAGEDATA");
    const std::string outside = m_dir.Write("image.bin", "OUTSIDE!!");
    fs::create_symlink(outside, m_dir.Root() / "doc" / "link.bin");
    LoadSetsAt("doc/doc.xml", TextureSet(R"(<IMaterialTexture ID="t" TempFilePath="image.bin"/>
        <IMaterialTexture ID="abs" TempFilePath=")" +
                                         image + R"("/>
        <IMaterialTexture ID="out" TempFilePath=")" +
                                         outside + R"("/>
        <IMaterialTexture ID="up" TempFilePath="../image.bin"/>
        <IMaterialTexture ID="link" TempFilePath="link.bin"/>
        <IMaterialTexture ID="none"/>)"));
    char buffer[16] = {};
    EXPECT_EQ(Texture("t").EmbeddedTextureImage(9, buffer), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(std::string(buffer, 9), "IMAGEDATA");
    EXPECT_EQ(Texture("abs").EmbeddedTextureImage(5, buffer), IsValueSpecifiedEnum::kSpecified);
    std::fill(std::begin(buffer), std::end(buffer), '#');
    const struct {
        const char* id;
        int size;
        void* buffer;
    } refused[] = {{"t", 10, buffer}, {"t", -1, buffer},   {"t", 4, nullptr},  {"out", 4, buffer},
                   {"up", 4, buffer}, {"link", 4, buffer}, {"none", 4, buffer}};
    for (const auto& c : refused) {
        SCOPED_TRACE(std::string(c.id) + " " + std::to_string(c.size));
        EXPECT_EQ(Texture(c.id).EmbeddedTextureImage(c.size, c.buffer),
                  IsValueSpecifiedEnum::kUnspecified);
    }
    EXPECT_EQ(std::string(buffer, 16), std::string(16, '#'));
}

} // namespace
} // namespace Orvik::Test
