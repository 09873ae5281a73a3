#include "DocumentInspector.h"
#include "TextRenderer.h"
#include "orvik/xml_producer.h"

#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: orvik-xml-inspect PATH [--json] [--all] [--prefix P]\n"
    "  PATH         an XML document, or a zip archive holding one with its side files\n"
    "  --json       print the model as JSON instead of a readable tree\n"
    "  --all        list every object the load holds, not only those reached from the root\n"
    "  --prefix P   give objects new ids: P followed by a running number\n";

struct CommandLine {
    Orvik::Inspect::InspectOptions options;
    bool json = false;
};

bool ParseCommandLine(int argc, char** argv, CommandLine& line) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--json") == 0) {
            line.json = true;
        } else if (std::strcmp(arg, "--all") == 0) {
            line.options.allObjects = true;
        } else if (std::strcmp(arg, "--prefix") == 0 && i + 1 < argc) {
            line.options.idPrefix = argv[++i];
            line.options.hasIdPrefix = true;
        } else if (arg[0] == '-' || !line.options.path.empty()) {
            return false;
        } else {
            line.options.path = arg;
        }
    }
    return !line.options.path.empty();
}

int ReportFailure(const Orvik::Exception& e) {
    std::cerr << "orvik-xml-inspect: " << e.Message().Value() << '\n';
    if (const auto* fileError = dynamic_cast<const Orvik::FileException*>(&e))
        std::cerr << "  error code: " << fileError->ErrorCode()
                  << "\n  file: " << fileError->FileName().ToUTF8() << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    CommandLine line;
    if (!ParseCommandLine(argc, argv, line)) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        const Orvik::Inspect::JsonValue model =
            Orvik::Inspect::DocumentInspector(line.options).Inspect();
        if (line.json) {
            model.Write(std::cout);
            std::cout << '\n';
        } else {
            Orvik::Inspect::TextRenderer::Render(model, std::cout);
        }
        return 0;
    } catch (const Orvik::Exception& e) {
        return ReportFailure(e);
    } catch (const std::exception& e) {
        std::cerr << "orvik-xml-inspect: " << e.what() << '\n';
        return 1;
    }
}
