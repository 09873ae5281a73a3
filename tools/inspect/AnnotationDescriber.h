#pragma once

#include "ObjectDescription.h"
#include "orvik/xml_producer.h"

namespace Orvik::Inspect {

// Annotation callouts, their elements, and the text tree a callout owns.
class AnnotationDescriber {
public:
    static void Describe(const IAnnotationCallout& callout, ObjectDescription& out);
    static void Describe(const IAnnotationCalloutElement& element, ObjectDescription& out);

    // The text block, its lines and their fragments, nested; null for no text.
    static Json DescribeText(const IText* text);

private:
    static Json DescribeLine(const ITextLine& line);
    static Json DescribeFragment(const ITextFragment& fragment);
};

} // namespace Orvik::Inspect
