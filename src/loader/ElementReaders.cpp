#include "loader/ElementReaders.h"

#include "loader/ReadContext.h"
#include "loader/SideFileGate.h"
#include "orvik/api/IOUtil.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLObject.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <string>
#include <xercesc/dom/DOMNode.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {

using xercesc::DOMElement;
using xercesc::DOMNode;

namespace {

constexpr XMLChName kChangeKeyElement{"ChangeKey"};
constexpr XMLChName kUnitElement{"Unit"};
constexpr XMLChName kToleranceElement{"Tolerance"};
constexpr XMLChName kUnitAndToleranceElement{"UnitAndTolerance"};
constexpr XMLChName kExtensionDataElement{"ExtensionData"};
constexpr XMLChName kFileRefsElement{"FileRefs"};
constexpr XMLChName kStylesElement{"Styles"};
constexpr XMLChName kNetStylesElement{"NetStyles"};

constexpr XMLChName kIdAttribute{"ID"};

// The misspelling is the document's own; any other spelling is a plain object path.
constexpr std::u16string_view kOccurrencePathType = u"kObjectPathTypeEnum_OccurancePath";
constexpr int kOccurrencePathKind = 0;
constexpr int kOtherPathKind = 1;

bool IsNamed(const DOMNode* node, const XMLCh* name) {
    return node != nullptr && node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

// Read straight from the element: an absent attribute is empty text.
UTF16String Lookup(const DOMElement& attributes, const XMLCh* name) {
    return UTF16String(attributes.getAttribute(name));
}

bool HasAttribute(const DOMElement& attributes, const XMLCh* name) {
    return attributes.hasAttribute(name);
}

bool ConvertUnit(const DOMElement& attributes, const XMLCh* name, UnitTypeEnum& unit) {
    return XMLStrUtil::StringToUnitType(UTF8String(Lookup(attributes, name)), unit);
}

bool ConvertDouble(const DOMElement& attributes, const XMLCh* name, double& value) {
    return XMLStrUtil::XMLStrToDouble(attributes.getAttribute(name), value);
}

// Later tolerances are converted only while every earlier step converted.
bool ConvertIfStillGood(bool good, const DOMElement& attributes, const XMLCh* name, double& value) {
    return good && ConvertDouble(attributes, name, value);
}

Matrix3d TransformFromText(const UTF8String& text) {
    Matrix3d matrix;
    XMLStrUtil::GetTransfFromStr(text, matrix);
    return matrix;
}

std::string ExtensionDataBytes(const UTF8String& typeId, const UTF16String& content) {
    const std::string text = content.ToUTF8();
    return XMLStrUtil::NeedBase64Code(typeId) ? XMLStrUtil::FromBase64(text) : text;
}

void ReadExtensionObjectPath(const DOMElement& attributes, ExtensionDataContent& content) {
    const IdSet path = ElementReaders::ParseOccurrencePath(Lookup(attributes, u"OccurrencePath"));
    const bool isOccurrencePath = Lookup(attributes, u"Type").Value() == kOccurrencePathType;
    content.SetObjectPath(path, isOccurrencePath ? kOccurrencePathKind : kOtherPathKind);
}

void ReadExtensionLengthUnit(const DOMElement& attributes, ExtensionDataContent& content) {
    if (!HasAttribute(attributes, u"LengthUnit")) {
        return;
    }
    // An unknown name still marks the unit as given, as unknown.
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
    ConvertUnit(attributes, u"LengthUnit", unit);
    content.SetLengthUnit(unit);
}

void ReadExtensionTransform(const DOMElement& attributes, ExtensionDataContent& content) {
    if (HasAttribute(attributes, u"Transformation")) {
        content.SetTransform(TransformFromText(UTF8String(Lookup(attributes, u"Transformation"))));
    }
}

// The paths go to the host, which will open them: they keep the rules of the files we read.
bool AdmitFileRef(ReadContext& context, const DOMNode& fileRef, const UTF16String& written,
                  UTF16String& path) {
    SideFileRequest request;
    request.element = static_cast<const DOMElement*>(&fileRef);
    request.what = "file reference";
    request.kind = "FileRef";
    request.written = written;
    request.resolved = IOUtil::AppendFilePath(context.SideFileDirectory(), written);
    request.use = SideFileUse::kHandedOver;
    UTF16String checked;
    if (SideFileGate::Admit(context, request, checked) == SideFileVerdict::kRefused) {
        return false;
    }
    path = request.resolved;
    return true;
}

void ReadExtensionFileRefs(ReadContext& context, const DOMElement* element,
                           ExtensionDataContent& content) {
    const auto admit = [&context](const DOMNode& fileRef, const UTF16String& written,
                                  UTF16String& path) {
        return AdmitFileRef(context, fileRef, written, path);
    };
    for (const DOMNode* child = element->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (IsNamed(child, kFileRefsElement)) {
            XMLUtils::ProcessExtDataRefFilesNode(child, content, admit);
        }
    }
}

// Shared by every reference list: each reference child names one object by "ID".
void CollectReferenceIds(ReadContext* context, const DOMElement* list, const XMLCh* refName,
                         IdSet& ids) {
    for (const DOMNode* child = list->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (!IsNamed(child, refName)) {
            continue;
        }
        UTF8String id;
        XMLUtils::GetNodeAttribute(child, kIdAttribute.CStr(), id);
        if (id.IsEmpty()) {
            continue;
        }
        // A reference may come before the element it names; both receive the same new id.
        ids.AddWithUniquenessCheck(context != nullptr ? context->ReferenceId(id) : id);
    }
}

} // namespace

bool ElementReaders::IsVisibleValue(const UTF16String& value) {
    return value.Value() == u"1";
}

bool ElementReaders::IsVisibleValue(const XMLCh* value) {
    return value != nullptr && value[0] == u'1' && value[1] == 0;
}

bool ElementReaders::ReadChangeKey(const DOMElement* element, UTF16String& key) {
    if (!IsNamed(element, kChangeKeyElement)) {
        return false;
    }
    key = XMLStrUtil::XMLStrToWStr(element->getTextContent());
    return true;
}

bool ElementReaders::ReadUnit(const DOMElement* element, UnitTypeEnum& length,
                              UnitTypeEnum& displayAngle, UnitTypeEnum& displayLength) {
    if (!IsNamed(element, kUnitElement)) {
        return false;
    }
    const DOMElement& attributes = *element;
    ConvertUnit(attributes, u"LengthUnit", length);
    if (!Lookup(attributes, u"DisplayAngleUnit").IsEmpty()) {
        ConvertUnit(attributes, u"DisplayAngleUnit", displayAngle);
    }
    return ConvertUnit(attributes, u"DisplayLengthUnit", displayLength);
}

bool ElementReaders::ReadTolerance(const DOMElement* element, double& angular, double& linear,
                                   double& parametric) {
    if (!IsNamed(element, kToleranceElement)) {
        return false;
    }
    const DOMElement& attributes = *element;
    bool good = ConvertDouble(attributes, u"AngularTolerance", angular);
    good = ConvertIfStillGood(good, attributes, u"LinearTolerance", linear);
    return ConvertIfStillGood(good, attributes, u"ParamTolerance", parametric);
}

bool ElementReaders::ReadUnitAndTolerance(const DOMElement* element, UnitTypeEnum& unit,
                                          double* angular, double* linear, double* parametric) {
    if (!IsNamed(element, kUnitAndToleranceElement)) {
        return false;
    }
    const DOMElement& attributes = *element;
    bool good = ConvertUnit(attributes, u"LengthUnit", unit);
    if (angular != nullptr) {
        good = ConvertDouble(attributes, u"AngularTolerance", *angular);
    }
    if (linear != nullptr) {
        good = ConvertIfStillGood(good, attributes, u"LinearTolerance", *linear);
    }
    if (parametric != nullptr) {
        good = ConvertIfStillGood(good, attributes, u"ParamTolerance", *parametric);
    }
    return true;
}

void ElementReaders::AddExtensionData(ReadContext& context, const DOMElement& element,
                                      XMLObject& object) {
    ExtensionDataContent content;
    ReadExtensionData(context, &element, content);
    object.AddExtensionDataContent(content);
}

bool ElementReaders::ReadExtensionData(ReadContext& context, const DOMElement* element,
                                       ExtensionDataContent& content) {
    if (!IsNamed(element, kExtensionDataElement)) {
        return false;
    }
    const DOMElement& attributes = *element;
    const UTF8String typeId(Lookup(attributes, u"TypeId"));
    content.SetTypeId(typeId);
    content.SetData(ExtensionDataBytes(typeId, Lookup(attributes, u"Content")));
    ReadExtensionObjectPath(attributes, content);
    ReadExtensionLengthUnit(attributes, content);
    ReadExtensionTransform(attributes, content);
    ReadExtensionFileRefs(context, element, content);
    return true;
}

bool ElementReaders::ReadStyleRefs(ReadContext* context, const DOMElement* element, IdSet& ids) {
    if (context == nullptr ||
        !(IsNamed(element, kStylesElement) || IsNamed(element, kNetStylesElement))) {
        return false;
    }
    CollectReferenceIds(context, element, StyleRefNodeNameXMLCh, ids);
    return !ids.IsEmpty();
}

bool ElementReaders::ReadIdRefs(ReadContext* context, const DOMElement* element,
                                const XMLCh* listName, const XMLCh* refName, IdSet& ids) {
    if (listName == nullptr || refName == nullptr || !IsNamed(element, listName)) {
        return false;
    }
    CollectReferenceIds(context, element, refName, ids);
    return !ids.IsEmpty();
}

bool ElementReaders::ReadXYZ(const DOMElement* element, double& x, double& y, double& z) {
    if (element == nullptr) {
        return false;
    }
    const DOMElement& attributes = *element;
    bool good = ConvertDouble(attributes, u"X", x);
    good = ConvertIfStillGood(good, attributes, u"Y", y);
    return ConvertIfStillGood(good, attributes, u"Z", z);
}

void ElementReaders::ReadXYZLoose(const DOMElement* element, double& x, double& y, double& z) {
    if (element == nullptr)
        return;
    const DOMElement& attributes = *element;
    ConvertDouble(attributes, u"X", x);
    ConvertDouble(attributes, u"Y", y);
    ConvertDouble(attributes, u"Z", z);
}

void ElementReaders::ReadXYLoose(const DOMElement* element, double& x, double& y) {
    if (element == nullptr)
        return;
    const DOMElement& attributes = *element;
    ConvertDouble(attributes, u"X", x);
    ConvertDouble(attributes, u"Y", y);
}

bool ElementReaders::ReadPresentXY(const DOMElement* element, double& x, double& y) {
    if (element == nullptr)
        return false;
    const DOMElement& attributes = *element;
    const bool hasX = HasAttribute(attributes, u"X");
    const bool hasY = HasAttribute(attributes, u"Y");
    if (hasX) {
        ConvertDouble(attributes, u"X", x);
    }
    if (hasY) {
        ConvertDouble(attributes, u"Y", y);
    }
    return hasX && hasY;
}

IdSet ElementReaders::ParseOccurrencePath(const UTF16String& path) {
    const std::u16string& text = path.Value();
    IdSet ids;
    // Each search starts past the previous "]", so the text is scanned once. An id starts one
    // character after a group's opening position; a "]" at or before that yields nothing.
    std::size_t idStart = 1;
    std::size_t close = text.find(u']');
    while (close != std::u16string::npos) {
        if (close > idStart) {
            ids.AddWithUniquenessCheck(
                UTF8String(UTF16String(text.substr(idStart, close - idStart))));
        }
        idStart = close + 2;
        if (idStart >= text.size()) {
            break;
        }
        close = text.find(u']', idStart);
    }
    return ids;
}

bool ElementReaders::ReadTransform(const DOMElement* transformElement, Matrix3d& matrix) {
    if (transformElement == nullptr) {
        return false;
    }
    matrix = Matrix3d();
    const UTF8String text(XMLStrUtil::XMLStrToWStr(transformElement->getTextContent()));
    return XMLStrUtil::GetTransfFromStr(text, matrix);
}

} // namespace Orvik
