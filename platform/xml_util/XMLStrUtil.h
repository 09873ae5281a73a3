#pragma once

#include "orvik/api/Matrix3d.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"
#include "orvik/api/UnitVector.h"

#include <string>
#include <string_view>
#include <vector>
#include <xercesc/util/XercesDefs.hpp>

namespace Orvik {

// Text conversions of the document's attribute and element values. Every conversion that
// answers bool leaves its target unchanged when it answers false.
class XMLStrUtil {
public:
    // Locale-independent, "." as decimal separator; the whole text must be the number.
    static bool XMLStrToDouble(const XMLCh* text, double& value);
    static bool XMLStrToDouble(const UTF16String& text, double& value);
    static bool XMLStrToInt(const XMLCh* text, int& value);
    // "true"/"True"/"TRUE"/"1" give 1, "false"/"False"/"FALSE"/"0" give 0.
    static bool XMLBooleanStrToInt(const XMLCh* text, int& value);

    // A null text reads as empty.
    static UTF16String XMLStrToWStr(const XMLCh* text);
    static UTF8String XMLStrToAStr(const XMLCh* text);

    // Either the enum literal ("kUnitType_Millimeter") or the bare name ("Millimeter").
    static bool StringToUnitType(const UTF8String& name, UnitTypeEnum& unit);
    // The enum literal of a unit ("kUnitType_Millimeter").
    static UTF8String UnitTypeName(UnitTypeEnum unit);
    // Three numbers separated by a comma and/or blanks; a zero vector is refused.
    static bool ToUnitVector(const UTF8String& text, UnitVector& vector);
    // 16 numbers row by row, or 12 for the top three rows with (0 0 0 1) implied.
    static bool GetTransfFromStr(const UTF8String& text, Matrix3d& matrix);

    // Empty pieces between adjacent separators are dropped.
    static std::vector<UTF16String> SplitStr(const UTF16String& text, char16_t separator);
    static std::vector<UTF8String> SplitStr(const UTF8String& text, char separator);

    // Extension data whose type id ends in ":Base64" carries its content Base64-encoded.
    static bool NeedBase64Code(const UTF8String& typeId);
    // Empty on invalid text; the bool form tells an invalid text from an empty one.
    static std::string FromBase64(std::string_view text);
    static bool FromBase64(std::string_view text, std::string& bytes);
    static std::string ToBase64(std::string_view bytes);

    static UTF16String ToGenericWStringPath(const UTF16String& path);
};

} // namespace Orvik
