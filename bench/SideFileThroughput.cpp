#include "SideFileThroughput.h"

#include "BenchmarkDocuments.h"
#include "geometry/GeomFileContext.h"
#include "geometry/GeometryStreamFile.h"
#include "geometry/VeldFileReader.h"
#include "producer/XMLProducerImpl.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

namespace Orvik::Bench {
namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double MedianSeconds(int rounds, Work work) {
    std::vector<double> seconds;
    for (int i = 0; i <= rounds; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        // The first round only warms the page cache.
        if (i > 0)
            seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

// The file into a buffer of its size in one read: the fastest way to have its bytes, and the
// way the stream reader takes them too.
std::size_t PlainRead(const std::string& path) {
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(path));
    const std::unique_ptr<char[]> bytes(new char[size]);
    std::ifstream in(path, std::ios::binary);
    in.read(bytes.get(), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in.gcount());
}

// A reader against a plain read of the same file.
template <typename Reader>
Throughput Compare(const char* name, const std::string& path, int rounds, Reader reader) {
    Throughput measured{name, std::filesystem::file_size(path), 0, 0};
    measured.plainRead = MedianSeconds(rounds, [&] { PlainRead(path); });
    measured.reader = MedianSeconds(rounds, reader);
    return measured;
}

} // namespace

SideFileThroughput::SideFileThroughput(BenchmarkDocuments& documents, std::size_t parts)
    : m_document(documents.GeometryParts(parts))
    , m_stream(documents.GeometryStreamOf(parts))
    , m_bodies(documents.BodyFileOf(parts)) {}

std::vector<Throughput> SideFileThroughput::Measure(int rounds) const {
    XMLProducerOptions options;
    XMLProducerImpl producer(UTF16String(m_document), &options);
    const GeomFileContext files(producer.Context(), UTF16String(m_document), false);
    const auto fileName = [](const std::string& path) {
        return UTF16String(std::filesystem::path(path).filename().string());
    };
    const Throughput stream = Compare("geometry stream (meshes)", m_stream, rounds, [&] {
        MeshTable meshes;
        CurveTable curves;
        GeometryStreamFile::ReadGeometryStreamFile(files, fileName(m_stream), meshes, &curves,
                                                   false);
    });
    const Throughput bodies = Compare("body file (binary)", m_bodies, rounds, [&] {
        EdgeCurveTable edges;
        BodyTable bodyTable;
        VeldFileReader::RestoreVeldFile(files, fileName(m_bodies), edges, bodyTable);
    });
    return {stream, bodies};
}

} // namespace Orvik::Bench
