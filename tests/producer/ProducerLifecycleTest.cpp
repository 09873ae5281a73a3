#include "RecordingEventManager.h"
#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml_producer.h"

#include <fstream>
#include <gtest/gtest.h>
#include <locale>

namespace Orvik::Test {

using TestSupport::TempDirectory;
namespace {

class ProducerLifecycleTest : public ::testing::Test {
protected:
    std::string WriteEmptyDocument(const std::string& name = "doc.xml") {
        Writer::XmlDocumentBuilder builder;
        builder.Open("XMLDocument").Close();
        const std::string path = m_dir.PathOf(name);
        builder.WriteTo(path);
        return path;
    }

    std::string WriteText(const std::string& name, const std::string& text) {
        const std::string path = m_dir.PathOf(name);
        std::ofstream(path) << text;
        return path;
    }

    TempDirectory m_dir;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
};

TEST_F(ProducerLifecycleTest, UniverseIsNullBeforeAndWithoutAnyUniverseElement) {
    XMLProducer producer(UTF16String(WriteEmptyDocument()), &m_options);
    EXPECT_EQ(producer.LoadUniverse(), nullptr);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    EXPECT_EQ(producer.LoadUniverse(), nullptr);
    EXPECT_EQ(producer.WorkdataForAnalytics(), nullptr);
    producer.EndProcess();
}

TEST_F(ProducerLifecycleTest, RootObjectIdThrowsWhenTheDocumentHasNoRootFile) {
    XMLProducer producer(UTF16String(WriteEmptyDocument()), &m_options);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    try {
        producer.RootObjectId();
        FAIL() << "expected GeneralException";
    } catch (const GeneralException& e) {
        EXPECT_STREQ(e.what(), "Could not find the root object id.");
        EXPECT_EQ(e.Reporter(), 2);
    }
}

TEST_F(ProducerLifecycleTest, QueryFileOnMissingDocumentAnswersAnEmptyCachedResult) {
    XMLProducer producer(UTF16String(m_dir.PathOf("absent.xml")), &m_options);
    const FileQueryResult* first = producer.QueryFile();
    ASSERT_NE(first, nullptr);
    bool valid = true;
    bool assembly = true;
    EXPECT_EQ(first->IsFileValid(valid), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(first->IsAssembly(assembly), IsValueSpecifiedEnum::kSpecified);
    EXPECT_FALSE(valid);
    EXPECT_FALSE(assembly);
    EXPECT_EQ(producer.QueryFile(), first);
}

TEST_F(ProducerLifecycleTest, MalformedDocumentFailsQueryQuietlyAndBeginProcessWithFileException) {
    const std::string path = WriteText("bad.xml", "<XMLDocument><IFile></XMLDocument>");
    XMLProducer producer(UTF16String(path), &m_options);
    bool valid = true;
    producer.QueryFile()->IsFileValid(valid);
    EXPECT_FALSE(valid);

    RecordingEventManager events;
    try {
        producer.BeginProcess(IdSet(), &m_filter, &events);
        FAIL() << "expected FileException";
    } catch (const FileException& e) {
        EXPECT_EQ(e.ErrorCode(), 0);
        EXPECT_EQ(e.FileName().ToUTF8(), path);
        EXPECT_EQ(e.Reporter(), 2);
        // The message says where the document broke.
        EXPECT_NE(e.Message().Value().find("line 1"), std::string::npos) << e.what();
    }
    // A malformed document is not an initialize failure: no event.
    EXPECT_TRUE(events.records.empty());
}

TEST_F(ProducerLifecycleTest, QueryFileAndBeginProcessShareOneParse) {
    XMLProducer producer(UTF16String(WriteEmptyDocument()), &m_options);
    bool valid = false;
    producer.QueryFile()->IsFileValid(valid);
    EXPECT_TRUE(valid);
    EXPECT_NO_THROW(producer.BeginProcess(IdSet(), &m_filter, nullptr));
    EXPECT_EQ(producer.QueryFile()->IsFileValid(valid), IsValueSpecifiedEnum::kSpecified);
}

TEST_F(ProducerLifecycleTest, AfterEndProcessNothingIsLoadedAndRootIdThrows) {
    XMLProducer producer(UTF16String(WriteEmptyDocument()), &m_options);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    producer.EndProcess();
    EXPECT_EQ(producer.Load(UTF8String("any")), nullptr);
    EXPECT_EQ(producer.LoadUniverse(), nullptr);
    EXPECT_THROW(producer.RootObjectId(), GeneralException);
    EXPECT_NO_THROW(producer.Dispose(UTF8String("any")));
}

TEST_F(ProducerLifecycleTest, JournalOperationsKeepTheFrameworkDefaults) {
    XMLProducer producer(UTF16String(WriteEmptyDocument()), &m_options);
    producer.WorkflowId(UTF8String("flow"));
    EXPECT_TRUE(producer.SerializedJournalString().IsEmpty());
    EXPECT_EQ(producer.ParseSerializedJournalString(UTF8String("x")),
              IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(ProducerLifecycleTest, OptionsCarryTheInsecureRestoreFlag) {
    XMLProducerOptions options;
    EXPECT_FALSE(options.WantRestoreInsecureVeldFiles());
    options.SetWantRestoreInsecureVeldFiles(true);
    const XMLProducerOptions copy = options;
    EXPECT_TRUE(copy.WantRestoreInsecureVeldFiles());
}

TEST_F(ProducerLifecycleTest, GlobalLocaleIsRestoredOnSuccessAndOnFailure) {
    std::locale custom(std::locale::classic(), new std::numpunct<char>());
    const std::locale previous = std::locale::global(custom);
    {
        XMLProducer good(UTF16String(WriteEmptyDocument()), &m_options);
        good.BeginProcess(IdSet(), &m_filter, nullptr);
        EXPECT_TRUE(std::locale() == custom);
        XMLProducer bad(UTF16String(WriteText("bad.xml", "<a>")), &m_options);
        EXPECT_THROW(bad.BeginProcess(IdSet(), &m_filter, nullptr), FileException);
        EXPECT_TRUE(std::locale() == custom);
    }
    std::locale::global(previous);
}

TEST_F(ProducerLifecycleTest, TwoProducersLoadOneAfterTheOther) {
    XMLProducer first(UTF16String(WriteEmptyDocument("a.xml")), &m_options);
    XMLProducer second(UTF16String(WriteEmptyDocument("b.xml")), &m_options);
    first.BeginProcess(IdSet(), &m_filter, nullptr);
    second.BeginProcess(IdSet(), &m_filter, nullptr);
    first.EndProcess();
    // The parser platform stays up for the producer still loading.
    bool valid = false;
    second.QueryFile()->IsFileValid(valid);
    EXPECT_TRUE(valid);
}

} // namespace
} // namespace Orvik::Test
