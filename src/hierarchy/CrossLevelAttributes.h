#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"

#include <cstdint>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Overrides an assembly sets for occurrences deeper in its hierarchy, each entry naming its
// occurrence by a path of ids.
class CrossLevelAttributes {
public:
    // Several "CrossLevelAttributes" elements add to the same lists.
    void Read(ReadContext& context, const xercesc::DOMElement& element);

    std::uint64_t VisibilityCount() const { return m_visibilities.size(); }
    std::uint64_t StylesCount() const { return m_styles.size(); }
    std::uint64_t TransformationCount() const { return m_transformations.size(); }
    // A bad index throws std::out_of_range.
    void VisibilityAt(std::uint64_t index, IdSet& path, bool& visible) const;
    void StylesAt(std::uint64_t index, IdSet& path, IdSet& styles) const;
    void TransformationAt(std::uint64_t index, IdSet& path, Matrix3d& transform) const;

private:
    struct Visibility {
        IdSet path;
        bool visible;
    };
    struct Styles {
        IdSet path;
        IdSet styles;
    };
    struct Transformation {
        IdSet path;
        Matrix3d transform;
    };

    void ReadStyles(ReadContext& context, const xercesc::DOMElement& styles);
    void ReadVisibilities(const xercesc::DOMElement& visibilities);
    void ReadTransformations(const xercesc::DOMElement& transformations);

    std::vector<Visibility> m_visibilities;
    std::vector<Styles> m_styles;
    std::vector<Transformation> m_transformations;
};

} // namespace Orvik
