#pragma once

#include "veld/HistoryStream.h"

#include <memory>

namespace Orvik {

namespace Veld {
class ENTITY;
} // namespace Veld

using HistoryStreamHandle = std::shared_ptr<Veld::HistoryStream>;

// History streams of the kernel: created per producer, made active while bodies are restored,
// cleared when the producer releases its document.
class VeldHistoryUtil {
public:
    static HistoryStreamHandle CreateHistoryStream();
    static void SetActiveHistoryStream(const HistoryStreamHandle& stream);
    static void MakeActive(const HistoryStreamHandle& stream) { SetActiveHistoryStream(stream); }
    static HistoryStreamHandle ActiveStream();
    // Files the entities into a stream of their own, apart from the active one, so that undoing
    // work on one document never reaches bodies of another.
    static HistoryStreamHandle CreateSeparateHistoryStream(int count,
                                                           Veld::ENTITY* const* entities);
    // The stream made by the latest CreateSeparateHistoryStream on this thread.
    static HistoryStreamHandle LastSeparateHistoryStream();
    // Clears the stream's history; a null handle is ignored.
    static void Clear(const HistoryStreamHandle& stream);
};

} // namespace Orvik
