// The XML document itself, as the producer parses and loads it.
#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Orvik::Fuzz::FuzzHarness harness;
    harness.WriteFile("document.xml", data, size);
    harness.Load("document.xml");
    return 0;
}
