#include "veld/VeldHistoryUtil.h"

#include <atomic>

namespace Orvik {
namespace {

std::atomic<std::uint64_t> g_nextSerial{1};
// The kernel has one active stream per thread of work.
thread_local std::weak_ptr<Veld::HistoryStream> t_active;

} // namespace

HistoryStreamHandle VeldHistoryUtil::CreateHistoryStream() {
    return std::make_shared<Veld::HistoryStream>(g_nextSerial++);
}

void VeldHistoryUtil::MakeActive(const HistoryStreamHandle& stream) {
    t_active = stream;
}

HistoryStreamHandle VeldHistoryUtil::ActiveStream() {
    return t_active.lock();
}

void VeldHistoryUtil::Clear(const HistoryStreamHandle& stream) {
    if (stream)
        stream->Clear();
}

} // namespace Orvik
