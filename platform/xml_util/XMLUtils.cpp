#include "xml_util/XMLUtils.h"

#include "orvik/api/FileException.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/StringUtil.h"
#include "orvik/api/Unicode.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/ZipExtractor.h"

#include <atomic>
#include <boost/filesystem/operations.hpp>
#include <cstdio>
#include <map>
#include <random>
#include <string_view>
#include <xercesc/dom/DOMAttr.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>
#include <xercesc/util/XMLString.hpp>

#ifdef _WIN32
#include <process.h>
#define ORVIK_GETPID _getpid
#else
#include <unistd.h>
#define ORVIK_GETPID getpid
#endif

namespace Orvik {

namespace fs = boost::filesystem;
using xercesc::DOMAttr;
using xercesc::DOMElement;
using xercesc::DOMNode;

namespace {

constexpr XMLChName kPathAttribute{"Path"};
constexpr XMLChName kFileRefElement{"FileRef"};

bool IsElement(const DOMNode* node) {
    return node != nullptr && node->getNodeType() == DOMNode::ELEMENT_NODE;
}

// Null when the node is no element or lacks the attribute, so that an empty value is kept
// apart from an absent one.
const XMLCh* AttributeText(const DOMNode* node, const XMLCh* name) {
    if (!IsElement(node) || name == nullptr) {
        return nullptr;
    }
    const DOMAttr* attribute = static_cast<const DOMElement*>(node)->getAttributeNode(name);
    return attribute ? attribute->getValue() : nullptr;
}

bool ParseFlag(std::u16string_view text, bool& value) {
    if (text == u"True" || text == u"true" || text == u"1") {
        value = true;
        return true;
    }
    if (text == u"False" || text == u"false" || text == u"0") {
        value = false;
        return true;
    }
    return false;
}

bool HasZipExtension(const std::u16string& path) {
    constexpr std::u16string_view extension = u".zip";
    if (path.size() < extension.size()) {
        return false;
    }
    const std::u16string_view tail =
        std::u16string_view(path).substr(path.size() - extension.size());
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const char16_t c = tail[i] >= u'A' && tail[i] <= u'Z' ? tail[i] - u'A' + u'a' : tail[i];
        if (c != extension[i]) {
            return false;
        }
    }
    return true;
}

std::string UniqueFolderName() {
    static std::atomic<unsigned long> counter{0};
    std::random_device random;
    const unsigned long long salt =
        static_cast<unsigned long long>(random()) << 32 | static_cast<unsigned long long>(random());
    char name[96];
    std::snprintf(name, sizeof name, "orvik-xml-%ld-%lu-%016llx", static_cast<long>(ORVIK_GETPID()),
                  ++counter, salt);
    return name;
}

bool IsProtectedDirectory(const fs::path& target) {
    const fs::path name = target.filename();
    if (target.empty() || name == "." || name == "..") {
        return true;
    }
    const fs::path resolved = fs::weakly_canonical(fs::absolute(target));
    if (resolved == resolved.root_path() || !resolved.has_parent_path()) {
        return true;
    }
    boost::system::error_code error;
    const fs::path temp = fs::temp_directory_path(error);
    return !error && fs::weakly_canonical(temp) == resolved;
}

} // namespace

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const char* name, bool& value) {
    return name != nullptr && GetNodeAttribute(node, Unicode::Utf8ToUtf16(name).c_str(), value);
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const char* name, UTF8String& value) {
    return name != nullptr && GetNodeAttribute(node, Unicode::Utf8ToUtf16(name).c_str(), value);
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const char* name, UTF16String& value) {
    return name != nullptr && GetNodeAttribute(node, Unicode::Utf8ToUtf16(name).c_str(), value);
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const char* name, double& value) {
    return name != nullptr && GetNodeAttribute(node, Unicode::Utf8ToUtf16(name).c_str(), value);
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const XMLCh* name, bool& value) {
    const XMLCh* text = AttributeText(node, name);
    return text != nullptr && ParseFlag(text, value);
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const XMLCh* name, UTF8String& value) {
    const XMLCh* text = AttributeText(node, name);
    if (text == nullptr) {
        return false;
    }
    value = XMLStrUtil::XMLStrToAStr(text);
    return true;
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const XMLCh* name, UTF16String& value) {
    const XMLCh* text = AttributeText(node, name);
    if (text == nullptr) {
        return false;
    }
    value = XMLStrUtil::XMLStrToWStr(text);
    return true;
}

bool XMLUtils::GetNodeAttribute(const DOMNode* node, const XMLCh* name, double& value) {
    const XMLCh* text = AttributeText(node, name);
    return text != nullptr && XMLStrUtil::XMLStrToDouble(text, value);
}

UTF16String XMLUtils::GetFilePath(const DOMNode* element, const UTF16String& documentPath) {
    UTF16String path;
    if (!GetNodeAttribute(element, kPathAttribute.CStr(), path) || path.IsEmpty()) {
        return {};
    }
    return IOUtil::AppendFilePath(StringUtil::ExtractBranchPath(documentPath), path);
}

void XMLUtils::ProcessExtDataRefFilesNode(const DOMNode* fileRefs, ExtensionDataContent& content,
                                          const FileRefAdmission& admit) {
    if (!IsElement(fileRefs)) {
        return;
    }
    for (const DOMNode* child = fileRefs->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (!IsElement(child) ||
            !xercesc::XMLString::equals(child->getNodeName(), kFileRefElement)) {
            continue;
        }
        UTF16String written;
        UTF16String path;
        if (GetNodeAttribute(child, kPathAttribute.CStr(), written) && !written.IsEmpty() &&
            admit(*child, written, path)) {
            content.AddFileRef(path);
        }
    }
}

bool XMLUtils::ComposeZipDirectoryAndXMLFileName(const UTF16String& path, UTF16String& zipDirectory,
                                                 UTF16String& /*documentPath*/) {
    if (!HasZipExtension(path.Value())) {
        return false;
    }
    fs::path temp;
    try {
        temp = fs::temp_directory_path();
    } catch (const fs::filesystem_error& error) {
        FileException exception(
            UTF8String(std::string("No temp folder for extraction: ") + error.what()));
        exception.SetErrorCode(ZipExtractor::kErrorCode);
        exception.SetFileName(path);
        throw exception;
    }
    zipDirectory = FsPathConverter::FromPath(temp / UniqueFolderName());
    return true;
}

void XMLUtils::ExtractFromZipFile(const UTF16String& zipPath, const UTF16String& zipDirectory,
                                  UTF16String& extractedPath, const XMLDocumentLimits& limits) {
    extractedPath = ZipExtractor(zipPath, limits).ExtractInto(zipDirectory);
}

bool XMLUtils::DeleteDirectory(const UTF16String& path) {
    if (path.IsEmpty()) {
        return false;
    }
    try {
        const fs::path target = FsPathConverter::ToFolderPath(path);
        if (IsProtectedDirectory(target)) {
            return false;
        }
        boost::system::error_code error;
        const auto removed = fs::remove_all(target, error);
        return !error && removed > 0;
    } catch (...) {
        return false;
    }
}

void XMLUtils::GetMeshTypeAndOrientationFromString(
    const UTF16String& type, const UTF16String& orientation,
    IPolygonMesh::PolygonMeshTypeEnum& meshType,
    IPolygonMesh::PolygonMeshOrientationEnum& meshOrientation) {
    static const std::map<std::string, IPolygonMesh::PolygonMeshTypeEnum> kTypes{
        {"kPolygonMeshType_Unknown", IPolygonMesh::kPolygonMeshType_Unknown},
        {"kPolygonMeshType_Triangles", IPolygonMesh::kPolygonMeshType_Triangles},
        {"kPolygonMeshType_Quads", IPolygonMesh::kPolygonMeshType_Quads},
        {"kPolygonMeshType_Polygons", IPolygonMesh::kPolygonMeshType_Polygons}};
    static const std::map<std::string, IPolygonMesh::PolygonMeshOrientationEnum> kOrientations{
        {"kPolygonMeshOrientation_Unknown", IPolygonMesh::kPolygonMeshOrientation_Unknown},
        {"kPolygonMeshOrientation_CounterClockwise",
         IPolygonMesh::kPolygonMeshOrientation_CounterClockwise},
        {"kPolygonMeshOrientation_Clockwise", IPolygonMesh::kPolygonMeshOrientation_Clockwise}};
    const auto typeFound = kTypes.find(UTF8String(type).Value());
    if (typeFound != kTypes.end())
        meshType = typeFound->second;
    const auto orientationFound = kOrientations.find(UTF8String(orientation).Value());
    if (orientationFound != kOrientations.end())
        meshOrientation = orientationFound->second;
}

void XMLUtils::GetGeometryTypeFromString(const UTF16String& text,
                                         IBrep::ProducerGeometryTypeEnum& geometryType) {
    static const std::map<std::string, IBrep::ProducerGeometryTypeEnum> kTypes{
        {"kProducerGeometryType_Unknown", IBrep::kProducerGeometryType_Unknown},
        {"kProducerGeometryType_Solid", IBrep::kProducerGeometryType_Solid},
        {"kProducerGeometryType_Brep", IBrep::kProducerGeometryType_Brep},
        {"kProducerGeometryType_Surface", IBrep::kProducerGeometryType_Surface},
        {"kProducerGeometryType_Wire", IBrep::kProducerGeometryType_Wire}};
    const auto found = kTypes.find(UTF8String(text).Value());
    if (found != kTypes.end())
        geometryType = found->second;
}

namespace {

template <typename Enum>
struct EnumName {
    std::string_view name;
    Enum value;
};

template <typename Enum, std::size_t N>
bool LookUpEnum(const std::string& text, const EnumName<Enum> (&names)[N], Enum& value) {
    for (const EnumName<Enum>& entry : names) {
        if (entry.name == text) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

template <typename Enum, std::size_t N>
const char* NameOfEnum(Enum value, const EnumName<Enum> (&names)[N]) {
    for (const EnumName<Enum>& entry : names)
        if (entry.value == value)
            return entry.name.data();
    return "";
}

const EnumName<ICamera::StereoRoleEnum> kStereoRoles[] = {
    {"kStereoRole_Mono", ICamera::kStereoRole_Mono},
    {"kStereoRole_Left", ICamera::kStereoRole_Left},
    {"kStereoRole_Right", ICamera::kStereoRole_Right}};

const EnumName<ILight::IntensityUnitEnum> kIntensityUnits[] = {
    {"kIntensityUnit_Unitless", ILight::kIntensityUnit_Unitless},
    {"kIntensityUnit_Candela", ILight::kIntensityUnit_Candela},
    {"kIntensityUnit_Lumen", ILight::kIntensityUnit_Lumen},
    {"kIntensityUnit_Lux", ILight::kIntensityUnit_Lux},
    {"kIntensityUnit_Watt", ILight::kIntensityUnit_Watt}};

const EnumName<IDomeLightData::DomeTextureFormatEnum> kTextureFormats[] = {
    {"kDomeTextureFormat_Unknown", IDomeLightData::kDomeTextureFormat_Unknown},
    {"kDomeTextureFormat_LatLong", IDomeLightData::kDomeTextureFormat_LatLong},
    {"kDomeTextureFormat_MirroredBall", IDomeLightData::kDomeTextureFormat_MirroredBall},
    {"kDomeTextureFormat_Angular", IDomeLightData::kDomeTextureFormat_Angular},
    {"kDomeTextureFormat_CubeMap", IDomeLightData::kDomeTextureFormat_CubeMap}};

const EnumName<IAnimation::InterpolationTypeEnum> kInterpolationTypes[] = {
    {"kInterpolationType_Linear", IAnimation::kInterpolationType_Linear},
    {"kInterpolationType_Step", IAnimation::kInterpolationType_Step},
    {"kInterpolationType_Spline", IAnimation::kInterpolationType_Spline}};

const EnumName<AnimationReader::KeyframeTypeDataEnum> kKeyframeDataTypes[] = {
    {"kKeyframeTypeData_Transform", AnimationReader::kKeyframeTypeData_Transform}};

} // namespace

bool XMLUtils::StereoRoleTypeFromString(const UTF16String& text, ICamera::StereoRoleEnum& role) {
    return LookUpEnum(text.ToUTF8(), kStereoRoles, role);
}

bool XMLUtils::IntensityUnitTypeFromString(const UTF8String& text,
                                           ILight::IntensityUnitEnum& unit) {
    return LookUpEnum(text.Value(), kIntensityUnits, unit);
}

bool XMLUtils::TextureformatTypeFromString(const UTF8String& text,
                                           IDomeLightData::DomeTextureFormatEnum& format) {
    return LookUpEnum(text.Value(), kTextureFormats, format);
}

bool XMLUtils::AnimationInterpolationTypeFromString(const UTF16String& text,
                                                    IAnimation::InterpolationTypeEnum& type) {
    return LookUpEnum(text.ToUTF8(), kInterpolationTypes, type);
}

bool XMLUtils::KeyframeDataTypeFromString(const UTF16String& text,
                                          AnimationReader::KeyframeTypeDataEnum& type) {
    return LookUpEnum(text.ToUTF8(), kKeyframeDataTypes, type);
}

const char* XMLUtils::EnumName(ICamera::StereoRoleEnum role) {
    return NameOfEnum(role, kStereoRoles);
}

const char* XMLUtils::EnumName(ILight::IntensityUnitEnum unit) {
    return NameOfEnum(unit, kIntensityUnits);
}

const char* XMLUtils::EnumName(IDomeLightData::DomeTextureFormatEnum format) {
    return NameOfEnum(format, kTextureFormats);
}

const char* XMLUtils::EnumName(IAnimation::InterpolationTypeEnum type) {
    return NameOfEnum(type, kInterpolationTypes);
}

UTF16String XMLUtils::GenerateExternalAnimationFileName(const UTF8String& id) {
    return UTF16String(UTF8String("Animation_" + id.Value()));
}

} // namespace Orvik
