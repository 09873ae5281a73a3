#pragma once

#include <cstddef>
#include <string>

namespace Orvik::Bench {

// Documents of a given size, written once per size into a folder of their own.
class BenchmarkDocuments {
public:
    BenchmarkDocuments();
    ~BenchmarkDocuments();
    BenchmarkDocuments(const BenchmarkDocuments&) = delete;
    BenchmarkDocuments& operator=(const BenchmarkDocuments&) = delete;

    // Top-level files in reverse id order, each listing the next as its child.
    std::string ChainedFiles(std::size_t count);
    // One assembly placing one part through many instances.
    std::string AssemblyOfInstances(std::size_t count);

private:
    std::string m_folder;
};

} // namespace Orvik::Bench
