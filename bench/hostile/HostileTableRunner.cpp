// Loads each hostile row in a child process of its own and checks that it ends as expected,
// within a second and under 100 MB of peak memory. Exits non-zero when a row does not.
//
//   orvik_hostile_table [part of a row name]

#include "HostileLoad.h"
#include "HostileRows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace Orvik::Hostile;
namespace fs = std::filesystem;

constexpr double kMaxSeconds = 1.0;
constexpr double kMaxMegabytes = 100.0;
// A row that hangs is ended here and fails.
constexpr unsigned kKillAfterSeconds = 30;

struct Measured {
    std::string mismatch;
    std::string summary;
    double seconds = 0;
    double megabytes = 0;
};

// A fresh folder under the temp folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "orvik-hostile-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a folder under " +
                                     fs::temp_directory_path().string());
        m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

[[noreturn]] void RunChild(const HostileRow& row, const HostileCase& hostile, int out) {
    ::alarm(kKillAfterSeconds);
    const HostileOutcome outcome = HostileLoad::Run(hostile);
    const std::string report =
        HostileLoad::Mismatch(row, outcome) + '\n' + HostileLoad::Summary(row, outcome);
    std::size_t written = 0;
    while (written < report.size()) {
        const ssize_t n = ::write(out, report.data() + written, report.size() - written);
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    ::_exit(0);
}

std::string ReadAll(int in) {
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(in, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

std::string HowItDied(int status) {
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exited with " + std::to_string(WEXITSTATUS(status));
}

Measured Measure(const HostileRow& row, const HostileCase& hostile) {
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("cannot make a pipe");
    std::fflush(stdout);
    // The child starts with what the parent holds: give back what building the row took.
    ::malloc_trim(0);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::close(channel[0]);
        RunChild(row, hostile, channel[1]);
    }
    ::close(channel[1]);
    const std::string report = ReadAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    Measured measured;
    measured.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const std::size_t newline = report.find('\n');
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || newline == std::string::npos) {
        measured.mismatch = HowItDied(status);
        return measured;
    }
    measured.mismatch = report.substr(0, newline);
    measured.summary = report.substr(newline + 1);
    return measured;
}

std::string Shortened(std::string text, std::size_t width) {
    for (char& c : text)
        if (c == '\n' || c == '|')
            c = ' ';
    if (text.size() > width)
        text = text.substr(0, width - 3) + "...";
    return text;
}

// False when the row failed.
bool RunRow(const HostileRow& row) {
    ScratchFolder folder;
    Measured measured;
    try {
        const HostileCase hostile = row.build(folder.Path());
        measured = Measure(row, hostile);
    } catch (const std::exception& e) {
        measured.mismatch = std::string("could not build the row: ") + e.what();
    }
    std::string verdict = measured.mismatch;
    if (verdict.empty() && measured.seconds >= kMaxSeconds)
        verdict = "slower than 1 s";
    if (verdict.empty() && measured.megabytes >= kMaxMegabytes)
        verdict = "above 100 MB";
    std::printf("| %s | %s | %s | %.3f | %.1f | %s |\n", row.name.c_str(),
                row.expected == Expected::kRefused ? "refused" : "left out",
                Shortened(measured.summary, 110).c_str(), measured.seconds, measured.megabytes,
                verdict.empty() ? "pass" : ("FAIL: " + verdict).c_str());
    return verdict.empty();
}

} // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    std::printf("| row | outcome | message or diagnostic | s | peak MB | verdict |\n");
    std::printf("|---|---|---|---|---|---|\n");
    int rows = 0;
    int failed = 0;
    for (const HostileRow& row : HostileRows::All()) {
        if (row.name.find(only) == std::string::npos)
            continue;
        ++rows;
        failed += RunRow(row) ? 0 : 1;
    }
    std::printf("\n%d passed, %d failed\n", rows - failed, failed);
    return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
