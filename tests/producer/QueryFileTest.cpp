#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml_producer.h"
#include "hierarchy/XMLFileQueryResult.h"
#include "producer/XMLProducerImpl.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

// Validity and assembly answers of a fresh producer's query; each is always specified.
std::pair<bool, bool> Query(const std::string& path) {
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(path), &options);
    bool valid = true;
    bool assembly = true;
    EXPECT_EQ(producer.QueryFile()->IsFileValid(valid), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(producer.QueryFile()->IsAssembly(assembly), IsValueSpecifiedEnum::kSpecified);
    return {valid, assembly};
}

// The first file marked root is scanned, else the last file: an assembly or instance child, or
// a part beside any other child, even a typeless one, makes it an assembly.
TEST(QueryFileTest, ChildKindsOfTheScannedFileDecideWhetherItIsAnAssembly) {
    struct FileRow {
        const char* isRoot;
        std::vector<const char*> childTypes;
    };
    const std::pair<std::vector<FileRow>, bool> cases[] = {
        {{{"1", {"IPart"}}}, false},
        {{{"1", {"IBrep", "IPart"}}}, true},
        {{{"1", {"IPart", "IBrep"}}}, true},
        {{{"1", {"IInstance"}}}, true},
        {{{"1", {"IAssembly"}}}, true},
        {{{"1", {"IBrep", "ICurve"}}}, false},
        {{{"1", {}}}, false},
        {{{"1", {"", "IPart"}}}, true},
        {{{"1", {"IAssembly"}}, {"1", {"IPart"}}}, true},
        {{{nullptr, {"IAssembly"}}, {nullptr, {"IPart"}}}, false},
        {{{nullptr, {"IPart"}}, {"0", {"IInstance"}}}, true},
        {{}, false},
    };
    TestSupport::TempDirectory dir;
    int file = 0;
    for (const auto& [files, assembly] : cases) {
        SCOPED_TRACE("case " + std::to_string(++file));
        Writer::XmlDocumentBuilder b;
        b.Open("XMLDocument").Element("IUniverse");
        for (const FileRow& row : files) {
            b.Open("IFile").Attribute("ID", "f");
            if (row.isRoot)
                b.Attribute("IsRoot", row.isRoot);
            b.Open("ChildSet");
            for (const char* type : row.childTypes)
                *type ? b.Element("Child", {{"Type", type}}) : b.Element("Child");
            b.Close().Close();
        }
        b.Close().WriteTo(dir.PathOf("doc" + std::to_string(file) + ".xml"));
        EXPECT_EQ(Query(dir.PathOf("doc" + std::to_string(file) + ".xml")),
                  std::make_pair(true, assembly));
    }
}

TEST(QueryFileTest, DocumentThatIsMissingOrDoesNotParseIsNeitherValidNorAnAssembly) {
    TestSupport::TempDirectory dir;
    const std::string broken = dir.Write("broken.xml", R"(<XMLDocument><IFile ID="f" IsRoot="1">
        <ChildSet><Child Type="IAssembly" ID="a"/></ChildSet></XMLDocument>)");
    for (const std::string& path : {broken, dir.PathOf("absent.xml"), dir.PathOf("absent.ZIP")})
        EXPECT_EQ(Query(path), std::make_pair(false, false)) << path;
}

TEST(QueryFileTest, TheAnswerIsCachedAndBeginProcessReusesItsParse) {
    TestSupport::TempDirectory dir;
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(dir.Write("doc.xml", "<XMLDocument/>")), &options);
    const FileQueryResult* first = producer.QueryFile();
    bool valid = false;
    first->IsFileValid(valid);
    EXPECT_TRUE(valid);
    const FilterOptions filter;
    EXPECT_NO_THROW(producer.BeginProcess(IdSet(), &filter, nullptr));
    EXPECT_EQ(producer.QueryFile(), first);
}

// The document is freed once loaded: a query asked only afterwards answers from what was kept,
// and a second load reads the document again.
TEST(QueryFileTest, AfterTheLoadTheDocumentIsFreedAndTheQueryStillAnswers) {
    TestSupport::TempDirectory dir;
    const std::string path = dir.Write("doc.xml", R"(<XMLDocument><IFile ID="f" IsRoot="1">)"
                                                  R"(<ChildSet><Child Type="IAssembly" ID="a"/>)"
                                                  R"(</ChildSet></IFile><IAssembly ID="a"/>)"
                                                  R"(</XMLDocument>)");
    XMLProducerOptions options;
    XMLProducerImpl producer(UTF16String(path), &options);
    const FilterOptions filter;
    producer.BeginProcess(IdSet(), &filter, nullptr);
    EXPECT_EQ(producer.Parser(), nullptr);
    bool valid = false;
    bool assembly = false;
    producer.QueryFile()->IsFileValid(valid);
    producer.QueryFile()->IsAssembly(assembly);
    EXPECT_TRUE(valid);
    EXPECT_TRUE(assembly);
    EXPECT_NE(producer.Load(UTF8String("a")), nullptr);

    EXPECT_NO_THROW(producer.BeginProcess(IdSet(), &filter, nullptr));
    EXPECT_NE(producer.Load(UTF8String("a")), nullptr);
    producer.EndProcess();
}

} // namespace
} // namespace Orvik::Test
