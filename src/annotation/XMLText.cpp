#include "annotation/XMLText.h"

#include "annotation/TextAttributeReader.h"
#include "loader/CheckedIndex.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {

using xercesc::DOMElement;

bool XMLText::Read(const DOMElement& element, ReadContext& context) {
    ReadAttributes(element, context);
    ElementWalk::ForEachChildElement(element,
                                     [&](const DOMElement& child) { ReadChild(child, context); });
    return true;
}

void XMLText::ReadAttributes(const DOMElement& element, ReadContext& context) {
    const TextAttributeReader attributes(element, context);
    if (const XMLCh* unit = attributes.Text(u"LengthUnit")) {
        // A unit is given even when its name is not known; it then stays unknown.
        UnitTypeEnum length = UnitTypeEnum::kUnitType_Unknown;
        if (!XMLStrUtil::StringToUnitType(XMLStrUtil::XMLStrToAStr(unit), length))
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                           UTF8String("\"" + XMLStrUtil::XMLStrToAStr(unit).Value() +
                                      "\" names no unit; the length unit stays unknown"));
        m_lengthUnit = length;
    }
    attributes.ReadFlag(u"IsVertical", u"1", m_vertical);
    std::optional<std::int32_t> justification;
    attributes.ReadInt(u"TextJustification", justification);
    m_justification = justification.value_or(m_justification);
}

void XMLText::ReadChild(const DOMElement& child, ReadContext& context) {
    if (ElementWalk::IsNamed(child, u"Origin")) {
        double x = 0.0, y = 0.0, z = 0.0;
        ElementReaders::ReadXYZLoose(&child, x, y, z);
        m_origin = Position(x, y, z);
    } else if (ElementWalk::IsNamed(child, u"Transform")) {
        // Given even when its text is no matrix; it then stays the identity.
        Matrix3d transform;
        if (!ElementReaders::ReadTransform(&child, transform))
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &child,
                           UTF8String("the text is no matrix; the transform stays the identity"));
        m_transform = transform;
    } else if (ElementWalk::IsNamed(child, u"ITextLine")) {
        auto line = std::make_unique<XMLTextLine>();
        line->Read(child, context);
        m_lines.push_back(std::move(line));
    }
}

const ITextLine* XMLText::TextLineAt(std::uint64_t index) const {
    return m_lines[CheckedIndex::Of(index, m_lines.size())].get();
}

IsValueSpecifiedEnum XMLText::Transform(Matrix3d& transform) const {
    return TextAttributeReader::Answer(m_transform, transform);
}

IsValueSpecifiedEnum XMLText::IsVertical(bool& vertical) const {
    return TextAttributeReader::Answer(m_vertical, vertical);
}

IsValueSpecifiedEnum XMLText::LengthUnit(UnitTypeEnum& unit) const {
    return TextAttributeReader::Answer(m_lengthUnit, unit);
}

} // namespace Orvik
