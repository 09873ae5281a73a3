#pragma once

#include "orvik/api/IKeyframeAnimation.h"

#include <memory>
#include <optional>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// A member of an "AnimationSet": a time line and its keyframes, from the animation side file
// or written inline.
class XMLKeyframeAnimation : public IKeyframeAnimation {
public:
    XMLKeyframeAnimation(const UTF16String& label, const UTF8String& id);

    // Does nothing without an element. The side file's record for the animation wins over
    // inline keyframes, which are then not read.
    void Read(const xercesc::DOMElement* element, ReadContext& context);

    UTF8String Id() const override { return m_id; }
    UTF16String Label() const override { return m_label; }
    IsValueSpecifiedEnum ExtensionDataByTypeId(const UTF8String&,
                                               ExtensionDataContent&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum ChangeKey(UTF16String&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum VersionPersistentId(UTF8String&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    IsValueSpecifiedEnum Properties(std::vector<Property>&) const override {
        return IsValueSpecifiedEnum::kUnspecified;
    }
    const IDomainData* DomainData() const override { return nullptr; }

    double StartFrame() const override { return m_startFrame; }
    double EndFrame() const override { return m_endFrame; }
    IsValueSpecifiedEnum DefaultFrame(double& frame) const override;
    double FramesPerSecond() const override { return m_framesPerSecond; }
    IsValueSpecifiedEnum InterpolationType(InterpolationTypeEnum& type) const override;
    IsValueSpecifiedEnum KeyframeData(IKeyframeTypeData*& data) const override;

private:
    void ReadAttributes(const xercesc::DOMElement& element, ReadContext& context);
    bool ReadFromSideFile(const xercesc::DOMElement& element, ReadContext& context);
    void ReadInlineKeyframes(const xercesc::DOMElement& element, ReadContext& context);

    UTF8String m_id;
    UTF16String m_label;
    double m_startFrame = 0.0;
    double m_endFrame = 0.0;
    double m_framesPerSecond = 0.0;
    std::optional<double> m_defaultFrame;
    std::optional<InterpolationTypeEnum> m_interpolation;
    int m_dataType = 0;
    std::unique_ptr<IKeyframeTypeData> m_data;
};

} // namespace Orvik
