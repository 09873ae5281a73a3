// Every side-file reader: the first byte chooses the format (its index in kSideFiles, which
// fuzz/make_seeds.py follows), the rest is the file, and a fixed document names it so the reader
// runs inside a real load.
#include "FuzzHarness.h"

#include <array>

namespace {

struct SideFile {
    const char* name;
    const char* section;
};

constexpr std::array<SideFile, 11> kSideFiles{{
    {"bodies.sat", R"(<SatInfo Path="bodies.sat"/>)"},
    {"bodies.sab", R"(<SatInfo Path="bodies.sab"/>)"},
    {"stream.bin", R"(<MeshInfo GenerateMesh="True" Path="stream.bin"/>)"},
    {"legacy.bin", R"(<GeometryInfo GenerateGeometry="True" Path="legacy.bin"/>)"},
    {"segments.bin", R"(<MeshSegmentInfo GenerateMeshSegment="True" Path="segments.bin"/>)"},
    {"subdiv.bin", R"(<SubdivMeshInfo GenerateSubdivMesh="True" Path="subdiv.bin"/>)"},
    {"document.props", R"(<PropertyInfo Path="document.props"/>)"},
    {"animations.bin", R"(<AnimationInfo GenerateAnimation="True" Path="animations.bin"/>)"},
    {"render-assets.bin",
     R"(<AmbrelMaterialInfo GenerateSerializedAmbrel="True" Path="render-assets.bin"/>)"},
    {"persistent-ids.bin",
     R"(<SubObjectPersistentIdInfo GenerateSubObjectPersistentId="True" Path="persistent-ids.bin"/>)"},
    {"blob.bin", R"(<IUniverse><CustomData><CustomDataItem Type="8" Key="k" Path="blob.bin" )"
                 R"(BlobBufferSize="64"/></CustomData></IUniverse>)"},
}};

std::string Document(const SideFile& side) {
    return std::string("<XMLDocument>") + side.section +
           R"(<IFile ID="f" IsRoot="True"><ChildSet><Child ID="p"/></ChildSet></IFile>)"
           R"(<IPart ID="p"><ChildSet><IBrep ID="b"/><IPolygonMesh ID="m"/><ICurve ID="c"/>)"
           R"(</ChildSet></IPart></XMLDocument>)";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Orvik::Fuzz::FuzzHarness harness;
    if (size == 0)
        return 0;
    const SideFile& side = kSideFiles[data[0] % kSideFiles.size()];
    harness.WriteFile(side.name, data + 1, size - 1);
    harness.WriteFile("document.xml", Document(side));
    harness.Load("document.xml");
    return 0;
}
