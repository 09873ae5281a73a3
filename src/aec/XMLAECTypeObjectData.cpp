#include "aec/XMLAECTypeObjectData.h"

#include "orvik/api/GeneralException.h"

namespace Orvik {
namespace {

// The role that marks an exception as raised by this producer.
constexpr int kProducerReporter = 2;

} // namespace

const SharedGeometryComponentId&
XMLAECTypeObjectData::SharedGeometryComponentIdAt(std::size_t index) const {
    if (index >= m_components.size()) {
        GeneralException error(UTF8String("Invalid shared geometry component id  index."));
        error.SetReporter(kProducerReporter);
        throw error;
    }
    return m_components[index];
}

void XMLAECTypeObjectData::AddSharedGeometryComponentId(const SharedGeometryComponentId& id) {
    m_components.push_back(id);
}

} // namespace Orvik
