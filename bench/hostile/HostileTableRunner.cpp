// Loads each hostile row in a child process of its own and checks that it ends as expected,
// within a second and under 100 MB of peak memory. Exits non-zero when a row does not.
//
//   orvik_hostile_table [part of a row name]
//
// The child is this program started afresh (not a bare fork), and it reports the peak of its
// own memory (VmHWM, which starts anew with the new program): the peak that wait4 reports also
// counts what the runner held when it forked, which a sanitized build keeps in its quarantine.

#include "HostileLoad.h"
#include "HostileRows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

// The options a row sets travel to the child as text: its limits and two switches.
using Limits = Orvik::XMLDocumentLimits;
constexpr std::uint64_t Limits::*kLimitFields[] = {&Limits::maxDocumentBytes,
                                                   &Limits::maxDepth,
                                                   &Limits::maxAttributesPerElement,
                                                   &Limits::maxNamespaceDeclarationsPerElement,
                                                   &Limits::maxValueLength,
                                                   &Limits::maxElements,
                                                   &Limits::maxSideFileBytes,
                                                   &Limits::maxTotalSideFileBytes,
                                                   &Limits::maxBlobBytes,
                                                   &Limits::maxZipEntries,
                                                   &Limits::maxZipUnpackedBytes,
                                                   &Limits::maxZipUnpackRatio,
                                                   &Limits::minZipBytesForRatio};
constexpr std::size_t kLimitCount = std::size(kLimitFields);
static_assert(sizeof(Limits) == kLimitCount * sizeof(std::uint64_t), "a limit is not passed on");

std::vector<std::string> ChildArguments(std::size_t index, const HostileCase& hostile) {
    std::vector<std::string> arguments = {
        "--load", std::to_string(index), hostile.document,
        hostile.options.AllowSideFilesOutsideDocumentFolder() ? "1" : "0",
        hostile.options.WantRestoreInsecureVeldFiles() ? "1" : "0"};
    for (const auto field : kLimitFields)
        arguments.push_back(std::to_string(hostile.options.DocumentLimits().*field));
    return arguments;
}

HostileCase CaseFromArguments(char** argv) {
    HostileCase hostile;
    hostile.document = argv[3];
    hostile.options.SetAllowSideFilesOutsideDocumentFolder(std::string(argv[4]) == "1");
    hostile.options.SetWantRestoreInsecureVeldFiles(std::string(argv[5]) == "1");
    Limits limits;
    for (std::size_t i = 0; i < kLimitCount; ++i)
        limits.*kLimitFields[i] = std::strtoull(argv[6 + i], nullptr, 10);
    hostile.options.SetDocumentLimits(limits);
    return hostile;
}

// This program's peak resident memory since it started; 0 where the system does not say.
long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:" && status >> value)
            return value;
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return 0;
}

// In the child: loads the row and writes the mismatch (empty when none) and the summary.
int LoadInChild(int argc, char** argv) {
    const std::vector<HostileRow>& rows = HostileRows::All();
    const std::size_t index = std::strtoul(argc > 2 ? argv[2] : "", nullptr, 10);
    if (argc != static_cast<int>(6 + kLimitCount) || index >= rows.size())
        return 2;
    ::alarm(kKillAfterSeconds);
    const HostileRow& row = rows[index];
    const HostileOutcome outcome = HostileLoad::Run(CaseFromArguments(argv));
    std::printf("%ld\n%s\n%s", PeakKilobytes(), HostileLoad::Mismatch(row, outcome).c_str(),
                HostileLoad::Summary(row, outcome).c_str());
    return 0;
}

[[noreturn]] void StartChild(const std::vector<std::string>& arguments, int out) {
    std::vector<char*> argv = {const_cast<char*>("/proc/self/exe")};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::dup2(out, STDOUT_FILENO);
    ::execv("/proc/self/exe", argv.data());
    ::_exit(127);
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

Measured Measure(std::size_t index, const HostileCase& hostile) {
    const std::vector<std::string> arguments = ChildArguments(index, hostile);
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("cannot make a pipe");
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::close(channel[0]);
        StartChild(arguments, channel[1]);
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
    // The child's own peak when it could say it; else what wait4 saw, the runner's share too.
    measured.megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const std::size_t peakEnd = report.find('\n');
    const long childPeak = peakEnd == std::string::npos ? 0 : std::atol(report.c_str());
    if (childPeak > 0)
        measured.megabytes = static_cast<double>(childPeak) / 1024.0;
    const std::size_t newline =
        peakEnd == std::string::npos ? peakEnd : report.find('\n', peakEnd + 1);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || newline == std::string::npos) {
        measured.mismatch = HowItDied(status);
        return measured;
    }
    measured.mismatch = report.substr(peakEnd + 1, newline - peakEnd - 1);
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
bool RunRow(std::size_t index, const HostileRow& row) {
    ScratchFolder folder;
    Measured measured;
    try {
        const HostileCase hostile = row.build(folder.Path());
        measured = Measure(index, hostile);
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
    if (argc > 1 && std::string(argv[1]) == "--load")
        return LoadInChild(argc, argv);
    const std::string only = argc > 1 ? argv[1] : "";
    std::printf("| row | outcome | message or diagnostic | s | peak MB | verdict |\n");
    std::printf("|---|---|---|---|---|---|\n");
    int rows = 0;
    int failed = 0;
    const std::vector<HostileRow>& all = HostileRows::All();
    for (std::size_t index = 0; index < all.size(); ++index) {
        if (all[index].name.find(only) == std::string::npos)
            continue;
        ++rows;
        failed += RunRow(index, all[index]) ? 0 : 1;
    }
    std::printf("\n%d passed, %d failed\n", rows - failed, failed);
    return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
