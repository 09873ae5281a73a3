#include "LoaderFixture.h"
#include "hierarchy/XMLFile.h"

namespace Orvik::Test {
namespace {

class FileTest : public LoaderFixture {
protected:
    XMLFile& FileOf(XMLProducerImpl& context, const char* id) {
        auto* file = dynamic_cast<XMLFile*>(context.Context().Find(UTF8String(id)));
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
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "empty", nullptr);
        File(b, "root", "True", {"x", "empty", "x", "nowhere"});
        File(b, "x", nullptr);
    });
    EXPECT_EQ(FileOf(context, "empty").ChildCount(), 0u);
    EXPECT_EQ(ChildAtMessage(FileOf(context, "empty"), 0), "Invalid index to child of XMLFile.");

    const XMLFile& root = FileOf(context, "root");
    // Duplicates are kept, and an id no element has still counts.
    ASSERT_EQ(root.ChildCount(), 4u);
    EXPECT_EQ(root.ChildAt(0).Id(), UTF8String("x"));
    EXPECT_EQ(root.ChildAt(2).Id(), UTF8String("x"));
    EXPECT_TRUE(root.ChildAt(3).IsEmpty());
    EXPECT_EQ(ChildAtMessage(root, 4), "Invalid index to child of XMLFile.");
}

TEST_F(FileTest, FilesAndChildEntriesWithoutIdAreSkipped) {
    XMLProducerImpl& context = Load([](auto& b) {
        b.Open("IFile").Attribute("IsRoot", "True").Close();
        b.Open("IFile").Attribute("ID", "f");
        b.Open("ChildSet").Element("Child").Element("Child", {{"ID", "f2"}}).Close();
        b.Close();
        File(b, "f2", nullptr);
    });
    EXPECT_EQ(context.Collector()->Size(), 2u);
    EXPECT_EQ(context.Context().Registry().Files().size(), 2u);
    const XMLFile& file = FileOf(context, "f");
    ASSERT_EQ(file.ChildCount(), 1u);
    EXPECT_EQ(file.ChildAt(0).Id(), UTF8String("f2"));
}

TEST_F(FileTest, RefFilesNeedBothIdAndPath) {
    XMLProducerImpl& context = Load([](auto& b) {
        b.Open("IFile").Attribute("ID", "f").Attribute("IsRoot", "True");
        b.Open("RefFiles");
        b.Element("RefFile", {{"RefId", "r1"}, {"RefPath", "a/one.xml"}});
        b.Element("RefFile", {{"RefId", "r2"}});
        b.Element("RefFile", {{"RefPath", "b/three.xml"}});
        b.Close().Close();
    });
    const XMLFile& file = FileOf(context, "f");
    ASSERT_EQ(file.RefFileCount(), 1u);
    UTF8String id;
    UTF16String path;
    ASSERT_TRUE(file.RefFileAt(0, id, path));
    EXPECT_EQ(id, UTF8String("r1"));
    EXPECT_EQ(path, UTF16String(u"a/one.xml"));
    EXPECT_FALSE(file.RefFileAt(1, id, path));
    EXPECT_EQ(id, UTF8String("r1"));
}

TEST_F(FileTest, OptionalAttributesAnswerUnspecifiedWhenEmptyOrUnparsable) {
    XMLProducerImpl& context = Load([](auto& b) {
        b.Open("IFile").Attribute("ID", "empty").Attribute("FileFullPath", "");
        b.Attribute("LastModificationTime", "soon").Close();
        b.Open("IFile").Attribute("ID", "full").Attribute("FileFullPath", "/d/model.xml");
        b.Attribute("LastModificationTime", "2024-05-06T07:08:09Z").Close();
    });
    UTF16String path;
    Time time;
    const XMLFile& empty = FileOf(context, "empty");
    EXPECT_EQ(empty.FullPath(path), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(empty.LastModificationTime(time), IsValueSpecifiedEnum::kUnspecified);
    const XMLFile& full = FileOf(context, "full");
    EXPECT_EQ(full.FullPath(path), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(path, UTF16String(u"/d/model.xml"));
    EXPECT_EQ(full.LastModificationTime(time), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(time.ToString(), UTF8String("2024-05-06T07:08:09Z"));
}

TEST_F(FileTest, UnitSetsOnlyTheDisplayLengthUnit) {
    XMLProducerImpl& context = Load([](auto& b) {
        b.Open("IFile").Attribute("ID", "f").Attribute("IsRoot", "True");
        b.Element("Unit", {{"LengthUnit", "kUnitType_Meter"},
                           {"DisplayAngleUnit", "kUnitType_Degree"},
                           {"DisplayLengthUnit", "kUnitType_Inch"}});
        b.Close();
    });
    const XMLFile& file = FileOf(context, "f");
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_EQ(file.DisplayLengthUnit(unit), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Inch);
    EXPECT_EQ(file.LengthUnit(unit), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Unknown);
    EXPECT_EQ(file.DisplayAngleUnit(unit), IsValueSpecifiedEnum::kUnspecified);
}

} // namespace
} // namespace Orvik::Test
