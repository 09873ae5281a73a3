#include "SampleDocument.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <string>

namespace {

constexpr const char* kProgram = "orvik-xml-sample";

struct CommandLine {
    std::string folder;
    std::string name = "sample";
    Orvik::Sample::SampleOptions options;
};

void DefineOptions(CLI::App& app, CommandLine& line) {
    app.add_option("OUTDIR", line.folder,
                   "the folder that receives NAME.xml, NAME.zip and the side files")
        ->required();
    app.add_option("--name", line.name, "the documents' name")->capture_default_str();
    app.add_option("--parts", line.options.partCount,
                   "instances of the shared shaft part in the assembly")
        ->capture_default_str()
        ->check(CLI::PositiveNumber);
    app.set_version_flag("--version", std::string(kProgram) + " " + ORVIK_VERSION);
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("Writes a sample document with every kind of element and side file.", kProgram);
    CommandLine line;
    DefineOptions(app, line);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(e);
        std::cerr << kProgram << ": " << e.what() << '\n' << app.help();
        return 2;
    }
    try {
        Orvik::Sample::SampleDocument(line.options).WriteTo(line.folder, line.name);
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
