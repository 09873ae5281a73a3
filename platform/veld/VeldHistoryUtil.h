#pragma once

#include "veld/HistoryStream.h"

#include <memory>

namespace Orvik {

using HistoryStreamHandle = std::shared_ptr<Veld::HistoryStream>;

// History streams of the kernel: created per producer, made active while bodies are restored,
// cleared when the producer releases its document.
class VeldHistoryUtil {
public:
    static HistoryStreamHandle CreateHistoryStream();
    static void MakeActive(const HistoryStreamHandle& stream);
    static HistoryStreamHandle ActiveStream();
    // Clears the stream's history; a null handle is ignored.
    static void Clear(const HistoryStreamHandle& stream);
};

} // namespace Orvik
