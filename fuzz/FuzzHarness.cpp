#include "FuzzHarness.h"

#include "orvik/xml_producer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace Orvik::Fuzz {

FuzzHarness::FuzzHarness()
    : m_folder(
          (std::filesystem::temp_directory_path() / ("orvik-fuzz-" + std::to_string(::getpid())))
              .string()) {
    std::filesystem::create_directories(m_folder);
}

FuzzHarness::~FuzzHarness() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void FuzzHarness::WriteFile(const std::string& name, const std::uint8_t* data,
                            std::size_t size) const {
    std::ofstream(m_folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void FuzzHarness::WriteFile(const std::string& name, const std::string& text) const {
    WriteFile(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void FuzzHarness::Load(const std::string& documentName) const {
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(m_folder + "/" + documentName), &options);
    try {
        // A document refused before the parse throws the documented exception here.
        producer.QueryFile();
        FilterOptions filter;
        filter.SetWantSubdivMesh(true);
        producer.BeginProcess(IdSet{UTF8String("0C46B962-76AE-431F-AA0C-5F2398F534CE")}, &filter,
                              nullptr);
        producer.LoadUniverse();
        producer.ForEachObject([](IObject& object) {
            UTF16String key;
            object.ChangeKey(key);
            object.Label();
        });
    } catch (const Exception&) {
    }
    producer.EndProcess();
}

} // namespace Orvik::Fuzz
