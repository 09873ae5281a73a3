#include "Command.h"
#include "TempDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace Orvik::Test {
namespace {

TEST(SampleCommandTest, ExitCodesAndWrittenFiles) {
    TestSupport::TempDirectory dir;
    const std::string folder = dir.Root().string();
    const struct {
        std::string arguments;
        int exitCode;
        const char* output;
    } cases[] = {
        {"", 2, "OUTDIR is required"},
        {folder + " --parts 0", 2, "--parts"},
        {folder + " --bogus", 2, "--bogus"},
        {"--help", 0, "--parts"},
        {"--version", 0, "orvik-xml-sample " ORVIK_VERSION},
        {folder + " --name demo --parts 2", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const TestSupport::CommandResult result =
            TestSupport::RunCommand(std::string(ORVIK_SAMPLE_EXE) + " " + c.arguments + " 2>&1");
        EXPECT_EQ(result.exitCode, c.exitCode) << result.output;
        EXPECT_NE(result.output.find(c.output), std::string::npos) << result.output;
    }
    EXPECT_TRUE(std::filesystem::exists(dir.Root() / "demo.xml"));
    EXPECT_TRUE(std::filesystem::exists(dir.Root() / "demo.zip"));
}

} // namespace
} // namespace Orvik::Test
