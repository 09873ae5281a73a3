#include "loader/ElementReaders.h"

#include "DomParser.h"
#include "IdLists.h"
#include "PlainObject.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "producer/XMLProducerImpl.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLObject.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using TestSupport::Ids;
using TestSupport::PlainObject;
using xercesc::DOMElement;
using Strings = std::vector<std::string>;

constexpr XMLChName kMaterials{"Materials"};
constexpr XMLChName kAnimations{"Animations"};

IdSet Path(const char16_t* text) {
    return ElementReaders::ParseOccurrencePath(UTF16String(text));
}

class ElementReadersTest : public TestSupport::XercesTest {
protected:
    XMLProducerOptions m_options;
    XMLProducerImpl m_context{UTF16String("unused.xml"), &m_options};
};

TEST(OccurrencePathTest, BracketedIdsOnceEachAndOnlyWhatMalformedTextHolds) {
    for (const char16_t* text : {u"", u"[", u"]", u"[a", u"a]", u"]]", u"[]", u"[][]", u"]]]]"})
        EXPECT_TRUE(Path(text).IsEmpty()) << UTF16String(text).ToUTF8();
    const std::pair<const char16_t*, Strings> cases[] = {{u"[a][b][a]", {"a", "b"}},
                                                         {u"[12][345]", {"12", "345"}},
                                                         {u"[a]tail", {"a"}},
                                                         {u"[a][b", {"a"}},
                                                         {u"[a]]b]", {"a", "b"}}};
    for (const auto& [text, ids] : cases)
        EXPECT_EQ(Ids(Path(text)), ids) << UTF16String(text).ToUTF8();
}

TEST(OccurrencePathTest, LongPathIsReadInOnePass) {
    std::u16string text;
    constexpr int kCount = 200000;
    for (int i = 0; i < kCount; ++i)
        text += u"[" + UTF16String(std::to_string(i)).Value() + u"]";
    const IdSet ids = ElementReaders::ParseOccurrencePath(UTF16String(text));
    ASSERT_EQ(ids.Size(), static_cast<std::size_t>(kCount));
    EXPECT_EQ(ids.At(kCount - 1), UTF8String(std::to_string(kCount - 1)));
}

TEST(VisibilityValueTest, OnlyTheExactOneIsVisible) {
    EXPECT_TRUE(ElementReaders::IsVisibleValue(UTF16String(u"1")));
    for (const char16_t* text : {u"", u"true", u"True", u"01", u"1 ", u"0"})
        EXPECT_FALSE(ElementReaders::IsVisibleValue(UTF16String(text)));
}

// An own id and a reference met first share one numbering under a prefix.
TEST_F(ElementReadersTest, IdsAreMappedOnlyUnderPrefixAndReferencesShareTheNewIds) {
    ReadContext& context = m_context.Context();
    const DOMElement* element = Parse(R"(<IPart ID="7"/>)");
    EXPECT_EQ(context.OwnId(*element), UTF8String("7"));
    EXPECT_TRUE(context.OwnId(*Parse("<IPart/>")).IsEmpty());

    m_context.SetNewObjectIdPrefix(UTF8String("P"));
    EXPECT_EQ(context.OwnId(*element), UTF8String("P1"));
    EXPECT_EQ(context.OwnId(*element), UTF8String("P1"));
    IdSet styles;
    EXPECT_TRUE(ElementReaders::ReadStyleRefs(
        &context, Parse(R"(<Styles><StyleRef ID="later"/><StyleRef ID="7"/></Styles>)"), styles));
    EXPECT_EQ(Ids(styles), (Strings{"P2", "P1"}));
    EXPECT_EQ(context.OwnId(*Parse(R"(<IRenderStyle ID="later"/>)")), UTF8String("P2"));
}

TEST_F(ElementReadersTest, ChangeKeyIsTheWholeTextOfAChangeKeyElement) {
    UTF16String key(u"before");
    EXPECT_TRUE(ElementReaders::ReadChangeKey(Parse("<ChangeKey> k<b>1</b>2 </ChangeKey>"), key));
    EXPECT_EQ(key, UTF16String(u" k12 "));

    key = UTF16String(u"before");
    EXPECT_FALSE(ElementReaders::ReadChangeKey(Parse("<Changekey>x</Changekey>"), key));
    EXPECT_FALSE(ElementReaders::ReadChangeKey(nullptr, key));
    EXPECT_EQ(key, UTF16String(u"before"));
}

TEST_F(ElementReadersTest, UnitAnswersTheDisplayLengthConversion) {
    UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
    UnitTypeEnum angle = UnitTypeEnum::kUnitType_Radian;
    UnitTypeEnum display = UnitTypeEnum::kUnitType_Unknown;
    EXPECT_TRUE(ElementReaders::ReadUnit(
        Parse(R"(<Unit LengthUnit="Meter" DisplayLengthUnit="kUnitType_Inch"/>)"), length, angle,
        display));
    EXPECT_EQ(length, UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(angle, UnitTypeEnum::kUnitType_Radian) << "absent display angle unit keeps target";
    EXPECT_EQ(display, UnitTypeEnum::kUnitType_Inch);

    EXPECT_FALSE(ElementReaders::ReadUnit(
        Parse(R"(<Unit LengthUnit="Furlong" DisplayAngleUnit="Degree" DisplayLengthUnit="?"/>)"),
        length, angle, display));
    EXPECT_EQ(length, UnitTypeEnum::kUnitType_Meter);
    EXPECT_EQ(angle, UnitTypeEnum::kUnitType_Degree);
    EXPECT_EQ(display, UnitTypeEnum::kUnitType_Inch);

    EXPECT_FALSE(ElementReaders::ReadUnit(Parse(R"(<Units DisplayLengthUnit="Foot"/>)"), length,
                                          angle, display));
    EXPECT_FALSE(ElementReaders::ReadUnit(nullptr, length, angle, display));
    EXPECT_EQ(display, UnitTypeEnum::kUnitType_Inch);
}

TEST_F(ElementReadersTest, ToleranceStopsAtTheFirstBadValue) {
    const struct {
        const char* xml;
        bool read;
        double angular, linear, parametric;
    } cases[] = {
        {R"(<Tolerance AngularTolerance="x" LinearTolerance="0.1" ParamTolerance="0.2"/>)", false,
         -1, -1, -1},
        {R"(<Tolerance AngularTolerance="0.5" ParamTolerance="0.2"/>)", false, 0.5, -1, -1},
        {R"(<Tolerance ParamTolerance="3e-6" LinearTolerance="0.01" AngularTolerance="0.25"/>)",
         true, 0.25, 0.01, 3e-6},
        {R"(<tolerance AngularTolerance="1"/>)", false, -1, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        double angular = -1, linear = -1, parametric = -1;
        EXPECT_EQ(ElementReaders::ReadTolerance(Parse(c.xml), angular, linear, parametric), c.read);
        EXPECT_EQ(angular, c.angular);
        EXPECT_EQ(linear, c.linear);
        EXPECT_EQ(parametric, c.parametric);
    }
}

TEST_F(ElementReadersTest, UnitAndToleranceReadsLaterValuesOnlyWhileEarlierOnesConverted) {
    const char* goodUnit = R"(<UnitAndTolerance LengthUnit="Millimeter" AngularTolerance="bad"
                                  LinearTolerance="0.1" ParamTolerance="0.2"/>)";
    const char* badUnit = R"(<UnitAndTolerance LengthUnit="Parsec" AngularTolerance="0.3"
                                 LinearTolerance="0.1" ParamTolerance="0.2"/>)";
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    double parametric = -1.0;
    EXPECT_TRUE(
        ElementReaders::ReadUnitAndTolerance(Parse(badUnit), unit, nullptr, nullptr, &parametric));
    EXPECT_EQ(parametric, -1.0);
    EXPECT_TRUE(
        ElementReaders::ReadUnitAndTolerance(Parse(goodUnit), unit, nullptr, nullptr, &parametric));
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);
    EXPECT_EQ(parametric, 0.2);

    double angular = -1.0, linear = -1.0;
    parametric = -1.0;
    ElementReaders::ReadUnitAndTolerance(Parse(goodUnit), unit, &angular, &linear, &parametric);
    EXPECT_EQ(angular, -1.0);
    EXPECT_EQ(linear, -1.0) << "a bad angular tolerance stops the rest";
    EXPECT_EQ(parametric, -1.0);

    // The angular result replaces the flag, so a good angular tolerance resumes after a bad unit.
    ElementReaders::ReadUnitAndTolerance(Parse(badUnit), unit, &angular, &linear, &parametric);
    EXPECT_EQ(angular, 0.3);
    EXPECT_EQ(linear, 0.1);
    EXPECT_EQ(parametric, 0.2);

    EXPECT_FALSE(ElementReaders::ReadUnitAndTolerance(Parse(R"(<Unit LengthUnit="Meter"/>)"), unit,
                                                      nullptr, nullptr, nullptr));
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Millimeter);
}

TEST_F(ElementReadersTest, ExtensionDataDecodesBase64OnlyForItsTypeIdSuffix) {
    ReadContext& side = m_context.Context();
    ExtensionDataContent encoded;
    EXPECT_TRUE(ElementReaders::ReadExtensionData(
        side, Parse(R"(<ExtensionData TypeId="Acme:Blob:Base64" Content="aGVs bG8="/>)"), encoded));
    EXPECT_EQ(encoded.TypeId(), UTF8String("Acme:Blob:Base64"));
    EXPECT_EQ(encoded.Data(), "hello");

    ExtensionDataContent plain;
    ElementReaders::ReadExtensionData(
        side, Parse(R"(<ExtensionData TypeId="Acme:Blob:base64" Content="aGVsbG8="/>)"), plain);
    EXPECT_EQ(plain.Data(), "aGVsbG8=");

    ExtensionDataContent untouched;
    untouched.SetTypeId(UTF8String("keep"));
    EXPECT_FALSE(
        ElementReaders::ReadExtensionData(side, Parse(R"(<Extension TypeId="x"/>)"), untouched));
    EXPECT_FALSE(ElementReaders::ReadExtensionData(side, nullptr, untouched));
    EXPECT_EQ(untouched.TypeId(), UTF8String("keep"));
}

TEST_F(ElementReadersTest, ExtensionDataPathKindNeedsTheExactTypeSpelling) {
    const struct {
        std::string type;
        std::string path;
        int kind;
        Strings ids;
    } cases[] = {
        {"kObjectPathTypeEnum_OccurancePath", R"( OccurrencePath="[4][9]")", 0, {"4", "9"}},
        {"kObjectPathTypeEnum_OccurancePath", "", 0, {}},
        {"kObjectPathTypeEnum_OccurrencePath", R"( OccurrencePath="[4]")", 1, {"4"}},
        {"kObjectPathTypeEnum_occurancePath", R"( OccurrencePath="[4]")", 1, {"4"}},
        {"", R"( OccurrencePath="[4]")", 1, {"4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type + c.path);
        ExtensionDataContent content;
        content.SetObjectPath(IdSet{UTF8String("stale")}, 1 - c.kind);
        ElementReaders::ReadExtensionData(
            m_context.Context(), Parse(R"(<ExtensionData Type=")" + c.type + '"' + c.path + "/>"),
            content);
        EXPECT_EQ(content.ObjectPathKind(), c.kind);
        EXPECT_EQ(Ids(content.ObjectPath()), c.ids);
    }
}

TEST_F(ElementReadersTest, ExtensionDataUnitTransformAndFileRefs) {
    ExtensionDataContent content;
    ElementReaders::ReadExtensionData(m_context.Context(),
                                      Parse(R"(<ExtensionData TypeId="t" LengthUnit="Furlong"
                     Transformation="1 0 0 5  0 1 0 6  0 0 1 7">
                   <FileRefs><FileRef Path="a.bin"/><Other Path="x"/></FileRefs>
                   <Note/>
                   <FileRefs><FileRef Path="sub/b.bin"/><FileRef/></FileRefs>
                 </ExtensionData>)"),
                                      content);
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Meter;
    EXPECT_TRUE(content.LengthUnit(unit)) << "an unknown unit is still stored";
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Unknown);
    Matrix3d transform;
    ASSERT_TRUE(content.Transform(transform));
    EXPECT_EQ(transform.At(0, 3), 5.0);
    EXPECT_EQ(transform.At(2, 3), 7.0);
    EXPECT_EQ(transform.At(3, 3), 1.0);
    // Resolved against the side-file folder, which is the working folder for this document.
    EXPECT_EQ(content.FileRefs(),
              (std::vector<UTF16String>{UTF16String(u"a.bin"), UTF16String(u"sub/b.bin")}));

    ExtensionDataContent bare;
    ElementReaders::ReadExtensionData(
        m_context.Context(),
        Parse(R"(<ExtensionData LengthUnit="Inch" Transformation="not numbers"/>)"), bare);
    EXPECT_TRUE(bare.LengthUnit(unit));
    EXPECT_EQ(unit, UnitTypeEnum::kUnitType_Inch);
    ASSERT_TRUE(bare.Transform(transform)) << "a bad text still stores the default matrix";
    EXPECT_TRUE(transform.IsIdentity());

    ExtensionDataContent none;
    ElementReaders::ReadExtensionData(m_context.Context(), Parse("<ExtensionData/>"), none);
    EXPECT_FALSE(none.LengthUnit(unit));
    EXPECT_FALSE(none.Transform(transform));
    EXPECT_TRUE(none.Data().empty());
}

TEST_F(ElementReadersTest, TransformStartsFromIdentity) {
    Matrix3d matrix;
    matrix.Set(0, 0, 9.0);
    EXPECT_TRUE(ElementReaders::ReadTransform(
        Parse("<Transform>2 0 0 1 0 2 0 2 0 0 2 3 0 0 0 1</Transform>"), matrix));
    EXPECT_EQ(matrix.At(0, 0), 2.0);
    EXPECT_EQ(matrix.At(1, 3), 2.0);

    EXPECT_FALSE(ElementReaders::ReadTransform(Parse("<Transform>1 2 3</Transform>"), matrix));
    EXPECT_TRUE(matrix.IsIdentity());

    matrix.Set(0, 0, 9.0);
    EXPECT_FALSE(ElementReaders::ReadTransform(nullptr, matrix));
    EXPECT_EQ(matrix.At(0, 0), 9.0);
}

TEST_F(ElementReadersTest, StyleRefsSkipEmptyIdsAndOtherChildren) {
    ReadContext* context = &m_context.Context();
    IdSet ids;
    EXPECT_FALSE(ElementReaders::ReadStyleRefs(
        context, Parse(R"(<Styles><StyleRef ID=""/><StyleRef/><Style ID="3"/></Styles>)"), ids));
    EXPECT_TRUE(ids.IsEmpty());
    EXPECT_TRUE(ElementReaders::ReadStyleRefs(
        context,
        Parse(
            R"(<NetStyles><StyleRef ID="12"/>t<StyleRef ID="15"/><StyleRef ID="12"/></NetStyles>)"),
        ids));
    EXPECT_EQ(Ids(ids), (Strings{"12", "15"}));

    IdSet other;
    EXPECT_FALSE(ElementReaders::ReadStyleRefs(
        context, Parse(R"(<styles><StyleRef ID="1"/></styles>)"), other));
    EXPECT_FALSE(ElementReaders::ReadStyleRefs(
        nullptr, Parse(R"(<Styles><StyleRef ID="1"/></Styles>)"), other));
    EXPECT_TRUE(other.IsEmpty());
}

TEST_F(ElementReadersTest, IdRefsKeepEachIdOnceAndNeedTheListName) {
    ReadContext* context = &m_context.Context();
    IdSet materials;
    EXPECT_TRUE(ElementReaders::ReadIdRefs(
        context,
        Parse(R"(<Materials><MaterialRef ID="m1"/><MaterialRef ID="m2"/><MaterialRef ID="m1"/>
                   <AnimationRef ID="a1"/></Materials>)"),
        kMaterials, MaterialRefNodeNameXMLCh, materials));
    EXPECT_EQ(Ids(materials), (Strings{"m1", "m2"}));

    IdSet animations;
    const DOMElement* list = Parse(R"(<Animations><AnimationRef ID="a1"/></Animations>)");
    EXPECT_FALSE(ElementReaders::ReadIdRefs(context, list, kMaterials, MaterialRefNodeNameXMLCh,
                                            animations));
    EXPECT_FALSE(ElementReaders::ReadIdRefs(context, list, kAnimations, MaterialRefNodeNameXMLCh,
                                            animations));
    EXPECT_TRUE(animations.IsEmpty());

    m_context.SetNewObjectIdPrefix(UTF8String("Q"));
    EXPECT_TRUE(ElementReaders::ReadIdRefs(context, list, kAnimations, AnimationRefNodeNameXMLCh,
                                           animations));
    EXPECT_EQ(Ids(animations), (Strings{"Q1"}));
}

TEST_F(ElementReadersTest, HeldReferencesResolveThroughTheMapWithoutGivingNewIds) {
    ReadContext& context = m_context.Context();
    UTF8String finalId;
    EXPECT_FALSE(context.ResolveHeld(UTF8String("c1"), finalId));
    context.Adopt(std::make_unique<PlainObject>(UTF8String("c1")));
    EXPECT_TRUE(context.ResolveHeld(UTF8String("c1"), finalId));
    EXPECT_EQ(finalId, UTF8String("c1"));

    m_context.SetNewObjectIdPrefix(UTF8String("P"));
    EXPECT_FALSE(context.ResolveHeld(UTF8String("c1"), finalId)) << "not mapped yet";
    EXPECT_EQ(context.ReferenceId(UTF8String("other")), UTF8String("P1")) << "none was given";
    const UTF8String mapped = context.OwnId(*Parse(R"(<ICamera ID="c1"/>)"));
    EXPECT_EQ(mapped, UTF8String("P2"));
    EXPECT_FALSE(context.ResolveHeld(UTF8String("c1"), finalId)) << "no object yet";
    context.Adopt(std::make_unique<PlainObject>(mapped));
    EXPECT_TRUE(context.ResolveHeld(UTF8String("c1"), finalId));
    EXPECT_EQ(finalId, mapped);
}

struct PointTarget {
    void SetXY(double newX, double newY) {
        xy = {newX, newY};
        ++calls;
    }
    std::vector<double> xy;
    int calls = 0;
};

// The strict reader stops at the first bad coordinate, the loose ones convert each on its own,
// and the pair reader calls its setter only when both are present.
TEST_F(ElementReadersTest, CoordinateReadersStrictLooseAndPaired) {
    double x = 0.0, y = 0.0, z = 0.0;
    EXPECT_TRUE(ElementReaders::ReadXYZ(Parse(R"(<P Z="3" Y="2" X="1"/>)"), x, y, z));
    EXPECT_FALSE(ElementReaders::ReadXYZ(Parse(R"(<P X="4" Y="oops" Z="6"/>)"), x, y, z));
    EXPECT_EQ((std::vector<double>{x, y, z}), (std::vector<double>{4, 2, 3}));
    EXPECT_FALSE(ElementReaders::ReadXYZ(nullptr, x, y, z));

    x = y = z = 0.0;
    ElementReaders::ReadXYZLoose(Parse(R"(<P X="4" Y="oops" Z="6"/>)"), x, y, z);
    EXPECT_EQ((std::vector<double>{x, y, z}), (std::vector<double>{4, 0, 6}));
    ElementReaders::ReadXYLoose(Parse(R"(<P X="" Y="-2.5"/>)"), x, y);
    ElementReaders::ReadXYZLoose(nullptr, x, y, z);
    EXPECT_EQ((std::vector<double>{x, y, z}), (std::vector<double>{4, -2.5, 6}));

    PointTarget target;
    ElementReaders::ReadXYPair(Parse(R"(<P X="1"/>)"), target, &PointTarget::SetXY);
    EXPECT_EQ(target.calls, 0);
    ElementReaders::ReadXYPair(Parse(R"(<P Y="2" X="1"/>)"), target, &PointTarget::SetXY);
    EXPECT_EQ(target.xy, (std::vector<double>{1, 2}));
    ElementReaders::ReadXYPair(Parse(R"(<P X="n/a" Y="5"/>)"), target, &PointTarget::SetXY);
    EXPECT_EQ(target.calls, 2);
    EXPECT_EQ(target.xy, (std::vector<double>{0, 5}));
}

} // namespace
} // namespace Orvik::Test
