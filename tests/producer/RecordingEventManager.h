#pragma once

#include "orvik/xml_producer.h"

#include <string>
#include <vector>

namespace Orvik::Test {

// Keeps what each event said; the event itself dies with the call.
class RecordingEventManager : public EventManager {
public:
    struct Record {
        int eventType;
        int errorCode;
        int reporter;
        std::string fileName;
        std::string message;
    };

    void RaiseExceptionEvent(const ExceptionEvent& event) const override {
        const Exception& e = event.GetException();
        const auto* fileError = dynamic_cast<const FileException*>(&e);
        records.push_back({event.EventType(), fileError ? fileError->ErrorCode() : -1, e.Reporter(),
                           fileError ? fileError->FileName().ToUTF8() : "", e.Message().Value()});
    }

    mutable std::vector<Record> records;
};

} // namespace Orvik::Test
