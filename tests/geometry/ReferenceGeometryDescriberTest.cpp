#include "LoaderFixture.h"
#include "ObjectDescriber.h"

#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

using Builder = Writer::XmlDocumentBuilder;
using Inspect::JsonValue;

class ReferenceGeometryDescriberTest : public LoaderFixture {};

const JsonValue& Field(const JsonValue& object, const char* name) {
    const JsonValue* found = object.Find(name);
    EXPECT_NE(found, nullptr) << name;
    static const JsonValue kMissing;
    return found ? *found : kMissing;
}

void ExpectXyz(const JsonValue& value, double x, double y, double z) {
    EXPECT_EQ(Field(value, "x").AsNumber(), x);
    EXPECT_EQ(Field(value, "y").AsNumber(), y);
    EXPECT_EQ(Field(value, "z").AsNumber(), z);
}

TEST_F(ReferenceGeometryDescriberTest, EveryKindShowsItsQueries) {
    Load([](Builder& b) {
        File(b, "f1", "True");
        b.Open("IPoint").Attribute("ID", "pt").Attribute("Visibility", "0");
        b.Element("Point", {{"X", "1"}, {"Y", "2"}, {"Z", "3"}});
        b.Open("Styles").Element("StyleRef", {{"ID", "red"}}).Close();
        b.Close();
        b.Open("IPointCloud").Attribute("ID", "pc");
        b.Element("PointCloud", {{"PointCloudCoordinates", "1 2 3 4 5 6 7"}});
        b.Close();
        b.Open("IWorkPlane").Attribute("ID", "wpl");
        b.Element("Normal", {{"X", "0"}, {"Y", "0"}, {"Z", "1"}});
        b.Open("DisplayRange").Element("MaxPoint", {{"X", "5"}, {"Y", "5"}, {"Z", "0"}}).Close();
        b.Close();
        b.Open("IWorkAxis").Attribute("ID", "wa");
        b.Element("EndPoint", {{"X", "0"}, {"Y", "0"}, {"Z", "9"}});
        b.Close();
        b.Open("IWorkPoint").Attribute("ID", "wpt");
        b.Element("WorkPoint", {{"X", "7"}, {"Y", "8"}, {"Z", "9"}});
        b.Close();
    });
    Inspect::ObjectDescriber describer;
    const JsonValue point = describer.Describe(*m_context->FindObject(UTF8String("pt")));
    EXPECT_EQ(Field(point, "interface").AsString(), "IPoint");
    ExpectXyz(Field(point, "Position"), 1, 2, 3);
    EXPECT_FALSE(Field(point, "IsVisible").AsBool());
    EXPECT_EQ(Field(point, "LinearTolerance").AsNumber(), -1.0);
    EXPECT_EQ(describer.ReferencedIds(), std::vector<UTF8String>{UTF8String("red")});

    const JsonValue cloud = describer.Describe(*m_context->FindObject(UTF8String("pc")));
    EXPECT_EQ(Field(cloud, "PointCount").AsNumber(), 2.0);
    ASSERT_EQ(Field(cloud, "PointAt").Items().size(), 2u);
    ExpectXyz(Field(cloud, "PointAt").Items()[1], 4, 5, 6);

    const JsonValue plane = describer.Describe(*m_context->FindObject(UTF8String("wpl")));
    EXPECT_EQ(Field(plane, "interface").AsString(), "IWorkPlane");
    ExpectXyz(Field(plane, "Normal"), 0, 0, 1);
    EXPECT_EQ(plane.Find("ReferenceDirection"), nullptr);
    ExpectXyz(Field(Field(plane, "DisplayRange"), "min"), 0, 0, 0);
    ExpectXyz(Field(Field(plane, "DisplayRange"), "max"), 5, 5, 0);

    const JsonValue axis = describer.Describe(*m_context->FindObject(UTF8String("wa")));
    ExpectXyz(Field(axis, "EndPoint"), 0, 0, 9);
    ExpectXyz(Field(axis, "StartPoint"), 0, 0, 0);
    const JsonValue workPoint = describer.Describe(*m_context->FindObject(UTF8String("wpt")));
    EXPECT_EQ(Field(workPoint, "interface").AsString(), "IWorkPoint");
    ExpectXyz(Field(workPoint, "Point"), 7, 8, 9);
}

} // namespace
} // namespace Orvik::Test
