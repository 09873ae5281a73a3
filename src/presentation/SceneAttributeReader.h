#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/IsValueSpecifiedEnum.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UnitTypeEnum.h"

#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Attribute and text values of cameras, views, lights and animations. A value that does not
// convert is reported and read as the number 0, as the formats ask.
class SceneAttributeReader {
public:
    // Empty when the attribute is absent; 0.0 when it is not a number.
    static std::optional<double> Double(const xercesc::DOMElement& element, const XMLCh* name,
                                        ReadContext& context);
    // Empty when the attribute is absent or not a number (reported): the value the kind starts
    // with stands, as for lights and animations.
    static std::optional<double> Number(const xercesc::DOMElement& element, const XMLCh* name,
                                        ReadContext& context);
    // Writes the value only when the attribute is there and a number.
    static void Number(const xercesc::DOMElement& element, const XMLCh* name, ReadContext& context,
                       double& value);
    // Empty when the attribute is absent; 0 when it is not an integer.
    static std::optional<int> Int(const xercesc::DOMElement& element, const XMLCh* name,
                                  ReadContext& context);
    // Present and a non-zero integer.
    static bool NonZero(const xercesc::DOMElement& element, const XMLCh* name,
                        ReadContext& context);
    // The element's text as a transform. False, leaving the matrix, for an element without text
    // or with text that is no transform (reported).
    static bool Transform(const xercesc::DOMElement& element, ReadContext& context,
                          Matrix3d& matrix);
    // A unit name attribute. False, leaving the unit, when the attribute is absent or names no
    // unit (reported in both cases: every caller needs it).
    static bool Unit(const xercesc::DOMElement& element, const XMLCh* name, ReadContext& context,
                     UnitTypeEnum& unit);
    // Answers an id set, specified only when it is not empty.
    static IsValueSpecifiedEnum AnswerUnlessEmpty(const IdSet& ids, IdSet& out) {
        if (ids.IsEmpty())
            return IsValueSpecifiedEnum::kUnspecified;
        out = ids;
        return IsValueSpecifiedEnum::kSpecified;
    }
    // Answers an optional value the framework's way, writing the output only when it is set.
    template <typename Value, typename Output>
    static IsValueSpecifiedEnum Answer(const std::optional<Value>& value, Output& out) {
        if (!value)
            return IsValueSpecifiedEnum::kUnspecified;
        out = *value;
        return IsValueSpecifiedEnum::kSpecified;
    }
};

} // namespace Orvik
