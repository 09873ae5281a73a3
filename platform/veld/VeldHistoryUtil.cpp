#include "veld/VeldHistoryUtil.h"

#include "veld/ENTITY.h"

#include <atomic>

namespace Orvik {
namespace {

std::atomic<std::uint64_t> g_nextSerial{1};
// The kernel has one active stream per thread of work.
thread_local std::weak_ptr<Veld::HistoryStream> t_active;
thread_local HistoryStreamHandle t_lastSeparate;

} // namespace

HistoryStreamHandle VeldHistoryUtil::CreateHistoryStream() {
    return std::make_shared<Veld::HistoryStream>(g_nextSerial++);
}

void VeldHistoryUtil::SetActiveHistoryStream(const HistoryStreamHandle& stream) {
    t_active = stream;
}

HistoryStreamHandle VeldHistoryUtil::ActiveStream() {
    return t_active.lock();
}

HistoryStreamHandle VeldHistoryUtil::CreateSeparateHistoryStream(int count,
                                                                 Veld::ENTITY* const* entities) {
    auto stream = CreateHistoryStream();
    for (int i = 0; entities != nullptr && i < count; ++i) {
        if (entities[i] != nullptr) {
            stream->NoteEntity(entities[i]->dxid());
            stream->NoteState();
        }
    }
    t_lastSeparate = stream;
    return stream;
}

HistoryStreamHandle VeldHistoryUtil::LastSeparateHistoryStream() {
    return t_lastSeparate;
}

void VeldHistoryUtil::Clear(const HistoryStreamHandle& stream) {
    if (stream)
        stream->Clear();
}

} // namespace Orvik
