#include "AnnotationDescriber.h"

#include "ValueFormatter.h"

namespace Orvik::Inspect {
namespace {

// Sets the field only when the object answers the query.
template <typename Object, typename Value, typename Format>
void SetIfSpecified(Json& fields, const char* name, const Object& object,
                    IsValueSpecifiedEnum (Object::*query)(Value&) const, Format format) {
    Value value{};
    if ((object.*query)(value) == IsValueSpecifiedEnum::kSpecified)
        fields[name] = format(value);
}

template <typename Value>
Json AsIs(const Value& value) {
    return value;
}

Json Number(const double& value) {
    return ValueFormatter::Number(value);
}

} // namespace

void AnnotationDescriber::Describe(const IAnnotationCallout& callout, ObjectDescription& out) {
    out.Begin(callout, "IAnnotationCallout");
    out.Set("IsVisible", callout.IsVisible());
    out.SetChildren(callout);
    UTF8String plane;
    if (callout.AnnotationPlane(plane) == IsValueSpecifiedEnum::kSpecified) {
        out.Set("AnnotationPlane", ValueFormatter::Text(plane));
        out.Refer(IdSet{plane});
    }
    out.SetIds("Materials", callout.Materials());
    out.Set("Text", DescribeText(callout.Text()));
}

void AnnotationDescriber::Describe(const IAnnotationCalloutElement& element,
                                   ObjectDescription& out) {
    out.Begin(element, "IAnnotationCalloutElement");
    out.SetChildren(element);
    out.SetIds("Styles", element.Styles());
}

Json AnnotationDescriber::DescribeText(const IText* text) {
    if (text == nullptr)
        return nullptr;
    Json fields = Json::object();
    fields["interface"] = "IText";
    Position origin;
    text->Origin(origin);
    fields["Origin"] = ValueFormatter::Xyz(origin);
    SetIfSpecified(fields, "Transform", *text, &IText::Transform, ValueFormatter::Matrix);
    fields["TextLineCount"] = text->TextLineCount();
    fields["TextLineAt"] = ValueFormatter::Indexed(
        text->TextLineCount(), [&](std::uint64_t i) { return DescribeLine(*text->TextLineAt(i)); });
    std::int32_t justification = 0;
    text->TextJustification(justification);
    fields["TextJustification"] = justification;
    SetIfSpecified(fields, "IsVertical", *text, &IText::IsVertical, AsIs<bool>);
    SetIfSpecified(fields, "LengthUnit", *text, &IText::LengthUnit, ValueFormatter::Unit);
    return fields;
}

Json AnnotationDescriber::DescribeLine(const ITextLine& line) {
    Json fields = Json::object();
    fields["interface"] = "ITextLine";
    fields["TextFragmentCount"] = line.TextFragmentCount();
    fields["TextFragmentAt"] =
        ValueFormatter::Indexed(line.TextFragmentCount(), [&](std::uint64_t i) {
            return DescribeFragment(*line.TextFragmentAt(i));
        });
    SetIfSpecified(fields, "TextAlignment", line, &ITextLine::TextAlignment, AsIs<std::int32_t>);
    SetIfSpecified(fields, "Indentation", line, &ITextLine::Indentation, Number);
    return fields;
}

Json AnnotationDescriber::DescribeFragment(const ITextFragment& fragment) {
    using F = ITextFragment;
    Json fields = Json::object();
    fields["interface"] = "ITextFragment";
    fields["Value"] = ValueFormatter::Text(fragment.Value());
    SetIfSpecified(fields, "TextColor", fragment, &F::TextColor, ValueFormatter::Rgba);
    SetIfSpecified(fields, "TextBackgroundColor", fragment, &F::TextBackgroundColor,
                   ValueFormatter::Rgba);
    SetIfSpecified(fields, "FontName", fragment, &F::FontName,
                   [](const UTF16String& name) { return ValueFormatter::Text(name); });
    SetIfSpecified(fields, "IsBold", fragment, &F::IsBold, AsIs<bool>);
    SetIfSpecified(fields, "IsItalic", fragment, &F::IsItalic, AsIs<bool>);
    SetIfSpecified(fields, "IsUnderlined", fragment, &F::IsUnderlined, AsIs<bool>);
    SetIfSpecified(fields, "IsOverlined", fragment, &F::IsOverlined, AsIs<bool>);
    SetIfSpecified(fields, "Height", fragment, &F::Height, Number);
    SetIfSpecified(fields, "Width", fragment, &F::Width, Number);
    SetIfSpecified(fields, "FontSize", fragment, &F::FontSize, Number);
    SetIfSpecified(fields, "Gap", fragment, &F::Gap, Number);
    SetIfSpecified(fields, "ScriptType", fragment, &F::ScriptType, AsIs<std::int32_t>);
    return fields;
}

} // namespace Orvik::Inspect
