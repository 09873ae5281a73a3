#pragma once

#include "orvik/api/IAmbrelRenderStyle.h"
#include "xml_util/AmbrelSerializedAsset.h"
#include "xml_util/OptionalAnswer.h"
#include "xml_util/XMLRenderStyleBase.h"

#include <memory>

namespace Orvik {

// A render style backed by a render asset, with a few best-fit colours and values.
class XMLAmbrelStyle : public XMLRenderStyleBase<IAmbrelRenderStyle> {
public:
    XMLAmbrelStyle(UTF8String id, UTF16String label)
        : XMLRenderStyleBase(std::move(id), std::move(label)) {}

    // The style owns the asset from now on.
    void SetSerializedAsset(std::unique_ptr<AmbrelSerializedAsset> asset) {
        m_asset = std::move(asset);
    }
    void SetAmbrelLibraryId(const UTF16String& id) { m_libraryId = id; }
    void SetAssetDefinitionId(const UTF16String& id) { m_definitionId = id; }
    void SetAssetInstanceVersionGUID(const UTF16String& guid) { m_versionGuid = guid; }

    const AmbrelSerializedAsset* Asset() const { return m_asset.get(); }

    IsValueSpecifiedEnum SerializedAsset(std::string_view& bytes) const override;
    IsValueSpecifiedEnum AmbrelLibraryId(UTF16String& out) const override {
        return AnswerOptional(m_libraryId, out);
    }
    IsValueSpecifiedEnum AssetDefinitionId(UTF16String& out) const override {
        return AnswerOptional(m_definitionId, out);
    }
    IsValueSpecifiedEnum AssetInstanceVersionGUID(UTF16String& out) const override {
        return AnswerOptional(m_versionGuid, out);
    }

private:
    std::unique_ptr<AmbrelSerializedAsset> m_asset;
    std::optional<UTF16String> m_libraryId;
    std::optional<UTF16String> m_definitionId;
    std::optional<UTF16String> m_versionGuid;
};

} // namespace Orvik
