#include "geometry/XMLPoint.h"

#include "geometry/GeometryAttributeReaders.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLNames.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

using xercesc::DOMElement;

XMLPoint::XMLPoint(ReadContext* context)
    : XMLPointGeometry(context) {}

bool XMLPoint::ParsePointElement(const DOMElement* element) {
    return ReadPointElement(element,
                            {EntityReader::kChangeKey | EntityReader::kExtensionData |
                                 EntityReader::kMaterials | EntityReader::kVersionPersistentId,
                             EntityReader::kMaterials},
                            &m_materials, [this](const DOMElement& child) { ReadChild(child); });
}

void XMLPoint::ReadChild(const DOMElement& child) {
    if (ElementWalk::IsNamed(child, u"Point")) {
        m_x = m_y = m_z = 0.0;
        ElementReaders::ReadXYZLoose(&child, m_x, m_y, m_z);
    }
}

} // namespace Orvik
