// The load against its floor: a bare Xerces-C DOM parse and walk of the same file, in one
// process, alternating, medians; peak memory of each side in a process of its own; the side-file
// readers against a plain read of the same bytes. `--help` lists the options.
#include "BareDomWalk.h"
#include "BenchmarkDocuments.h"
#include "SideFileThroughput.h"
#include "orvik/xml_producer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik::Bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kUsage =
    "usage: orvik_load_comparison [--rounds N] [--million] [--only TEXT] [--json FILE]\n"
    "                             [--keep DIR]   (writes the documents into DIR and keeps them)\n"
    "       orvik_load_comparison --probe bare|load DOCUMENT [XML]\n"
    "       orvik_load_comparison --repeat bare|load DOCUMENT N   (for a profiler)\n";

struct Case {
    std::string name;
    // What the load reads, and the document the bare side parses (the same file, or the
    // document packed in the zip).
    std::string document;
    std::string xml;
};

struct Memory {
    long peakKb = 0;
    long heldKb = 0;
};

struct Row {
    Case what;
    std::uintmax_t bytes = 0;
    double bare = 0.0;
    double load = 0.0;
    Memory bareMemory;
    Memory loadMemory;
};

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::size_t Bare(const std::string& xml) {
    BareDomWalk walk;
    return walk.ParseAndWalk(xml);
}

std::size_t Load(const std::string& document) {
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(document), &options);
    const FilterOptions filter;
    producer.BeginProcess(IdSet(), &filter, nullptr);
    const std::size_t root = producer.RootObjectId().Id().Value().size();
    producer.EndProcess();
    return root;
}

// Each run starts with the freed memory of the runs before handed back to the system, as in a
// fresh process: otherwise one side would find pages the other left behind, and the load hands
// the DOM's pages back once it is loaded.
void StartAfresh() {
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

template <typename Work>
double Time(Work work) {
    static volatile std::size_t sink = 0;
    StartAfresh();
    const Clock::time_point start = Clock::now();
    sink = sink + work();
    return Seconds(Clock::now() - start);
}

// Alternating, the order swapped each round, so drift of a busy machine falls on both sides.
void Measure(Row& row, int rounds) {
    Time([&] { return Bare(row.what.xml); });
    Time([&] { return Load(row.what.document); });
    std::vector<double> bare;
    std::vector<double> load;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            bare.push_back(Time([&] { return Bare(row.what.xml); }));
            load.push_back(Time([&] { return Load(row.what.document); }));
        } else {
            load.push_back(Time([&] { return Load(row.what.document); }));
            bare.push_back(Time([&] { return Bare(row.what.xml); }));
        }
    }
    row.bare = Median(bare);
    row.load = Median(load);
}

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One side in a fresh process: the peak, and what stays resident while the result is held (the
// DOM after the walk; the model after BeginProcess).
int Probe(const std::string& side, const std::string& document, const std::string& xml) {
    const long before = ResidentKb();
    long held = 0;
    if (side == "bare") {
        BareDomWalk walk;
        walk.ParseAndWalk(xml);
        held = ResidentKb() - before;
    } else {
        XMLProducerOptions options;
        XMLProducer producer(UTF16String(document), &options);
        const FilterOptions filter;
        producer.BeginProcess(IdSet(), &filter, nullptr);
        held = ResidentKb() - before;
        producer.EndProcess();
    }
    std::printf("%ld %ld\n", PeakKb(), held);
    return 0;
}

std::string SelfPath() {
    std::vector<char> path(4096);
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    return n > 0 ? std::string(path.data(), static_cast<std::size_t>(n)) : "";
}

Memory ProbeInChild(const std::string& side, const Case& c) {
    const std::string command =
        "'" + SelfPath() + "' --probe " + side + " '" + c.document + "' '" + c.xml + "'";
    Memory memory;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        if (std::fscanf(pipe, "%ld %ld", &memory.peakKb, &memory.heldKb) != 2)
            memory = Memory();
        ::pclose(pipe);
    }
    return memory;
}

int Repeat(const std::string& side, const std::string& document, int count) {
    std::size_t sink = 0;
    for (int i = 0; i < count; ++i)
        sink += side == "bare" ? Bare(document) : Load(document);
    return sink == 0 ? 0 : 0;
}

std::vector<Case> Cases(BenchmarkDocuments& documents, bool million) {
    std::vector<Case> cases;
    auto add = [&](const std::string& name, const std::string& xml) {
        cases.push_back({name, xml, xml});
        cases.push_back({name + " (zip)", documents.Zipped(xml), xml});
    };
    std::vector<std::size_t> sizes = {10000, 100000};
    if (million)
        sizes.push_back(1000000);
    for (std::size_t n : sizes)
        add("hierarchy " + std::to_string(n), documents.InstancesOfSubAssembly(n));
    add("geometry 10000", documents.GeometryParts(10000));
    add("sample --parts 10000", documents.ScaledSample(10000));
    return cases;
}

void PrintHeader() {
    std::printf("%-28s %9s %9s %9s %6s %9s %9s %6s %9s %9s\n", "document", "MB", "bare s", "load s",
                "ratio", "bare MB", "load MB", "ratio", "DOM held", "model");
}

void PrintRow(const Row& r) {
    std::printf("%-28s %9.1f %9.3f %9.3f %6.2f %9.0f %9.0f %6.2f %9.0f %9.0f\n",
                r.what.name.c_str(), static_cast<double>(r.bytes) / 1e6, r.bare, r.load,
                r.load / r.bare, r.bareMemory.peakKb / 1024.0, r.loadMemory.peakKb / 1024.0,
                static_cast<double>(r.loadMemory.peakKb) /
                    static_cast<double>(std::max(1L, r.bareMemory.peakKb)),
                r.bareMemory.heldKb / 1024.0, r.loadMemory.heldKb / 1024.0);
    std::fflush(stdout);
}

nlohmann::json Json(const std::vector<Row>& rows, const std::vector<Throughput>& throughputs) {
    nlohmann::json out;
    for (const Row& r : rows)
        out["documents"].push_back({{"name", r.what.name},
                                    {"bytes", r.bytes},
                                    {"bareSeconds", r.bare},
                                    {"loadSeconds", r.load},
                                    {"ratio", r.load / r.bare},
                                    {"barePeakKb", r.bareMemory.peakKb},
                                    {"loadPeakKb", r.loadMemory.peakKb},
                                    {"bareHeldKb", r.bareMemory.heldKb},
                                    {"loadHeldKb", r.loadMemory.heldKb}});
    for (const Throughput& t : throughputs)
        out["sideFiles"].push_back({{"name", t.name},
                                    {"bytes", t.bytes},
                                    {"plainReadSeconds", t.plainRead},
                                    {"readerSeconds", t.reader}});
    return out;
}

int Compare(int argc, char** argv) {
    int rounds = 7;
    bool million = false;
    std::string only;
    std::string json;
    std::string kept;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--million")
            million = true;
        else if (arg == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (arg == "--json" && i + 1 < argc)
            json = argv[++i];
        else if (arg == "--keep" && i + 1 < argc)
            kept = argv[++i];
        else {
            std::cerr << kUsage;
            return 2;
        }
    }
    const std::unique_ptr<BenchmarkDocuments> documents =
        kept.empty() ? std::make_unique<BenchmarkDocuments>()
                     : std::make_unique<BenchmarkDocuments>(kept);
    std::vector<Row> rows;
    PrintHeader();
    for (const Case& c : Cases(*documents, million)) {
        if (c.name.find(only) == std::string::npos)
            continue;
        Row row;
        row.what = c;
        row.bytes = std::filesystem::file_size(c.document);
        Measure(row, rounds);
        row.bareMemory = ProbeInChild("bare", c);
        row.loadMemory = ProbeInChild("load", c);
        rows.push_back(row);
        PrintRow(row);
    }
    std::vector<Throughput> throughputs;
    if (std::string("side files").find(only) != std::string::npos || only.empty()) {
        throughputs = SideFileThroughput(*documents, 10000).Measure(rounds);
        std::printf("\n%-28s %9s %12s %12s %6s\n", "side file", "MB", "plain MB/s", "reader MB/s",
                    "share");
        for (const Throughput& t : throughputs) {
            const double mb = static_cast<double>(t.bytes) / 1e6;
            std::printf("%-28s %9.1f %12.0f %12.0f %6.2f\n", t.name.c_str(), mb, mb / t.plainRead,
                        mb / t.reader, t.plainRead / t.reader);
        }
    }
    if (!json.empty())
        std::ofstream(json) << Json(rows, throughputs).dump(2) << '\n';
    return 0;
}

int Run(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (mode == "--probe" && argc >= 4)
        return Probe(argv[2], argv[3], argc > 4 ? argv[4] : argv[3]);
    if (mode == "--repeat" && argc == 5)
        return Repeat(argv[2], argv[3], std::atoi(argv[4]));
    return Compare(argc, argv);
}

} // namespace
} // namespace Orvik::Bench

int main(int argc, char** argv) {
    // Held for the whole run, as a host would, so neither side pays the platform's set-up.
    xercesc::XMLPlatformUtils::Initialize();
    int status = 1;
    try {
        status = Orvik::Bench::Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "orvik_load_comparison: " << e.what() << '\n';
    }
    xercesc::XMLPlatformUtils::Terminate();
    return status;
}
