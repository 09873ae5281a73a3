#include "TempDirectory.h"
#include "loader/ObjectIdMap.h"
#include "orvik/xml_producer.h"
#include "producer/XMLProducerImpl.h"

#include <gtest/gtest.h>

namespace Orvik::Test {

namespace {

TEST(ObjectIdMapTest, NewIdsCountFromOneKeepTheirNumberAndContinueAcrossPrefixes) {
    ObjectIdMap ids;
    EXPECT_FALSE(ids.Active());
    EXPECT_EQ(ids.Map(UTF8String("a")), UTF8String("a")) << "no prefix: ids stay as they are";

    ids.SetPrefix(UTF8String("P"));
    EXPECT_EQ(ids.Map(UTF8String("first")), UTF8String("P1"));
    EXPECT_EQ(ids.Map(UTF8String("second")), UTF8String("P2"));
    EXPECT_EQ(ids.Map(UTF8String("first")), UTF8String("P1"));
    EXPECT_EQ(ids.Map(UTF8String("P1")), UTF8String("P3")) << "a new id is no key";
    UTF8String found;
    EXPECT_FALSE(ids.Find(UTF8String("unmet"), found)) << "finding gives no new id";
    EXPECT_TRUE(found.IsEmpty());

    ids.SetPrefix(UTF8String("Q"));
    EXPECT_EQ(ids.Map(UTF8String("first")), UTF8String("Q4")) << "the map starts anew";
}

TEST(SubdivisionSelectionTest, MarkerIdSwitchesSubdivisionMeshesOnlyWhenTheFilterWantsThem) {
    TestSupport::TempDirectory dir;
    const std::string path = dir.Write("doc.xml", "<XMLDocument/>");
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
