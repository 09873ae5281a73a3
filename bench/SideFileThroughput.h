#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Orvik::Bench {

class BenchmarkDocuments;

// Median seconds of a side-file reader against a plain read of the same bytes.
struct Throughput {
    std::string name;
    std::uintmax_t bytes = 0;
    double plainRead = 0.0;
    double reader = 0.0;
};

// The stream and body readers on the side files of the geometry document of that many parts.
class SideFileThroughput {
public:
    SideFileThroughput(BenchmarkDocuments& documents, std::size_t parts);

    std::vector<Throughput> Measure(int rounds) const;

private:
    std::string m_document;
    std::string m_stream;
    std::string m_bodies;
};

} // namespace Orvik::Bench
