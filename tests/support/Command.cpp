#include "Command.h"

#include <array>
#include <cstdio>
#include <memory>
#include <sys/wait.h>

namespace Orvik::TestSupport {

CommandResult RunCommand(const std::string& commandLine) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(commandLine.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), read);
    const int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

} // namespace Orvik::TestSupport
