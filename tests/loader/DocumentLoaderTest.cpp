#include "LoaderFixture.h"
#include "hierarchy/XMLFile.h"
#include "loader/Dispatcher.h"

#include <locale>

namespace Orvik::Test {
namespace {

std::vector<std::string> FileIds(XMLProducerImpl& context) {
    std::vector<std::string> ids;
    for (const XMLFile* file : context.Context().Registry().Files())
        ids.push_back(file->Id().Value());
    return ids;
}

using DocumentLoaderTest = LoaderFixture;

TEST_F(DocumentLoaderTest, EntitiesBecomeObjectsInAscendingIdOrderWhateverTheDocumentOrder) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "b", "True");
        File(b, "a", nullptr);
        File(b, "c", nullptr);
    });
    EXPECT_EQ(FileIds(context), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(context.RootObjectId().Id(), UTF8String("b"));
}

TEST_F(DocumentLoaderTest, ASingleUnmarkedFileBecomesTheRoot) {
    XMLProducerImpl& context = Load([](auto& b) { File(b, "only", nullptr); });
    EXPECT_EQ(context.RootObjectId().Id(), UTF8String("only"));
    EXPECT_TRUE(static_cast<XMLFile*>(context.Context().Find(UTF8String("only")))->IsRoot());
}

TEST_F(DocumentLoaderTest, SeveralUnmarkedFilesWithoutSingleComponentsGiveNoRoot) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "f1", nullptr);
        File(b, "f2", "False");
    });
    EXPECT_THROW(context.RootObjectId(), GeneralException);
}

TEST_F(DocumentLoaderTest, TheLastFileMarkedRootIsTheRoot) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "r1", "True");
        File(b, "r2", "True");
    });
    EXPECT_EQ(context.RootObjectId().Id(), UTF8String("r2"));
}

TEST_F(DocumentLoaderTest, ChildReachedByIdIsCreatedOnceWhileItsParentIsRead) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "a-parent", "True", {"z-child"});
        File(b, "z-child", nullptr);
    });
    // The child was created while its parent read its child set, before the parent itself.
    EXPECT_EQ(FileIds(context), (std::vector<std::string>{"z-child", "a-parent"}));
    EXPECT_EQ(context.Collector()->Size(), 2u);
    auto* parent = static_cast<XMLFile*>(context.Context().Find(UTF8String("a-parent")));
    ASSERT_EQ(parent->ChildCount(), 1u);
    EXPECT_EQ(parent->ChildAt(0).Id(), UTF8String("z-child"));
    EXPECT_EQ(parent->ChildAt(0).Kind(), ObjectKindEnum::kFile);
}

TEST_F(DocumentLoaderTest, ReferenceCyclesEndInsteadOfRecursing) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "a", "True", {"b"});
        File(b, "b", nullptr, {"a"});
        File(b, "self", nullptr, {"self"});
    });
    EXPECT_EQ(context.Collector()->Size(), 3u);
    // "b" could not take "a" while "a" was being read: the cycle is cut there.
    EXPECT_EQ(static_cast<XMLFile*>(context.Context().Find(UTF8String("b")))->ChildCount(), 0u);
    EXPECT_EQ(static_cast<XMLFile*>(context.Context().Find(UTF8String("a")))->ChildCount(), 1u);
}

TEST_F(DocumentLoaderTest, DeepChainsOfReferencesAreBoundedNotFatal) {
    const int depth = 2000;
    XMLProducerImpl& context = Load([&](auto& b) {
        for (int i = 0; i < depth; ++i) {
            char id[16];
            char next[16];
            std::snprintf(id, sizeof id, "f%05d", i);
            std::snprintf(next, sizeof next, "f%05d", i + 1);
            File(b, id, i == 0 ? "True" : nullptr, {next});
        }
    });
    // Everything still loads, and no reference is lost: entries beyond the bound are read
    // later by the pass.
    EXPECT_EQ(context.Collector()->Size(), static_cast<std::size_t>(depth));
    for (int i = 0; i + 1 < depth; i += 97) {
        char id[16];
        std::snprintf(id, sizeof id, "f%05d", i);
        EXPECT_EQ(static_cast<XMLFile*>(context.Context().Find(UTF8String(id)))->ChildCount(), 1u);
    }
}

TEST_F(DocumentLoaderTest, ElementsOfKindsWithoutReadersAndUnknownNamesAreLeftAlone) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "f", "True", {"unknown-kind", "not-registered"});
        b.Element("IAnnotationCallout", {{"ID", "unknown-kind"}});
        b.Element("IMystery", {{"ID", "mystery"}});
    });
    auto* file = static_cast<XMLFile*>(context.Context().Find(UTF8String("f")));
    EXPECT_EQ(file->ChildCount(), 2u);
    EXPECT_EQ(file->ChildAt(0).Kind(), ObjectKindEnum::kUnknown) << "no object behind the id";
    EXPECT_EQ(context.Context().Registry().Find(UTF8String("mystery")), nullptr)
        << "never registered";
    ASSERT_NE(context.Context().Registry().Find(UTF8String("unknown-kind")), nullptr);
    EXPECT_EQ(context.Context().Registry().Find(UTF8String("unknown-kind"))->state,
              ElementRegistry::State::kPending);
}

TEST_F(DocumentLoaderTest, SectionFlagsMustBeExactlyTrue) {
    XMLProducerImpl& context = Load([](auto& b) {
        b.Element("AnimationInfo", {{"GenerateAnimation", "true"}, {"Path", "lower.anim"}});
    });
    EXPECT_TRUE(context.Context().AnimationFilePath().IsEmpty());
    XMLProducerImpl& second = Load([](auto& b) {
        b.Element("AnimationInfo", {{"GenerateAnimation", "True"}, {"Path", "keys.anim"}});
    });
    EXPECT_EQ(second.Context().AnimationFilePath().ToUTF8(), m_dir.PathOf("keys.anim"));
}

TEST_F(DocumentLoaderTest, IdPrefixRenamesFilesChildrenAndAttributeSets) {
    XMLProducerImpl& context = Load(
        [](auto& b) {
            b.Open("IFile").Attribute("ID", "root").Attribute("IsRoot", "True");
            b.Open("ChildSet").Element("Child", {{"ID", "other"}}).Close();
            b.Open("AttributeSet");
            b.Open("MaterialSet")
                .Element("IMaterial", {{"ID", "m1"}})
                .Element("IMaterial", {{"ID", "m1"}})
                .Close();
            b.Open("LightSet").Element("ILight", {{"ID", "l1"}, {"Label", "Sun"}}).Close();
            b.Close();
            b.Close();
            File(b, "other", nullptr);
        },
        "P");
    // "other" sorts first, so it is met first and numbered first.
    const UTF8String rootId = context.RootObjectId().Id();
    EXPECT_EQ(rootId, UTF8String("P2"));
    auto* root = static_cast<XMLFile*>(context.Context().Find(rootId));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->ChildAt(0).Id(), UTF8String("P1"));
    EXPECT_EQ(root->MaterialSet(), (IdSet{UTF8String("P3")}));
    EXPECT_EQ(root->LightSet(), (IdSet{UTF8String("P4")}));
}

TEST_F(DocumentLoaderTest, GlobalLocaleIsClassicWhileLoadingAndRestoredAfter) {
    const std::locale custom(std::locale::classic(), new std::numpunct<char>());
    const std::locale previous = std::locale::global(custom);
    Load([](auto& b) { File(b, "f", "True"); });
    EXPECT_TRUE(std::locale() == custom);
    std::locale::global(previous);
}

} // namespace
} // namespace Orvik::Test
