#include "presentation/XMLSectionCamera.h"

#include "loader/CheckedIndex.h"

namespace Orvik {

XMLSectionCamera::XMLSectionCamera(std::unique_ptr<XMLCamera> camera)
    : XMLEntity(camera->IdRef(), camera->LabelRef())
    , m_camera(std::move(camera)) {}

Plane XMLSectionCamera::PlaneAt(std::size_t index) const {
    return m_planes[CheckedIndex::Of(index, m_planes.size())];
}

} // namespace Orvik
