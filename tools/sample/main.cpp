#include "SampleDocument.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: orvik-xml-sample OUTDIR [--name NAME] [--parts N]\n"
    "  writes OUTDIR/NAME.xml and OUTDIR/NAME.zip (default NAME: sample)\n"
    "  --parts N    instances of the shared shaft part in the assembly (default 3)\n";

} // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::string name = "sample";
    Orvik::Sample::SampleOptions options;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--name" && i + 1 < argc)
                name = argv[++i];
            else if (arg == "--parts" && i + 1 < argc)
                options.partCount = static_cast<unsigned>(std::stoul(argv[++i]));
            else if (arg[0] != '-' && folder.empty())
                folder = arg;
            else
                throw std::invalid_argument("unknown argument " + arg);
        }
        if (folder.empty())
            throw std::invalid_argument("missing OUTDIR");
    } catch (const std::exception& e) {
        std::cerr << "orvik-xml-sample: " << e.what() << '\n' << kUsage;
        return 2;
    }
    try {
        Orvik::Sample::SampleDocument(options).WriteTo(folder, name);
    } catch (const std::exception& e) {
        std::cerr << "orvik-xml-sample: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
