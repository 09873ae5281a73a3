#pragma once

#include <cstddef>
#include <string>

namespace Orvik::Bench {

// Documents of a given size, written once per size into a folder of their own.
class BenchmarkDocuments {
public:
    // In a temporary folder, removed at the end.
    BenchmarkDocuments();
    // In the given folder, kept (for profiling one document later); documents already there
    // are reused.
    explicit BenchmarkDocuments(const std::string& keptFolder);
    ~BenchmarkDocuments();
    BenchmarkDocuments(const BenchmarkDocuments&) = delete;
    BenchmarkDocuments& operator=(const BenchmarkDocuments&) = delete;

    // Top-level files in reverse id order, each listing the next as its child.
    std::string ChainedFiles(std::size_t count);
    // One assembly placing one part through many instances.
    std::string AssemblyOfInstances(std::size_t count);
    // One assembly with that many instances, each placing one small sub-assembly holding a part.
    std::string InstancesOfSubAssembly(std::size_t count);
    // Parts each holding a mesh and a curve of the stream file and a body of the body file.
    std::string GeometryParts(std::size_t count);
    // The bundled sample with that many shaft instances, and its side files.
    std::string ScaledSample(std::size_t parts);
    // The document of that path packed with the side files of its folder; the path of the zip.
    std::string Zipped(const std::string& xmlPath);

    // Side files of GeometryParts(count), for reading them alone.
    std::string GeometryStreamOf(std::size_t count);
    std::string BodyFileOf(std::size_t count);

    const std::string& Folder() const { return m_folder; }

private:
    std::string FolderFor(const std::string& name) const;

    std::string m_folder;
    bool m_keep = false;
};

} // namespace Orvik::Bench
