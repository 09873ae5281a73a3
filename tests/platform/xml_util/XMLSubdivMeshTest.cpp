#include "xml_util/XMLSubdivMesh.h"

#include "orvik/api/IObjectVisitor.h"
#include "orvik/api/ObjectKind.h"
#include "orvik/writer/LittleEndianBytes.h"

#include <gtest/gtest.h>
#include <sstream>

namespace Orvik {
namespace {

using Writer::LittleEndianBytes;

std::unique_ptr<XMLSubdivMesh> MakeSubdiv() {
    auto cage = std::make_unique<XMLPolygonMesh>(UTF8String("s1"));
    cage->SetLabel(UTF16String(u"cage"));
    return std::make_unique<XMLSubdivMesh>(std::move(cage));
}

bool ReadCreases(XMLSubdivMesh& mesh, const std::string& bytes) {
    std::istringstream in(bytes, std::ios::binary);
    return mesh.ReadCreaseData(in, false);
}

TEST(XMLSubdivMeshTest, CreasesReadWholeOrNotAtAll) {
    auto mesh = MakeSubdiv();
    // Count, then per crease two u64 vertex indices and a double sharpness.
    const std::string two =
        LittleEndianBytes().U64(2).U64(0).U64(1).Double(2.5).U64(1).U64(2).Double(0.5).Bytes();
    ASSERT_EQ(two.size(), 8u + 2 * 24);
    for (std::size_t size = 0; size < two.size(); ++size)
        EXPECT_FALSE(ReadCreases(*mesh, two.substr(0, size))) << size;
    EXPECT_FALSE(ReadCreases(*mesh, LittleEndianBytes().U64(std::uint64_t{1} << 60).Bytes()));
    EXPECT_TRUE(mesh->Creases().empty());

    ASSERT_TRUE(ReadCreases(*mesh, two));
    ASSERT_EQ(mesh->Creases().size(), 2u);
    EXPECT_EQ(mesh->Creases()[1].From(), 1u);
    EXPECT_EQ(mesh->Creases()[1].To(), 2u);
    EXPECT_EQ(mesh->Creases()[0].Sharpness(), 2.5);
    EXPECT_FALSE(ReadCreases(*mesh, two.substr(0, 40)));
    EXPECT_EQ(mesh->Creases().size(), 2u) << "a failed read keeps the creases held";
}

TEST(XMLSubdivMeshTest, IdentityStaysOnWrapperWhileGeometryComesFromCage) {
    auto mesh = MakeSubdiv();
    mesh->SetId(UTF8String("renamed"));
    mesh->SetObjectLabel(UTF16String(u"outer"));
    mesh->Cage().SetGeometry({Position(1, 2, 3)}, {}, {}, {});
    EXPECT_EQ(mesh->Id(), UTF8String("renamed"));
    EXPECT_EQ(mesh->Label(), UTF16String(u"outer"));
    EXPECT_EQ(mesh->Vertices().at(0), Position(1, 2, 3));
    EXPECT_EQ(KindOf(mesh.get()), ObjectKindEnum::kSubdivMesh);
    EXPECT_EQ(KindOf(&mesh->Cage()), ObjectKindEnum::kPolygonMesh);
}

} // namespace
} // namespace Orvik
