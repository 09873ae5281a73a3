#include "LoaderFixture.h"
#include "hierarchy/XMLFile.h"

namespace Orvik::Test {
namespace {

class FileTest : public LoaderFixture {
protected:
    XMLFile& FileOf(const char* id) {
        auto* file = dynamic_cast<XMLFile*>(m_context->Context().Find(UTF8String(id)));
        EXPECT_NE(file, nullptr) << id;
        return *file;
    }

    static std::string ChildAtMessage(const IFile& file, std::uint64_t index) {
        try {
            file.ChildAt(index);
        } catch (const GeneralException& e) {
            return e.Message().Value();
        }
        return "no exception";
    }
};

TEST_F(FileTest, ChildAtAnswersListedChildrenAndRefusesIndicesFromTheCountOn) {
    Load([](auto& b) {
        File(b, "empty", nullptr);
        File(b, "root", "True", {"x", "empty", "x", "nowhere"});
        File(b, "x", nullptr);
    });
    EXPECT_EQ(FileOf("empty").ChildCount(), 0u);
    EXPECT_EQ(ChildAtMessage(FileOf("empty"), 0), "Invalid index to child of XMLFile.");

    const XMLFile& root = FileOf("root");
    // Duplicates are kept, and an id no element has still counts.
    ASSERT_EQ(root.ChildCount(), 4u);
    EXPECT_EQ(root.ChildAt(0).Id(), UTF8String("x"));
    EXPECT_EQ(root.ChildAt(2).Id(), UTF8String("x"));
    EXPECT_TRUE(root.ChildAt(3).IsEmpty());
    EXPECT_EQ(ChildAtMessage(root, 4), "Invalid index to child of XMLFile.");
}

TEST_F(FileTest, FilesAndChildEntriesWithoutIdAreSkipped) {
    Load(R"(<IFile IsRoot="True"/><IFile ID="f"><ChildSet><Child/><Child ID="f2"/></ChildSet>
        </IFile><IFile ID="f2"/>)");
    EXPECT_EQ(m_context->Collector()->Size(), 2u);
    EXPECT_EQ(m_context->Context().Registry().Files().size(), 2u);
    const XMLFile& file = FileOf("f");
    ASSERT_EQ(file.ChildCount(), 1u);
    EXPECT_EQ(file.ChildAt(0).Id(), UTF8String("f2"));
}

// Reference files need both id and path; the unit element sets only the display length unit;
// empty or unparsable attributes answer unspecified.
TEST_F(FileTest, OwnAttributesAndElements) {
    Load(
        R"(<IFile ID="full" FileFullPath="/d/model.xml" LastModificationTime="2024-05-06T07:08:09Z">
          <RefFiles><RefFile RefId="r1" RefPath="a/one.xml"/><RefFile RefId="r2"/>
            <RefFile RefPath="b/three.xml"/></RefFiles>
          <Unit LengthUnit="kUnitType_Meter" DisplayAngleUnit="kUnitType_Degree"
            DisplayLengthUnit="kUnitType_Inch"/></IFile>
        <IFile ID="empty" FileFullPath="" LastModificationTime="soon"/>)");
    const XMLFile& full = FileOf("full");
    ASSERT_EQ(full.RefFileCount(), 1u);
    UTF8String id;
    UTF16String path;
    ASSERT_TRUE(full.RefFileAt(0, id, path));
    EXPECT_EQ(id, UTF8String("r1"));
    EXPECT_EQ(path, UTF16String(u"a/one.xml"));
    EXPECT_FALSE(full.RefFileAt(1, id, path));
    EXPECT_EQ(id, UTF8String("r1"));

    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_EQ(full.DisplayLengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Inch);
    EXPECT_EQ(full.LengthUnit(unit), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(full.DisplayAngleUnit(unit), IsValueSpecifiedEnum::kUnspecified);

    Time time;
    EXPECT_EQ(full.FullPath(path), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(path, UTF16String(u"/d/model.xml"));
    EXPECT_EQ(full.LastModificationTime(time), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(time.ToString(), UTF8String("2024-05-06T07:08:09Z"));
    const XMLFile& empty = FileOf("empty");
    EXPECT_EQ(empty.FullPath(path), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(empty.LastModificationTime(time), IsValueSpecifiedEnum::kUnspecified);
}

} // namespace
} // namespace Orvik::Test
