#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace Orvik::Inspect {

// Objects keep their fields in insertion order, so the output follows the order in which the
// inspector walks the model.
using Json = nlohmann::ordered_json;

// Text read from a document may hold bytes that are not UTF-8; they print as U+FFFD rather than
// stopping the output half way. A negative indent prints on one line.
inline std::string JsonText(const Json& value, int indent = -1) {
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

} // namespace Orvik::Inspect
