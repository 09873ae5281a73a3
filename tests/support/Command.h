#pragma once

#include <string>

namespace Orvik::TestSupport {

struct CommandResult {
    int exitCode;
    std::string output;
};

// Runs a shell command line and collects what it writes to stdout; the exit code is -1 when
// the command did not end normally.
CommandResult RunCommand(const std::string& commandLine);

} // namespace Orvik::TestSupport
