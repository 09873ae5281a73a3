#include "loader/KindTable.h"

#include "LoaderFixture.h"
#include "xml_util/XMLStrUtil.h"

#include <map>
#include <set>
#include <string>

namespace Orvik::Test {
namespace {

constexpr Place kPlaces[] = {
    Place::kTopLevel,          Place::kAssembly,       Place::kPart,         Place::kGeometricSet,
    Place::kExtensionGeometry, Place::kSketchPoints,   Place::kSketchCurves, Place::kCallout,
    Place::kCalloutElement,    Place::kAnnotationPlane};

std::string NameOf(const KindRow& row) {
    return XMLStrUtil::XMLStrToAStr(row.name).Value();
}

TEST(KindTableTest, EachNameIsOneRowFoundInExactlyThePlacesItNames) {
    std::set<std::string> names;
    for (const KindRow* row : KindTable::Rows()) {
        SCOPED_TRACE(NameOf(*row));
        EXPECT_TRUE(names.insert(NameOf(*row)).second) << "listed twice";
        EXPECT_EQ(KindTable::Find(row->name), row);
        for (const Place place : kPlaces)
            EXPECT_EQ(KindTable::Find(row->name, place), IsIn(place, row->places) ? row : nullptr);
        EXPECT_EQ(row->stopsSetIn & ~row->places, 0) << "stops a set it cannot stand in";
    }
    EXPECT_EQ(KindTable::Find(u"IMystery"), nullptr);
}

TEST(KindTableTest, OnlyTheseKindsEndTheSetTheyFailIn) {
    const std::map<Place, std::set<std::string>> stopping{
        {Place::kPart,
         {"IPoint", "IPointCloud", "IGeometricSet", "ISketch", "IExtensionGeometry",
          "IAnnotationCallout"}},
        {Place::kGeometricSet, {"IGeometricSet"}},
        {Place::kCallout, {"IAnnotationCalloutElement"}},
        {Place::kCalloutElement, {"ICurve"}}};
    for (const Place place : kPlaces) {
        std::set<std::string> actual;
        for (const KindRow* row : KindTable::Rows())
            if (IsIn(place, row->stopsSetIn))
                actual.insert(NameOf(*row));
        const auto expected = stopping.find(place);
        EXPECT_EQ(actual, expected == stopping.end() ? std::set<std::string>{} : expected->second)
            << KindTable::PlaceName(place);
    }
}

// Every container consults the table: an entry of each kind it admits, written without "ID",
// is recognised (and skipped as such) rather than passed over as unknown.
TEST_F(LoaderFixture, EveryKindIsReachedFromEachPlaceItNames) {
    const std::map<Place, std::pair<std::string, std::string>> containers{
        {Place::kAssembly, {"IAssembly", "ChildSet"}},
        {Place::kPart, {"IPart", "ChildSet"}},
        {Place::kGeometricSet, {"IGeometricSet", "ChildSet"}},
        {Place::kExtensionGeometry, {"IExtensionGeometry", "ChildSet"}},
        {Place::kSketchPoints, {"ISketch", "ChildSet"}},
        {Place::kSketchCurves, {"ISketch", "CurveSet"}},
        {Place::kCallout, {"IAnnotationCallout", "ChildSet"}},
        {Place::kCalloutElement, {"IAnnotationCalloutElement", "ChildSet"}},
        {Place::kAnnotationPlane, {"IAnnotationCallout", "AnnotationPlane"}}};
    std::map<std::string, std::string> expectedCode;
    XMLProducerImpl& producer = Load([&](Writer::XmlDocumentBuilder& b) {
        for (const auto& [place, container] : containers) {
            b.Open(container.first).Attribute("ID", std::to_string(static_cast<int>(place)));
            b.Open(container.second);
            for (const KindRow* row : KindTable::Rows()) {
                if (!IsIn(place, row->places))
                    continue;
                b.Element(NameOf(*row));
                const std::string path = "XMLDocument/" + container.first + "[@ID='" +
                                         std::to_string(static_cast<int>(place)) + "']/" +
                                         container.second + "/" + NameOf(*row);
                expectedCode[path] = row->Loaded() ? "missing-id" : "unknown-child";
            }
            b.Close();
            b.Close();
        }
        // Written after the containers, so an element named like one is numbered after them.
        std::map<std::string, int> containersNamed;
        for (const auto& entry : containers)
            ++containersNamed[entry.second.first];
        for (const KindRow* row : KindTable::Rows()) {
            if (!IsIn(Place::kTopLevel, row->places))
                continue;
            b.Element(NameOf(*row));
            const int before = containersNamed[NameOf(*row)];
            const std::string position = before ? "[" + std::to_string(before + 1) + "]" : "";
            expectedCode["XMLDocument/" + NameOf(*row) + position] = "missing-id";
        }
    });
    std::map<std::string, std::string> actualCode;
    for (const XMLLoadDiagnostic& entry : producer.Diagnostics().Entries())
        actualCode.emplace(entry.path.Value(), DiagnosticCodeName(entry.code));
    for (const auto& [path, code] : expectedCode) {
        SCOPED_TRACE(path);
        const auto found = actualCode.find(path);
        ASSERT_NE(found, actualCode.end()) << "not reached";
        EXPECT_EQ(found->second, code);
    }
}

} // namespace
} // namespace Orvik::Test
