#include "presentation/XMLKeyframeAnimation.h"

#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "loader/SideDataCache.h"
#include "presentation/SceneAttributeReader.h"
#include "xml_util/XMLKeyframeTransformData.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;
using Frames = std::vector<XMLKeyframeTransformData::Frame>;

// Each "Transform" with text adds a record at the keyframe's frame.
void ReadKeyframe(const DOMElement& keyframe, ReadContext& context, Frames& frames) {
    double frame = 0.0;
    SceneAttributeReader::Number(keyframe, u"Keyframe", context, frame);
    ElementWalk::ForEachChildElement(keyframe, [&](const DOMElement& child) {
        Matrix3d transform;
        if (ElementWalk::IsNamed(child, u"Transform") &&
            SceneAttributeReader::Transform(child, context, transform))
            frames.emplace_back(frame, transform);
    });
}

} // namespace

XMLKeyframeAnimation::XMLKeyframeAnimation(const UTF16String& label, const UTF8String& id)
    : m_id(id)
    , m_label(label) {}

void XMLKeyframeAnimation::Read(const DOMElement* element, ReadContext& context) {
    if (element == nullptr)
        return;
    ReadAttributes(*element, context);
    if (!ReadFromSideFile(*element, context))
        ReadInlineKeyframes(*element, context);
}

void XMLKeyframeAnimation::ReadAttributes(const DOMElement& element, ReadContext& context) {
    SceneAttributeReader::Number(element, u"StartFrame", context, m_startFrame);
    SceneAttributeReader::Number(element, u"EndFrame", context, m_endFrame);
    m_defaultFrame = SceneAttributeReader::Number(element, u"DefaultFrame", context);
    SceneAttributeReader::Number(element, u"FramesPerSecond", context, m_framesPerSecond);
    UTF16String text;
    if (XMLUtils::GetNodeAttribute(&element, u"InterpolationType", text)) {
        // Specified whenever present; a name the conversion does not know reads as linear.
        InterpolationTypeEnum type = kInterpolationType_Linear;
        if (!XMLUtils::AnimationInterpolationTypeFromString(text, type))
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                           UTF8String("\"" + text.ToUTF8() + "\" names no interpolation; linear"));
        m_interpolation = type;
    }
    if (XMLUtils::GetNodeAttribute(&element, u"AnimationDataType", text)) {
        AnimationReader::KeyframeTypeDataEnum type = AnimationReader::kKeyframeTypeData_Transform;
        if (!XMLUtils::KeyframeDataTypeFromString(text, type))
            context.Report(DiagnosticCode::kUnparsableValue, DiagnosticSeverity::kInfo, &element,
                           UTF8String("\"" + text.ToUTF8() + "\" names no keyframe data type"));
        m_dataType = type;
    }
}

// The record is filed under the id the document gives, which an id prefix does not change.
bool XMLKeyframeAnimation::ReadFromSideFile(const DOMElement& element, ReadContext& context) {
    const AnimationReader* file = context.Cache().animations.get();
    if (file == nullptr)
        return false;
    const UTF8String documentId = XMLStrUtil::XMLStrToAStr(element.getAttribute(u"ID"));
    std::string problem;
    std::unique_ptr<IKeyframeTypeData> data = file->ReadKeyframeTypeData(
        XMLUtils::GenerateExternalAnimationFileName(documentId),
        static_cast<AnimationReader::KeyframeTypeDataEnum>(m_dataType), problem);
    if (!problem.empty())
        context.Report(DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kWarning, &element,
                       UTF8String("the animation file's keyframes are not used: " + problem +
                                  "; inline keyframes are read instead"));
    if (!data)
        return false;
    m_data = std::move(data);
    return true;
}

void XMLKeyframeAnimation::ReadInlineKeyframes(const DOMElement& element, ReadContext& context) {
    ElementWalk::ForEachChildElement(element, [&](const DOMElement& list) {
        if (!ElementWalk::IsNamed(list, u"KeyframeTransformData"))
            return;
        UnitTypeEnum unit = UnitTypeEnum::kUnitType_Unknown;
        if (list.hasAttribute(u"LengthUnit"))
            SceneAttributeReader::Unit(list, u"LengthUnit", context, unit);
        Frames frames;
        ElementWalk::ForEachChildElement(list, [&](const DOMElement& keyframe) {
            if (ElementWalk::IsNamed(keyframe, u"Keyframe"))
                ReadKeyframe(keyframe, context, frames);
        });
        if (frames.empty())
            return;
        auto data = std::make_unique<XMLKeyframeTransformData>(std::move(frames));
        data->SetLengthUnit(unit);
        m_data = std::move(data);
    });
}

IsValueSpecifiedEnum XMLKeyframeAnimation::DefaultFrame(double& frame) const {
    return SceneAttributeReader::Answer(m_defaultFrame, frame);
}

IsValueSpecifiedEnum XMLKeyframeAnimation::InterpolationType(InterpolationTypeEnum& type) const {
    return SceneAttributeReader::Answer(m_interpolation, type);
}

IsValueSpecifiedEnum XMLKeyframeAnimation::KeyframeData(IKeyframeTypeData*& data) const {
    data = m_data.get();
    return IsValueSpecifiedEnum::kSpecified;
}

} // namespace Orvik
