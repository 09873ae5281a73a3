#include "BenchmarkDocuments.h"

#include "orvik/writer/XmlDocumentBuilder.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace Orvik::Bench {
namespace {

std::string Id(const char* prefix, std::size_t number) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%08zu", prefix, number);
    return text;
}

} // namespace

BenchmarkDocuments::BenchmarkDocuments()
    : m_folder(
          (std::filesystem::temp_directory_path() / ("orvik-bench-" + std::to_string(::getpid())))
              .string()) {
    std::filesystem::create_directories(m_folder);
}

BenchmarkDocuments::~BenchmarkDocuments() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::string BenchmarkDocuments::ChainedFiles(std::size_t count) {
    const std::string path = m_folder + "/files-" + std::to_string(count) + ".xml";
    if (std::filesystem::exists(path))
        return path;
    Writer::XmlDocumentBuilder b;
    b.Open("XMLDocument");
    for (std::size_t i = count; i-- > 0;) {
        b.Open("IFile").Attribute("ID", Id("f", i));
        if (i == 0)
            b.Attribute("IsRoot", "True");
        b.Open("ChildSet").Element("Child", {{"ID", Id("f", i + 1)}}).Close();
        b.Close();
    }
    b.Close();
    b.WriteTo(path);
    return path;
}

std::string BenchmarkDocuments::AssemblyOfInstances(std::size_t count) {
    const std::string path = m_folder + "/instances-" + std::to_string(count) + ".xml";
    if (std::filesystem::exists(path))
        return path;
    Writer::XmlDocumentBuilder b;
    b.Open("XMLDocument");
    b.Open("IFile").Attribute("ID", "file").Attribute("IsRoot", "True");
    b.Open("ChildSet").Element("Child", {{"Type", "IAssembly"}, {"ID", "asm"}}).Close();
    b.Close();
    b.Open("IAssembly").Attribute("ID", "asm").Attribute("Label", "Many");
    b.Open("ChildSet");
    for (std::size_t i = 0; i < count; ++i) {
        b.Open("IInstance").Attribute("ID", Id("i", i)).Attribute("Visibility", "1");
        b.Element("Child", {{"ID", "part"}, {"Transformation", "1 0 0 0 0 1 0 0 0 0 1 0"}});
        b.Close();
    }
    b.Close().Close();
    b.Open("IPart").Attribute("ID", "part").Attribute("Label", "Bolt").Close();
    b.Close();
    b.WriteTo(path);
    return path;
}

} // namespace Orvik::Bench
