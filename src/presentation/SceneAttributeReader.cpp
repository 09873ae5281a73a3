#include "presentation/SceneAttributeReader.h"

#include "loader/ReadContext.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

std::string NameOf(const XMLCh* name) {
    return UTF16String(name).ToUTF8();
}

void ReportNotANumber(const DOMElement& element, const XMLCh* name, ReadContext& context) {
    context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                   UTF8String("\"" + NameOf(name) + "\" is not a number; it reads as 0"));
}

} // namespace

std::optional<double> SceneAttributeReader::Double(const DOMElement& element, const XMLCh* name,
                                                   ReadContext& context) {
    if (!element.hasAttribute(name))
        return std::nullopt;
    double value = 0.0;
    if (!XMLStrUtil::XMLStrToDouble(element.getAttribute(name), value)) {
        ReportNotANumber(element, name, context);
        value = 0.0;
    }
    return value;
}

std::optional<double> SceneAttributeReader::Number(const DOMElement& element, const XMLCh* name,
                                                   ReadContext& context) {
    if (!element.hasAttribute(name))
        return std::nullopt;
    double value = 0.0;
    if (XMLStrUtil::XMLStrToDouble(element.getAttribute(name), value))
        return value;
    context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                   UTF8String("\"" + NameOf(name) + "\" is not a number; it is passed over"));
    return std::nullopt;
}

void SceneAttributeReader::Number(const DOMElement& element, const XMLCh* name,
                                  ReadContext& context, double& value) {
    if (const std::optional<double> read = Number(element, name, context))
        value = *read;
}

std::optional<int> SceneAttributeReader::Int(const DOMElement& element, const XMLCh* name,
                                             ReadContext& context) {
    if (!element.hasAttribute(name))
        return std::nullopt;
    int value = 0;
    if (!XMLStrUtil::XMLStrToInt(element.getAttribute(name), value)) {
        ReportNotANumber(element, name, context);
        value = 0;
    }
    return value;
}

bool SceneAttributeReader::NonZero(const DOMElement& element, const XMLCh* name,
                                   ReadContext& context) {
    const std::optional<int> value = Int(element, name, context);
    return value && *value != 0;
}

bool SceneAttributeReader::Transform(const DOMElement& element, ReadContext& context,
                                     Matrix3d& matrix) {
    const UTF8String text(XMLStrUtil::XMLStrToWStr(element.getTextContent()));
    if (text.IsEmpty())
        return false;
    Matrix3d read;
    if (!XMLStrUtil::GetTransfFromStr(text, read)) {
        context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                       UTF8String("the text is no transform; it is passed over"));
        return false;
    }
    matrix = read;
    return true;
}

bool SceneAttributeReader::Unit(const DOMElement& element, const XMLCh* name, ReadContext& context,
                                UnitTypeEnum& unit) {
    if (!element.hasAttribute(name)) {
        context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &element,
                       UTF8String("a \"" + UTF16String(element.getTagName()).ToUTF8() +
                                  "\" without \"" + NameOf(name) + "\" is skipped"));
        return false;
    }
    const UTF8String text = XMLStrUtil::XMLStrToAStr(element.getAttribute(name));
    if (XMLStrUtil::StringToUnitType(text, unit))
        return true;
    context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                   UTF8String("\"" + text.Value() + "\" names no unit; the unit stays"));
    return false;
}

} // namespace Orvik
