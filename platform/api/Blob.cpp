#include "orvik/api/Blob.h"

#include <stdexcept>

namespace Orvik {

Blob::Blob(std::size_t size, const void* buffer) {
    if (size == 0)
        return;
    if (!buffer)
        throw std::invalid_argument("Blob: null buffer with a non-zero size.");
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    m_bytes.assign(bytes, bytes + size);
}

} // namespace Orvik
