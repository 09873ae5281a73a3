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

} // namespace

SideFileThroughput::SideFileThroughput(BenchmarkDocuments& documents, std::size_t parts)
    : m_document(documents.GeometryParts(parts))
    , m_stream(documents.GeometryStreamOf(parts))
    , m_bodies(documents.BodyFileOf(parts)) {}

std::vector<Throughput> SideFileThroughput::Measure(int rounds) const {
    XMLProducerOptions options;
    XMLProducerImpl producer(UTF16String(m_document), &options);
    const GeomFileContext files(producer.Context(), UTF16String(m_document), false);
    Throughput stream{"geometry stream (meshes)", std::filesystem::file_size(m_stream), 0, 0};
    stream.plainRead = MedianSeconds(rounds, [&] { PlainRead(m_stream); });
    stream.reader = MedianSeconds(rounds, [&] {
        MeshTable meshes;
        CurveTable curves;
        GeometryStreamFile::ReadGeometryStreamFile(
            files, UTF16String(std::filesystem::path(m_stream).filename().string()), meshes,
            &curves, false);
    });
    Throughput bodies{"body file (binary)", std::filesystem::file_size(m_bodies), 0, 0};
    bodies.plainRead = MedianSeconds(rounds, [&] { PlainRead(m_bodies); });
    bodies.reader = MedianSeconds(rounds, [&] {
        EdgeCurveTable edges;
        BodyTable bodyTable;
        VeldFileReader::RestoreVeldFile(
            files, UTF16String(std::filesystem::path(m_bodies).filename().string()), edges,
            bodyTable);
    });
    return {stream, bodies};
}

} // namespace Orvik::Bench
