#pragma once

#include "orvik/api/IMaterialTexture.h"
#include "xml_util/OptionalAnswer.h"
#include "xml_util/XMLEntity.h"

#include <optional>
#include <utility>

namespace Orvik {

// An image or procedural texture of a "TextureSet".
class XMLTexture : public XMLEntity<IMaterialTexture> {
public:
    XMLTexture(UTF8String id, UTF16String label)
        : XMLEntity(std::move(id), std::move(label)) {}

    void SetTextureType(int value) { m_textureType = value; }
    void SetTextureFileReference(const UTF16String& path) { m_fileReference = path; }
    void SetEmbeddedTextureImageSize(int value) { m_imageSize = value; }
    void SetEmbeddedTextureImageType(int value) { m_imageType = value; }
    // The file the embedded image is read from; only a path the reader has vetted.
    void SetTempFilePath(const UTF16String& path) { m_tempFile = path; }
    void SetTextureDimensions(int width, int height) { m_dimensions = {width, height}; }
    void SetTextureCenter(double x, double y) { m_center = {x, y}; }
    void SetTextureOffset(double x, double y) { m_offset = {x, y}; }
    void SetTextureScale(double x, double y) { m_scale = {x, y}; }
    void SetRotateAngle(double value) { m_rotateAngle = value; }
    void SetProjectType(int value) { m_projectType = value; }
    void SetProcedureU(int value) { m_procedureU = value; }
    void SetRepeatU(double value) { m_repeatU = value; }
    void SetProcedureV(int value) { m_procedureV = value; }
    void SetRepeatV(double value) { m_repeatV = value; }
    void SetProceduralName(const UTF16String& name) { m_proceduralName = name; }

    IsValueSpecifiedEnum TextureType(int& out) const override {
        return AnswerOptional(m_textureType, out);
    }
    IsValueSpecifiedEnum TextureFileReference(UTF16String& out) const override {
        return AnswerOptional(m_fileReference, out);
    }
    IsValueSpecifiedEnum EmbeddedTextureImageSize(int& out) const override {
        return AnswerOptional(m_imageSize, out);
    }
    // Read anew at each call; not specified unless exactly size bytes could be read.
    IsValueSpecifiedEnum EmbeddedTextureImage(int size, void* buffer) const override;
    IsValueSpecifiedEnum EmbeddedTextureImageType(int& out) const override {
        return AnswerOptional(m_imageType, out);
    }
    IsValueSpecifiedEnum TextureDimensions(int& width, int& height) const override {
        return AnswerPair(m_dimensions, width, height);
    }
    IsValueSpecifiedEnum TextureCenter(double& x, double& y) const override {
        return AnswerPair(m_center, x, y);
    }
    IsValueSpecifiedEnum TextureOffset(double& x, double& y) const override {
        return AnswerPair(m_offset, x, y);
    }
    IsValueSpecifiedEnum TextureScale(double& x, double& y) const override {
        return AnswerPair(m_scale, x, y);
    }
    IsValueSpecifiedEnum RotateAngle(double& out) const override {
        return AnswerOptional(m_rotateAngle, out);
    }
    IsValueSpecifiedEnum ProjectType(int& out) const override {
        return AnswerOptional(m_projectType, out);
    }
    IsValueSpecifiedEnum ProcedureU(int& out) const override {
        return AnswerOptional(m_procedureU, out);
    }
    IsValueSpecifiedEnum RepeatU(double& out) const override {
        return AnswerOptional(m_repeatU, out);
    }
    IsValueSpecifiedEnum ProcedureV(int& out) const override {
        return AnswerOptional(m_procedureV, out);
    }
    IsValueSpecifiedEnum RepeatV(double& out) const override {
        return AnswerOptional(m_repeatV, out);
    }
    IsValueSpecifiedEnum ProceduralName(UTF16String& out) const override {
        return AnswerOptional(m_proceduralName, out);
    }

private:
    template <typename T>
    static IsValueSpecifiedEnum AnswerPair(const std::optional<std::pair<T, T>>& value, T& first,
                                           T& second) {
        if (!value)
            return IsValueSpecifiedEnum::kUnspecified;
        first = value->first;
        second = value->second;
        return IsValueSpecifiedEnum::kSpecified;
    }

    std::optional<int> m_textureType;
    std::optional<UTF16String> m_fileReference;
    std::optional<int> m_imageSize;
    std::optional<int> m_imageType;
    std::optional<UTF16String> m_tempFile;
    std::optional<std::pair<int, int>> m_dimensions;
    std::optional<std::pair<double, double>> m_center;
    std::optional<std::pair<double, double>> m_offset;
    std::optional<std::pair<double, double>> m_scale;
    std::optional<double> m_rotateAngle;
    std::optional<int> m_projectType;
    std::optional<int> m_procedureU;
    std::optional<double> m_repeatU;
    std::optional<int> m_procedureV;
    std::optional<double> m_repeatV;
    std::optional<UTF16String> m_proceduralName;
};

} // namespace Orvik
