#pragma once

#include "orvik/api/ExtensionDataContent.h"
#include "orvik/api/IBrep.h"
#include "orvik/api/ICamera.h"
#include "orvik/api/IKeyframeAnimation.h"
#include "orvik/api/ILight.h"
#include "orvik/api/IPolygonMesh.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/xml/XMLDocumentLimits.h"
#include "xml_util/AnimationReader.h"

#include <functional>
#include <map>
#include <xercesc/dom/DOMNode.hpp>

namespace Orvik {

// DOM helpers and the handling of zipped documents.
class XMLUtils {
public:
    using DOMNode = xercesc::DOMNode;

    // Each form answers false and leaves the target when the node is null, not an element or
    // lacks the attribute. Names given as XMLCh text (see XMLChName) avoid transcoding.
    // The bool form takes "True"/"true"/"1" and "False"/"false"/"0"; other text answers false.
    static bool GetNodeAttribute(const DOMNode* node, const char* name, bool& value);
    static bool GetNodeAttribute(const DOMNode* node, const char* name, UTF8String& value);
    static bool GetNodeAttribute(const DOMNode* node, const char* name, UTF16String& value);
    // False as well when the text is not a number.
    static bool GetNodeAttribute(const DOMNode* node, const char* name, double& value);
    static bool GetNodeAttribute(const DOMNode* node, const XMLCh* name, bool& value);
    static bool GetNodeAttribute(const DOMNode* node, const XMLCh* name, UTF8String& value);
    static bool GetNodeAttribute(const DOMNode* node, const XMLCh* name, UTF16String& value);
    static bool GetNodeAttribute(const DOMNode* node, const XMLCh* name, double& value);

    // The element's "Path": absolute as it stands, relative to the document's folder otherwise;
    // empty when absent.
    static UTF16String GetFilePath(const DOMNode* element, const UTF16String& documentPath);
    // Answers the path to add for a "FileRef" and the "Path" it wrote, or false to leave it out.
    using FileRefAdmission =
        std::function<bool(const DOMNode& fileRef, const UTF16String& written, UTF16String& path)>;
    // Adds the "Path" of every "FileRef" child that admit lets through, as admit resolved it.
    static void ProcessExtDataRefFilesNode(const DOMNode* fileRefs, ExtensionDataContent& content,
                                           const FileRefAdmission& admit);

    // Literals "kPolygonMeshType_*" and "kPolygonMeshOrientation_*"; text that names no value
    // leaves the target as it was.
    static void
    GetMeshTypeAndOrientationFromString(const UTF16String& type, const UTF16String& orientation,
                                        IPolygonMesh::PolygonMeshTypeEnum& meshType,
                                        IPolygonMesh::PolygonMeshOrientationEnum& meshOrientation);

    // Literals "kProducerGeometryType_*"; text that names no value leaves the target as it was.
    static void GetGeometryTypeFromString(const UTF16String& text,
                                          IBrep::ProducerGeometryTypeEnum& geometryType);

    // Literals of cameras, lights and animations ("kStereoRole_Left", "kIntensityUnit_Lux",
    // "kDomeTextureFormat_LatLong", "kInterpolationType_Step", "kKeyframeTypeData_Transform"),
    // matched exactly; text that names no value leaves the target and answers false.
    static bool StereoRoleTypeFromString(const UTF16String& text, ICamera::StereoRoleEnum& role);
    static bool IntensityUnitTypeFromString(const UTF8String& text,
                                            ILight::IntensityUnitEnum& unit);
    static bool TextureformatTypeFromString(const UTF8String& text,
                                            IDomeLightData::DomeTextureFormatEnum& format);
    static bool AnimationInterpolationTypeFromString(const UTF16String& text,
                                                     IAnimation::InterpolationTypeEnum& type);
    static bool KeyframeDataTypeFromString(const UTF16String& text,
                                           AnimationReader::KeyframeTypeDataEnum& type);
    // The literal of a value; empty for a value no literal names.
    static const char* EnumName(ICamera::StereoRoleEnum role);
    static const char* EnumName(ILight::IntensityUnitEnum unit);
    static const char* EnumName(IDomeLightData::DomeTextureFormatEnum format);
    static const char* EnumName(IAnimation::InterpolationTypeEnum type);
    // The name the animation's keyframes are filed under in the animation side file.
    static UTF16String GenerateExternalAnimationFileName(const UTF8String& id);

    // True for a path with the extension ".zip" in any case; the folder named is new for
    // each call, under the system temp folder, and not yet created. The document path stays.
    static bool ComposeZipDirectoryAndXMLFileName(const UTF16String& path,
                                                  UTF16String& zipDirectory,
                                                  UTF16String& documentPath);
    // Throws FileException (code 13) on any failure, leaving nothing behind. Only the zip
    // limits of the value apply.
    static void ExtractFromZipFile(const UTF16String& zipPath, const UTF16String& zipDirectory,
                                   UTF16String& extractedPath,
                                   const XMLDocumentLimits& limits = {});
    // Removes a folder tree; symbolic links inside are removed, never followed. Refuses an
    // empty path, a filesystem root and the temp folder itself. Never throws.
    static bool DeleteDirectory(const UTF16String& path);
};

} // namespace Orvik
