#include "DocumentInspector.h"
#include "TextReport.h"
#include "orvik/xml_producer.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace {

constexpr const char* kProgram = "orvik-xml-inspect";

struct CommandLine {
    Orvik::Inspect::InspectOptions options;
    bool json = false;
};

void DefineOptions(CLI::App& app, CommandLine& line) {
    app.add_option("PATH", line.options.path,
                   "an XML document, or a zip archive holding one with its side files")
        ->required();
    app.add_flag("--json", line.json, "print the model as JSON instead of a readable tree");
    app.add_flag("--all", line.options.allObjects,
                 "list every object the load holds, not only those reached from the root");
    app.add_option("--prefix", line.options.idPrefix,
                   "give objects new ids: P followed by a running number")
        ->option_text("P")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--diagnostics", line.options.diagnostics,
                 "add what the load skipped, refused or mended");
    app.set_version_flag("--version", std::string(kProgram) + " " + ORVIK_VERSION);
}

// Help and version go to stdout with status 0; a usage error names the problem and shows the
// options on stderr.
int ReportParseResult(const CLI::App& app, const CLI::ParseError& e) {
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
        return app.exit(e);
    std::cerr << kProgram << ": " << e.what() << '\n' << app.help();
    return 2;
}

int ReportFailure(const Orvik::Exception& e) {
    std::cerr << kProgram << ": " << e.Message().Value() << '\n';
    if (const auto* fileError = dynamic_cast<const Orvik::FileException*>(&e))
        std::cerr << "  error code: " << fileError->ErrorCode()
                  << "\n  file: " << fileError->FileName().ToUTF8() << '\n';
    return 1;
}

int Run(const CommandLine& line) {
    try {
        const Orvik::Inspect::Json model =
            Orvik::Inspect::DocumentInspector(line.options).Inspect();
        if (line.json)
            std::cout << Orvik::Inspect::JsonText(model, 2) << '\n';
        else
            Orvik::Inspect::TextReport::Print(model, line.options.allObjects, std::cout);
        return 0;
    } catch (const Orvik::Exception& e) {
        return ReportFailure(e);
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("Loads an Orvik XML document as a host would and prints what it got.", kProgram);
    CommandLine line;
    DefineOptions(app, line);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return ReportParseResult(app, e);
    }
    line.options.hasIdPrefix = app.count("--prefix") > 0;
    return Run(line);
}
