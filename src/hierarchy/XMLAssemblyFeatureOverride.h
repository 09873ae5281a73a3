#pragma once

#include "orvik/api/IAssemblyFeatureOverride.h"
#include "xml_util/XMLEntity.h"

#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// One "IAssemblyFeatureOverride" of an assembly's child set: occurrence paths and the bodies
// and meshes that stand in for them. Its id stays as written, also under an id prefix.
class XMLAssemblyFeatureOverride : public XMLEntity<IAssemblyFeatureOverride> {
public:
    explicit XMLAssemblyFeatureOverride(ReadContext* context);
    ~XMLAssemblyFeatureOverride() override;

    // False only for a null element or one without attributes.
    bool Read(const xercesc::DOMElement* element);

    std::uint64_t ChildCount() const override { return m_children.size(); }
    AssemblyFeatureOverrideChildId ChildAt(std::uint64_t index) const override;
    void BaseOccPaths(OccurrencePathCollection& paths) const override { paths = m_basePaths; }
    bool IsVisible() const override { return m_visible; }

private:
    void ReadAttributes(const xercesc::DOMElement& element);
    void ReadChild(const xercesc::DOMElement& child);
    void ReadBasePaths(const xercesc::DOMElement& paths);
    void ReadChildSet(const xercesc::DOMElement& childSet);

    ReadContext* m_context;
    std::vector<AssemblyFeatureOverrideChildId> m_children;
    bool m_visible = true;
    OccurrencePathCollection m_basePaths;
};

} // namespace Orvik
