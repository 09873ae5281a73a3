#pragma once

#include "HostileRow.h"

namespace Orvik::Hostile {

// Loads a row's document as a host would and gathers what came of it.
class HostileLoad {
public:
    static HostileOutcome Run(const HostileCase& hostile);
    // Empty when the load ended as the row expects, otherwise what differed.
    static std::string Mismatch(const HostileRow& row, const HostileOutcome& outcome);
    // One line for a table: the exception's message, or the first diagnostic with the row's
    // code and how many there were.
    static std::string Summary(const HostileRow& row, const HostileOutcome& outcome);
};

} // namespace Orvik::Hostile
