#include "DocumentInspector.h"
#include "HierarchyTreeRenderer.h"
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

// The readable form: the document and its universe, the hierarchy as a tree, and with --all
// every object in detail.
void PrintText(const Orvik::Inspect::JsonValue& model, bool allObjects) {
    Orvik::Inspect::JsonValue header = Orvik::Inspect::JsonValue::Object();
    for (const auto& [name, value] : model.Fields())
        if (name != "objects")
            header.Set(name, value);
    Orvik::Inspect::TextRenderer::Render(header, std::cout);
    Orvik::Inspect::HierarchyTreeRenderer::Render(model, std::cout);
    if (allObjects) {
        Orvik::Inspect::JsonValue objects = Orvik::Inspect::JsonValue::Object();
        objects.Set("objects", *model.Find("objects"));
        Orvik::Inspect::TextRenderer::Render(objects, std::cout);
    }
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
            PrintText(model, line.options.allObjects);
        }
        return 0;
    } catch (const Orvik::Exception& e) {
        return ReportFailure(e);
    } catch (const std::exception& e) {
        std::cerr << "orvik-xml-inspect: " << e.what() << '\n';
        return 1;
    }
}
