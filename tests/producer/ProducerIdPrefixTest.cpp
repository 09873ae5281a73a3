#include "TempDirectory.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <gtest/gtest.h>

namespace Orvik::Test {

using TestSupport::TempDirectory;
namespace {

class ProducerIdPrefixTest : public ::testing::Test {
protected:
    UTF8String Map(const char* id) {
        UTF8String mapped;
        EXPECT_TRUE(m_context.MapObjectId(UTF8String(id), mapped));
        return mapped;
    }

    XMLProducerOptions m_options;
    XMLProducerImpl m_context{UTF16String("unused.xml"), &m_options};
};

TEST_F(ProducerIdPrefixTest, WithoutPrefixIdsStayAsTheyAre) {
    UTF8String mapped("untouched");
    EXPECT_FALSE(m_context.HasIdPrefix());
    EXPECT_FALSE(m_context.MapObjectId(UTF8String("a"), mapped));
    EXPECT_EQ(mapped, UTF8String("untouched"));
}

TEST_F(ProducerIdPrefixTest, NewIdsCountFromOneAndRepeatKeepTheirNumber) {
    m_context.SetNewObjectIdPrefix(UTF8String("P"));
    EXPECT_TRUE(m_context.HasIdPrefix());
    EXPECT_EQ(Map("first"), UTF8String("P1"));
    EXPECT_EQ(Map("second"), UTF8String("P2"));
    EXPECT_EQ(Map("first"), UTF8String("P1"));
    EXPECT_EQ(Map("third"), UTF8String("P3"));
}

TEST_F(ProducerIdPrefixTest, MappingInPlaceKeepsTheMapRight) {
    m_context.SetNewObjectIdPrefix(UTF8String("P"));
    UTF8String id("original");
    EXPECT_TRUE(m_context.MapObjectId(id, id));
    EXPECT_EQ(id, UTF8String("P1"));
    EXPECT_EQ(Map("original"), UTF8String("P1"));
    EXPECT_EQ(Map("P1"), UTF8String("P2")) << "the new id was not stored as a key";
}

TEST_F(ProducerIdPrefixTest, NewPrefixStartsAnEmptyMapButContinuesTheNumbering) {
    m_context.SetNewObjectIdPrefix(UTF8String("P"));
    EXPECT_EQ(Map("a"), UTF8String("P1"));
    m_context.SetNewObjectIdPrefix(UTF8String("Q"));
    EXPECT_EQ(Map("a"), UTF8String("Q2"));
    EXPECT_EQ(Map("b"), UTF8String("Q3"));
}

class NamedObject : public IObject {
public:
    explicit NamedObject(const char* id)
        : m_id(id) {}
    UTF8String Id() const override { return m_id; }
    UTF16String Label() const override { return UTF16String(); }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String&,
                                               ExtensionDataContent&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum Properties(std::vector<Property>&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    const IDomainData* DomainData() const override { return nullptr; }

private:
    UTF8String m_id;
};

TEST_F(ProducerIdPrefixTest, ResolveFollowsTheMapAndAsksTheCollector) {
    UTF8String finalId;
    m_context.Collector()->AddObject(std::make_unique<NamedObject>("plain"));
    EXPECT_TRUE(m_context.ResolveObjectId(UTF8String("plain"), finalId));
    EXPECT_EQ(finalId, UTF8String("plain"));
    EXPECT_FALSE(m_context.ResolveObjectId(UTF8String("absent"), finalId));
    EXPECT_EQ(finalId, UTF8String("absent"));

    m_context.SetNewObjectIdPrefix(UTF8String("P"));
    EXPECT_FALSE(m_context.ResolveObjectId(UTF8String("late"), finalId)) << "not met yet";
    const UTF8String mapped = Map("late");
    EXPECT_FALSE(m_context.ResolveObjectId(UTF8String("late"), finalId)) << "no object yet";
    EXPECT_EQ(finalId, mapped);
    m_context.Collector()->AddObject(std::make_unique<NamedObject>(mapped.CStr()));
    EXPECT_TRUE(m_context.ResolveObjectId(UTF8String("late"), finalId));
    EXPECT_EQ(m_context.FindObject(finalId)->Id(), mapped);
}

TEST(SubdivisionSelectionTest, MarkerIdSwitchesSubdivisionMeshesOnlyWhenTheFilterWantsThem) {
    TempDirectory dir;
    Writer::XmlDocumentBuilder builder;
    builder.Open("XMLDocument").Close();
    const std::string path = dir.PathOf("doc.xml");
    builder.WriteTo(path);

    XMLProducerOptions options;
    const IdSet withMarker{UTF8String("x"), UTF8String("0C46B962-76AE-431F-AA0C-5F2398F534CE")};
    const IdSet withoutMarker{UTF8String("x")};
    FilterOptions wants;
    wants.SetWantSubdivMesh(true);
    const FilterOptions declines;

    struct Case {
        const IdSet& ids;
        const FilterOptions* filter;
        bool expected;
    };
    for (const Case& c : {Case{withMarker, &wants, true}, Case{withMarker, &declines, false},
                          Case{withoutMarker, &wants, false}, Case{withMarker, nullptr, false}}) {
        XMLProducerImpl context(UTF16String(path), &options);
        context.BeginProcess(c.ids, c.filter, nullptr);
        EXPECT_EQ(context.WantSubdivMeshes(), c.expected);
    }
}

} // namespace
} // namespace Orvik::Test
