#pragma once

#include "orvik/api/IMaterialXRenderStyle.h"
#include "xml_util/OptionalAnswer.h"
#include "xml_util/XMLRenderStyleBase.h"

#include <utility>
#include <vector>

namespace Orvik {

// A render style whose content is a MaterialX document, kept as text with the files it needs.
class XMLMaterialXStyle : public XMLRenderStyleBase<IMaterialXRenderStyle> {
public:
    XMLMaterialXStyle(UTF8String id, UTF16String label)
        : XMLRenderStyleBase(std::move(id), std::move(label)) {}

    void SetMaterialXContent(Blob content) { m_content = std::move(content); }
    void AddFileReference(const UTF16String& source, const UTF16String& resolved) {
        m_files.emplace_back(source, resolved);
    }

    IsValueSpecifiedEnum MaterialXContent(Blob& out) const override {
        return AnswerOptional(m_content, out);
    }
    std::uint64_t FileReferenceCount() const override { return m_files.size(); }
    bool FileReferenceAt(std::uint64_t index, UTF16String& source,
                         UTF16String& resolved) const override;

private:
    std::optional<Blob> m_content;
    std::vector<std::pair<UTF16String, UTF16String>> m_files;
};

} // namespace Orvik
