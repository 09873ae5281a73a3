#include "RecordingEventManager.h"
#include "TempDirectory.h"
#include "orvik/xml_producer.h"

#include <gtest/gtest.h>
#include <locale>

namespace Orvik::Test {
namespace {

class ProducerLifecycleTest : public ::testing::Test {
protected:
    std::string EmptyDocument(const std::string& name = "doc.xml") {
        return m_dir.Write(name, "<XMLDocument/>");
    }

    TestSupport::TempDirectory m_dir;
    XMLProducerOptions m_options;
    FilterOptions m_filter;
};

TEST_F(ProducerLifecycleTest, EmptyDocumentHasNoUniverseNoRootAndNothingAfterEndProcess) {
    XMLProducer producer(UTF16String(EmptyDocument()), &m_options);
    EXPECT_EQ(producer.LoadUniverse(), nullptr);
    producer.BeginProcess(IdSet(), &m_filter, nullptr);
    EXPECT_EQ(producer.LoadUniverse(), nullptr);
    EXPECT_EQ(producer.WorkdataForAnalytics(), nullptr);
    try {
        producer.RootObjectId();
        FAIL() << "expected GeneralException";
    } catch (const GeneralException& e) {
        EXPECT_STREQ(e.what(), "Could not find the root object id.");
        EXPECT_EQ(e.Reporter(), 2);
    }
    producer.EndProcess();
    EXPECT_EQ(producer.Load(UTF8String("any")), nullptr);
    EXPECT_EQ(producer.LoadUniverse(), nullptr);
    EXPECT_THROW(producer.RootObjectId(), GeneralException);
    EXPECT_NO_THROW(producer.Dispose(UTF8String("any")));
}

// A malformed document is not an initialize failure: no event, and a message with the place.
TEST_F(ProducerLifecycleTest, MalformedDocumentFailsBeginProcessWithFileException) {
    const std::string path = m_dir.Write("bad.xml", "<XMLDocument><IFile></XMLDocument>");
    XMLProducer producer(UTF16String(path), &m_options);
    RecordingEventManager events;
    try {
        producer.BeginProcess(IdSet(), &m_filter, &events);
        FAIL() << "expected FileException";
    } catch (const FileException& e) {
        EXPECT_EQ(e.ErrorCode(), 0);
        EXPECT_EQ(e.FileName().ToUTF8(), path);
        EXPECT_EQ(e.Reporter(), 2);
        EXPECT_NE(e.Message().Value().find("line 1"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(events.records.empty());
}

TEST_F(ProducerLifecycleTest, GlobalLocaleIsRestoredOnSuccessAndOnFailure) {
    std::locale custom(std::locale::classic(), new std::numpunct<char>());
    const std::locale previous = std::locale::global(custom);
    {
        XMLProducer good(UTF16String(EmptyDocument()), &m_options);
        good.BeginProcess(IdSet(), &m_filter, nullptr);
        EXPECT_TRUE(std::locale() == custom);
        XMLProducer bad(UTF16String(m_dir.Write("bad.xml", "<a>")), &m_options);
        EXPECT_THROW(bad.BeginProcess(IdSet(), &m_filter, nullptr), FileException);
        EXPECT_TRUE(std::locale() == custom);
    }
    std::locale::global(previous);
}

TEST_F(ProducerLifecycleTest, TwoProducersLoadOneAfterTheOther) {
    XMLProducer first(UTF16String(EmptyDocument("a.xml")), &m_options);
    XMLProducer second(UTF16String(EmptyDocument("b.xml")), &m_options);
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
