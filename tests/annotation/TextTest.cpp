#include "GeometryFixture.h"
#include "orvik/api/IAnnotationCallout.h"
#include "orvik/api/IText.h"
#include "orvik/api/ITextFragment.h"
#include "orvik/api/ITextLine.h"

#include <stdexcept>

namespace Orvik::Test {
namespace {

// Texts read as a callout's, the way documents carry them.
class TextTest : public GeometryFixture {
protected:
    const IText& LoadText(const std::string& text) {
        LoadXml(R"(<IAnnotationCallout ID="c">)" + text + "</IAnnotationCallout>");
        const IText* read = Get<IAnnotationCallout>("c").Text();
        if (read == nullptr)
            throw std::runtime_error("the callout has no text");
        return *read;
    }

    const ITextFragment& LoadFragment(const std::string& fragment) {
        return *LoadText("<IText><ITextLine>" + fragment + "</ITextLine></IText>")
                    .TextLineAt(0)
                    ->TextFragmentAt(0);
    }
};

template <typename Object, typename Value>
std::optional<Value> Answered(const Object& object,
                              IsValueSpecifiedEnum (Object::*query)(Value&) const) {
    Value value{};
    if ((object.*query)(value) != IsValueSpecifiedEnum::kSpecified)
        return std::nullopt;
    return value;
}

std::string OutOfRangeMessage(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::out_of_range& e) {
        return e.what();
    }
    return "no exception";
}

TEST_F(TextTest, TextAttributesAndTheirDefaults) {
    const struct {
        const char* attributes;
        std::int32_t justification;
        std::optional<bool> vertical;
        std::optional<UnitTypeEnum> unit;
    } cases[] = {
        {"", 1, std::nullopt, std::nullopt},
        {R"(TextJustification="3" IsVertical="1" LengthUnit="kUnitType_Meter")", 3, true,
         UnitTypeEnum::kUnitType_Meter},
        // Only "1" is vertical; a unit not known is given all the same, as unknown.
        {R"(TextJustification="abc" IsVertical="true" LengthUnit="furlong")", 1, false,
         UnitTypeEnum::kUnitType_Unknown},
        {R"(TextJustification="" IsVertical="" LengthUnit="")", 1, false,
         UnitTypeEnum::kUnitType_Unknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        const IText& text = LoadText(std::string("<IText ") + c.attributes + "/>");
        std::int32_t justification = -7;
        text.TextJustification(justification);
        EXPECT_EQ(justification, c.justification);
        EXPECT_EQ(Answered(text, &IText::IsVertical), c.vertical);
        EXPECT_EQ(Answered(text, &IText::LengthUnit), c.unit);
    }
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnparsableValue).size(), 2u)
        << "the justification and the unit of the last case";
}

TEST_F(TextTest, OriginTransformAndLinesInOrder) {
    const IText& text = LoadText(R"(<IText><Origin X="1" Y="2"/>
        <Transform>1 0 0 4 0 1 0 5 0 0 1 6</Transform>
        <ITextLine TextAlignment="2" Indentation="1.5"><ITextFragment Value="a"/>
          <Other/><ITextFragment Value="b"/></ITextLine>
        <Other/><ITextLine TextAlignment="x" Indentation="wide"/></IText>)");
    Position origin(-7, -7, -7);
    text.Origin(origin);
    EXPECT_EQ(origin, Position(1, 2, 0));
    const std::optional<Matrix3d> transform = Answered(text, &IText::Transform);
    ASSERT_TRUE(transform);
    EXPECT_EQ(transform->At(0, 3), 4.0);
    EXPECT_EQ(transform->At(2, 3), 6.0);

    ASSERT_EQ(text.TextLineCount(), 2u);
    const ITextLine& first = *text.TextLineAt(0);
    EXPECT_EQ(Answered(first, &ITextLine::TextAlignment), 2);
    EXPECT_EQ(Answered(first, &ITextLine::Indentation), 1.5);
    ASSERT_EQ(first.TextFragmentCount(), 2u);
    EXPECT_EQ(first.TextFragmentAt(1)->Value().ToUTF8(), "b");
    const ITextLine& second = *text.TextLineAt(1);
    EXPECT_EQ(Answered(second, &ITextLine::TextAlignment), std::nullopt);
    EXPECT_EQ(Answered(second, &ITextLine::Indentation), std::nullopt);
    EXPECT_EQ(second.TextFragmentCount(), 0u);

    EXPECT_EQ(OutOfRangeMessage([&] { text.TextLineAt(2); }), "invalid vector subscript");
    EXPECT_EQ(OutOfRangeMessage([&] { first.TextFragmentAt(2); }), "invalid vector subscript");
}

TEST_F(TextTest, TextWithoutOriginOrTransformAndABadTransform) {
    const IText& bare = LoadText("<IText/>");
    Position origin(-7, -7, -7);
    bare.Origin(origin);
    EXPECT_EQ(origin, Position());
    EXPECT_EQ(Answered(bare, &IText::Transform), std::nullopt);
    // A transform that is no matrix is given all the same, as the identity.
    const IText& bad = LoadText("<IText><Transform>not a matrix</Transform></IText>");
    EXPECT_EQ(Answered(bad, &IText::Transform), Matrix3d());
}

TEST_F(TextTest, FragmentFlagsNumbersAndFont) {
    const ITextFragment& fragment = LoadFragment(R"(<ITextFragment Value="Hello" FontName="Sans"
        IsBold="True" IsItalic="true" IsUnderlined="" IsOverlined="False"
        Height="2.5" Width="abc" FontSize="12" Gap="-0.5" ScriptType="2"/>)");
    using F = ITextFragment;
    EXPECT_EQ(fragment.Value().ToUTF8(), "Hello");
    EXPECT_EQ(Answered(fragment, &F::FontName), UTF16String(u"Sans"));
    EXPECT_EQ(Answered(fragment, &F::IsBold), true);
    EXPECT_EQ(Answered(fragment, &F::IsItalic), false) << "only \"True\" counts";
    EXPECT_EQ(Answered(fragment, &F::IsUnderlined), false);
    EXPECT_EQ(Answered(fragment, &F::IsOverlined), false);
    EXPECT_EQ(Answered(fragment, &F::Height), 2.5);
    EXPECT_EQ(Answered(fragment, &F::Width), std::nullopt);
    EXPECT_EQ(Answered(fragment, &F::FontSize), 12.0);
    EXPECT_EQ(Answered(fragment, &F::Gap), -0.5);
    EXPECT_EQ(Answered(fragment, &F::ScriptType), 2);
    EXPECT_EQ(Diagnosed(DiagnosticCode::kUnparsableValue), std::vector<std::string>{""});

    const ITextFragment& bare = LoadFragment("<ITextFragment/>");
    EXPECT_EQ(bare.Value().ToUTF8(), "");
    for (auto query : {&F::IsBold, &F::IsItalic, &F::IsUnderlined, &F::IsOverlined})
        EXPECT_EQ(Answered(bare, query), std::nullopt);
    for (auto query : {&F::Height, &F::Width, &F::FontSize, &F::Gap})
        EXPECT_EQ(Answered(bare, query), std::nullopt);
    EXPECT_EQ(Answered(bare, &F::FontName), std::nullopt);
    EXPECT_EQ(Answered(bare, &F::ScriptType), std::nullopt);
    EXPECT_EQ(Answered(bare, &F::TextColor), std::nullopt);
    EXPECT_EQ(Answered(bare, &F::TextBackgroundColor), std::nullopt);
}

// A colour is set only from all four fractions; otherwise it is given as the default colour.
TEST_F(TextTest, FragmentColoursNeedAllFourFractions) {
    Color full;
    full.SetFractionalRGBA(0.25, 0.5, 0.75, 0.5);
    const struct {
        const char* fractions;
        Color color;
    } cases[] = {
        {R"(FractionRed="0.25" FractionGreen="0.5" FractionBlue="0.75" FractionAlpha="0.5")", full},
        {R"(FractionRed="0.25" FractionGreen="0.5" FractionBlue="0.75")", Color()},
        {R"(FractionRed="0.25" FractionGreen="half" FractionBlue="0.75" FractionAlpha="1")",
         Color()},
        {"", Color()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fractions);
        const ITextFragment& fragment =
            LoadFragment(std::string("<ITextFragment><TextColor ") + c.fractions +
                         "/><TextBackgroundColor " + c.fractions + "/></ITextFragment>");
        EXPECT_EQ(Answered(fragment, &ITextFragment::TextColor), c.color);
        EXPECT_EQ(Answered(fragment, &ITextFragment::TextBackgroundColor), c.color);
    }
}

} // namespace
} // namespace Orvik::Test
