#include "LoaderFixture.h"
#include "hierarchy/XMLFile.h"
#include "loader/Dispatcher.h"

#include <string>
#include <vector>

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
    EXPECT_TRUE(context.Diagnostics().Entries().empty()) << "a clean document records nothing";
}

// The last file marked root; else a lone file; else the first file whose one child is an
// assembly single under the root; else none.
TEST_F(DocumentLoaderTest, RootFileIsChosenInThisOrder) {
    struct FileRow {
        std::string id;
        const char* isRoot = nullptr;
        // "IsSingleUnderRoot" of the file's one assembly, if it has one.
        const char* singleChild = nullptr;
    };
    const std::pair<std::vector<FileRow>, const char*> cases[] = {
        {{{"b", "True"}, {"a"}}, "b"},
        {{{"r1", "True"}, {"r2", "True"}}, "r2"},
        {{{"only"}}, "only"},
        {{{"f1"}, {"f2", "False"}}, nullptr},
        {{{"f1", nullptr, "0"}, {"f2", nullptr, "1"}, {"f3", nullptr, "1"}}, "f2"},
    };
    for (const auto& [files, root] : cases) {
        SCOPED_TRACE(root ? root : "no root");
        XMLProducerImpl& context = Load([&files = files](Writer::XmlDocumentBuilder& b) {
            for (const FileRow& file : files) {
                if (!file.singleChild) {
                    File(b, file.id, file.isRoot);
                    continue;
                }
                File(b, file.id, file.isRoot, {"a-" + file.id});
                b.Element("IAssembly",
                          {{"ID", "a-" + file.id}, {"IsSingleUnderRoot", file.singleChild}});
            }
        });
        std::string actual = "none";
        try {
            actual = context.RootObjectId().Id().Value();
        } catch (const GeneralException&) { // no root: "none" stands
        }
        EXPECT_EQ(actual, root ? root : "none");
        if (root && actual == root) {
            EXPECT_TRUE(static_cast<XMLFile*>(context.Context().Find(UTF8String(root)))->IsRoot());
        }
    }
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
    const auto id = [](int i) { return "f" + std::to_string(10000 + i); };
    XMLProducerImpl& context = Load([&](auto& b) {
        for (int i = 0; i < depth; ++i)
            File(b, id(i), i == 0 ? "True" : nullptr, {id(i + 1)});
    });
    // Everything still loads, and no reference is lost: entries beyond the bound are read
    // later by the pass.
    EXPECT_EQ(context.Collector()->Size(), static_cast<std::size_t>(depth));
    for (int i = 0; i + 1 < depth; i += 97)
        EXPECT_EQ(static_cast<XMLFile*>(context.Context().Find(UTF8String(id(i))))->ChildCount(),
                  1u);
}

TEST_F(DocumentLoaderTest, ElementsOfUnknownNamesAreLeftAlone) {
    XMLProducerImpl& context = Load([](auto& b) {
        File(b, "f", "True", {"mystery", "not-registered"});
        b.Element("IMystery", {{"ID", "mystery"}});
    });
    auto* file = static_cast<XMLFile*>(context.Context().Find(UTF8String("f")));
    EXPECT_EQ(file->ChildCount(), 2u);
    EXPECT_EQ(file->ChildAt(0).Kind(), ObjectKindEnum::kUnknown) << "no object behind the id";
    EXPECT_EQ(context.Context().Registry().Find(UTF8String("mystery")), nullptr)
        << "never registered";
}

TEST_F(DocumentLoaderTest, SectionFlagsMustBeExactlyTrue) {
    for (const char* flag : {"true", "True"}) {
        XMLProducerImpl& context = Load([flag](auto& b) {
            b.Element("AnimationInfo", {{"GenerateAnimation", flag}, {"Path", "keys.anim"}});
        });
        EXPECT_EQ(context.Context().AnimationFilePath().ToUTF8(),
                  std::string(flag) == "True" ? m_dir.PathOf("keys.anim") : "")
            << flag;
    }
}

TEST_F(DocumentLoaderTest, IdPrefixRenamesFilesChildrenAndAttributeSets) {
    XMLProducerImpl& context = Load(R"(<IFile ID="root" IsRoot="True">
          <ChildSet><Child ID="other"/></ChildSet>
          <AttributeSet><MaterialSet><IMaterial ID="m1"/><IMaterial ID="m1"/></MaterialSet>
            <LightSet><ILight ID="l1" Label="Sun"/></LightSet></AttributeSet>
        </IFile><IFile ID="other"/>)",
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

} // namespace
} // namespace Orvik::Test
