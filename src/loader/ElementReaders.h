#pragma once

#include "orvik/api/ExtensionDataContent.h"
#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLObject;
class ReadContext;

// Readers of the attributes and child elements that every entity element shares. They hold no
// state and raise nothing of their own: a null or misnamed element or a failed conversion shows
// only in the result and in targets left as they were.
class ElementReaders {
public:
    using DOMElement = xercesc::DOMElement;

    static bool IsVisibleValue(const UTF16String& value);
    static bool IsVisibleValue(const XMLCh* value);

    static bool ReadChangeKey(const DOMElement* element, UTF16String& key);
    static bool ReadUnit(const DOMElement* element, UnitTypeEnum& length,
                         UnitTypeEnum& displayAngle, UnitTypeEnum& displayLength);
    static bool ReadTolerance(const DOMElement* element, double& angular, double& linear,
                              double& parametric);
    // Null targets are not asked for. The linear and parametric tolerances are read only while
    // everything before them converted.
    static bool ReadUnitAndTolerance(const DOMElement* element, UnitTypeEnum& unit, double* angular,
                                     double* linear, double* parametric);
    // File references pass the side-file gate: one that fails it is left out, and said so.
    static bool ReadExtensionData(ReadContext& context, const DOMElement* element,
                                  ExtensionDataContent& content);
    // Reads one "ExtensionData" element and adds the record to the object, whatever the
    // reading gave (one record per element).
    static void AddExtensionData(ReadContext& context, const DOMElement& element,
                                 XMLObject& object);

    static bool ReadStyleRefs(ReadContext* context, const DOMElement* element, IdSet& ids);
    // Without a context the ids are taken as they stand.
    static bool ReadIdRefs(ReadContext* context, const DOMElement* element, const XMLCh* listName,
                           const XMLCh* refName, IdSet& ids);

    static bool ReadXYZ(const DOMElement* element, double& x, double& y, double& z);
    static void ReadXYZLoose(const DOMElement* element, double& x, double& y, double& z);
    static void ReadXYLoose(const DOMElement* element, double& x, double& y);
    // The setter runs only when both "X" and "Y" are present; a value that is not a number
    // reaches it as 0.
    template <typename Object, typename Owner, typename Result>
    static void ReadXYPair(const DOMElement* element, Object& object,
                           Result (Owner::*setter)(double, double)) {
        double x = 0.0;
        double y = 0.0;
        if (ReadPresentXY(element, x, y)) {
            (object.*setter)(x, y);
        }
    }

    // Ids each in square brackets; a repeated id is kept once, malformed text yields what it
    // can and never more than its own length.
    static IdSet ParseOccurrencePath(const UTF16String& path);
    // The matrix is reset to the identity before the text is read, so a bad text leaves the
    // identity behind. False for a null element, which leaves the matrix as it was.
    static bool ReadTransform(const DOMElement* transformElement, Matrix3d& matrix);

private:
    static bool ReadPresentXY(const DOMElement* element, double& x, double& y);
};

} // namespace Orvik
