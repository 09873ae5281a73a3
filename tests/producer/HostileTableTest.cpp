#include "HostileLoad.h"
#include "HostileRows.h"
#include "TempDirectory.h"

#include <cctype>
#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

using namespace Hostile;

// Each hostile row ends as the table says: a document row in a FileException naming the
// document and the reason, a side-file row in a load that leaves the file out, says so in a
// diagnostic on each element that named it, and hands nothing of it to the host. How fast and
// how small is measured by bench/hostile's runner, not here.
class HostileTableTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(HostileTableTest, EndsAsTheTableSays) {
    const HostileRow& row = HostileRows::All()[GetParam()];
    const TestSupport::TempDirectory dir;
    const HostileOutcome outcome = HostileLoad::Run(row.build(dir.Root()));
    EXPECT_EQ(HostileLoad::Mismatch(row, outcome), "") << HostileLoad::Summary(row, outcome);
}

std::string RowName(const ::testing::TestParamInfo<std::size_t>& info) {
    std::string name;
    for (const char c : HostileRows::All()[info.param].name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    return std::to_string(info.param) + "_" + name;
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileTableTest,
                         ::testing::Range(std::size_t{0}, HostileRows::All().size()), RowName);

} // namespace
} // namespace Orvik::Test
