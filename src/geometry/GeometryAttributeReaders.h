#pragma once

#include "loader/ElementReaders.h"
#include "orvik/api/StoredTransform.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

// Readers that points, point clouds, coordinate systems and work features share.
class GeometryAttributeReaders {
public:
    // Visible unless the attribute is there with anything but "1".
    static bool ReadVisibility(const xercesc::DOMElement& element, const XMLCh* name);
    // An empty or unreadable text leaves the stored matrix alone; the identity is not stored.
    static void ReadTransformText(const xercesc::DOMElement& child, StoredTransform& transform);

    // "X", "Y" and "Z" of a child into a Position or Vector; each 0 when absent or no number.
    template <typename Triple>
    static void ReadTriple(const xercesc::DOMElement& child, Triple& target) {
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
        ElementReaders::ReadXYZLoose(&child, x, y, z);
        target.Set(x, y, z);
    }
    template <typename Triple>
    static void CopyTriple(const Triple& source, double& x, double& y, double& z) {
        x = source.X();
        y = source.Y();
        z = source.Z();
    }
};

} // namespace Orvik
