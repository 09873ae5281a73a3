#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml_producer.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace Orvik::Test {

using TestSupport::TempDirectory;
namespace {

class QueryFileTest : public ::testing::Test {
protected:
    // Answers IsAssembly for a document whose body the function writes.
    bool IsAssembly(const std::function<void(Writer::XmlDocumentBuilder&)>& body) {
        Writer::XmlDocumentBuilder builder;
        builder.Open("XMLDocument");
        body(builder);
        builder.Close();
        const std::string path = m_dir.PathOf("doc" + std::to_string(++m_count) + ".xml");
        builder.WriteTo(path);
        XMLProducerOptions options;
        XMLProducer producer(UTF16String(path), &options);
        bool valid = false;
        bool assembly = false;
        producer.QueryFile()->IsFileValid(valid);
        producer.QueryFile()->IsAssembly(assembly);
        EXPECT_TRUE(valid);
        return assembly;
    }

    static void File(Writer::XmlDocumentBuilder& b, const char* isRoot,
                     std::initializer_list<const char*> childTypes) {
        b.Open("IFile").Attribute("ID", "f");
        if (isRoot)
            b.Attribute("IsRoot", isRoot);
        b.Open("ChildSet");
        for (const char* type : childTypes) {
            b.Open("Child");
            if (*type)
                b.Attribute("Type", type);
            b.Close();
        }
        b.Close().Close();
    }

    TempDirectory m_dir;
    int m_count = 0;
};

TEST_F(QueryFileTest, ChildKindsOfTheRootFileDecideWhetherItIsAnAssembly) {
    EXPECT_FALSE(IsAssembly([](auto& b) { File(b, "1", {"IPart"}); }));
    EXPECT_TRUE(IsAssembly([](auto& b) { File(b, "1", {"IBrep", "IPart"}); }));
    EXPECT_TRUE(IsAssembly([](auto& b) { File(b, "1", {"IPart", "IBrep"}); }));
    EXPECT_TRUE(IsAssembly([](auto& b) { File(b, "1", {"IInstance"}); }));
    EXPECT_TRUE(IsAssembly([](auto& b) { File(b, "1", {"IAssembly"}); }));
    EXPECT_FALSE(IsAssembly([](auto& b) { File(b, "1", {"IBrep", "ICurve"}); }));
    EXPECT_FALSE(IsAssembly([](auto& b) { File(b, "1", {}); }));
    // A child without a type matches nothing but still counts.
    EXPECT_TRUE(IsAssembly([](auto& b) { File(b, "1", {"", "IPart"}); }));
}

TEST_F(QueryFileTest, TheFirstRootFileOrElseTheLastFileIsScanned) {
    EXPECT_TRUE(IsAssembly([](auto& b) {
        File(b, "1", {"IAssembly"});
        File(b, "1", {"IPart"});
    }));
    EXPECT_FALSE(IsAssembly([](auto& b) {
        File(b, nullptr, {"IAssembly"});
        File(b, nullptr, {"IPart"});
    }));
    EXPECT_TRUE(IsAssembly([](auto& b) {
        File(b, nullptr, {"IPart"});
        File(b, "0", {"IInstance"});
    }));
}

TEST_F(QueryFileTest, DocumentWithoutFilesIsValidButNoAssembly) {
    EXPECT_FALSE(IsAssembly([](auto& b) { b.Element("IUniverse"); }));
}

TEST_F(QueryFileTest, DocumentThatDoesNotParseIsNeitherValidNorAnAssembly) {
    const std::string path = m_dir.PathOf("broken.xml");
    {
        std::ofstream out(path);
        out << R"(<XMLDocument><IFile ID="f" IsRoot="1"><ChildSet>)"
            << R"(<Child Type="IAssembly" ID="a"/></ChildSet></XMLDocument>)";
    }
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(path), &options);
    bool valid = true;
    bool assembly = true;
    EXPECT_EQ(producer.QueryFile()->IsFileValid(valid), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(producer.QueryFile()->IsAssembly(assembly), IsValueSpecifiedEnum::kSpecified);
    EXPECT_FALSE(valid);
    EXPECT_FALSE(assembly);
}

} // namespace
} // namespace Orvik::Test
