// A zipped document: the archive's names, layout and limits, then the document it holds.
#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Orvik::Fuzz::FuzzHarness harness;
    harness.WriteFile("document.zip", data, size);
    harness.Load("document.zip");
    return 0;
}
