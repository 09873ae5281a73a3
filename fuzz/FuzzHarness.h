#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Orvik::Fuzz {

// Writes inputs into a private folder and loads documents from there as a host would, so every
// reader runs exactly as it does in production.
class FuzzHarness {
public:
    FuzzHarness();
    ~FuzzHarness();
    FuzzHarness(const FuzzHarness&) = delete;
    FuzzHarness& operator=(const FuzzHarness&) = delete;

    void WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size) const;
    void WriteFile(const std::string& name, const std::string& text) const;
    // Loads the document, walks every object the load holds and ends the process; the
    // framework's exceptions are an expected outcome for bad input.
    void Load(const std::string& documentName) const;

private:
    std::string m_folder;
};

} // namespace Orvik::Fuzz
