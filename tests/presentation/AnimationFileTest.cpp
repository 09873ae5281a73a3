#include "TempDirectory.h"
#include "orvik/writer/AnimationFileWriter.h"
#include "orvik/writer/CFile.h"
#include "orvik/writer/LittleEndianBytes.h"
#include "xml_util/AnimationReader.h"
#include "xml_util/XMLUtils.h"

#include <gtest/gtest.h>

namespace Orvik::Test {
namespace {

using Writer::AnimationFileWriter;
using Writer::LittleEndianBytes;

AnimationFileWriter::Matrix Shift(double z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, z, 1};
}

class AnimationFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) {
        const std::string path = m_dir.PathOf("anim.bin");
        Writer::CFile file(path, "wb");
        file.WriteAll(bytes);
        file.Close();
        return path;
    }

    // Loads the bytes; the frames of the record of that name, or -1 frames when it gives none.
    long FramesOf(AnimationReader& reader, const std::string& name, std::string& problem) {
        const auto data = reader.ReadKeyframeTypeData(
            XMLUtils::GenerateExternalAnimationFileName(UTF8String(name)),
            AnimationReader::kKeyframeTypeData_Transform, problem);
        const auto* frames = dynamic_cast<const IKeyframeTransformData*>(data.get());
        return frames ? static_cast<long>(frames->FrameCount()) : -1;
    }

    TestSupport::TempDirectory m_dir;
};

TEST_F(AnimationFileTest, RecordsReadBackAsWritten) {
    AnimationFileWriter file;
    file.AddTransformRecord(AnimationFileWriter::NameFor("a"), {{0, Shift(1)}, {5, Shift(2)}}, true,
                            4);
    file.AddTransformRecord(AnimationFileWriter::NameFor("b"), {});
    file.AddTransformRecord(AnimationFileWriter::NameFor("a"), {{9, Shift(3)}});
    AnimationReader reader;
    ASSERT_TRUE(reader.Load(UTF16String(Write(file.Bytes()))));
    EXPECT_EQ(reader.RecordCount(), 2u);
    std::string problem;
    // A later record of a name replaces the earlier.
    const auto data = reader.ReadKeyframeTypeData(
        u"Animation_a", AnimationReader::kKeyframeTypeData_Transform, problem);
    const auto* frames = dynamic_cast<const IKeyframeTransformData*>(data.get());
    ASSERT_NE(frames, nullptr);
    ASSERT_EQ(frames->FrameCount(), 1u);
    double frame = 0;
    Matrix3d transform;
    frames->TransformAt(0, frame, transform);
    EXPECT_EQ(frame, 9.0);
    EXPECT_EQ(transform.At(3, 2), 3.0);
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Hour;
    EXPECT_EQ(frames->LengthUnit(unit), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_EQ(FramesOf(reader, "b", problem), 0);
    EXPECT_EQ(FramesOf(reader, "c", problem), -1);
    EXPECT_TRUE(problem.empty());
    const UTF16String path(m_dir.PathOf("anim.bin"));
    EXPECT_NE(AnimationReader::ReadKeyframeTypeDataFromExternalFile(
                  path, u"Animation_b", AnimationReader::kKeyframeTypeData_Transform),
              nullptr);
    EXPECT_EQ(AnimationReader::ReadKeyframeTypeDataFromExternalFile(
                  path, u"Animation_c", AnimationReader::kKeyframeTypeData_Transform),
              nullptr);
}

// Cut at every byte: the reader fails, keeps exactly the records that lie whole before the cut,
// and never reads past what is there.
TEST_F(AnimationFileTest, EveryTruncationPointFailsAndKeepsTheWholeRecordsBefore) {
    AnimationFileWriter one;
    one.AddTransformRecord(AnimationFileWriter::NameFor("a"), {{0, Shift(1)}, {5, Shift(2)}}, true,
                           1);
    AnimationFileWriter both = one;
    both.AddTransformRecord(AnimationFileWriter::NameFor("b"), {{1, Shift(1)}});
    const std::string bytes = both.Bytes();
    // The count word has one size whatever it holds, so the first record ends where the file
    // of that record alone does.
    const std::size_t firstEnd = one.Bytes().size();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        AnimationReader reader;
        EXPECT_FALSE(reader.Load(UTF16String(Write(bytes.substr(0, cut)))));
        EXPECT_FALSE(reader.Problem().empty());
        const bool firstWhole = cut >= firstEnd;
        EXPECT_EQ(reader.RecordCount(), firstWhole ? 1u : 0u);
        std::string problem;
        EXPECT_EQ(FramesOf(reader, "a", problem), firstWhole ? 2 : -1);
        EXPECT_EQ(FramesOf(reader, "b", problem), -1);
        EXPECT_TRUE(problem.empty());
    }
    AnimationReader whole;
    EXPECT_TRUE(whole.Load(UTF16String(Write(bytes))));
    EXPECT_EQ(whole.RecordCount(), 2u);
}

// Counts that the bytes left cannot hold fail before anything is allocated for them.
TEST_F(AnimationFileTest, CountsBeyondTheBytesLeftAreRefused) {
    const std::uint64_t huge = ~std::uint64_t{0};
    const std::string name = AnimationFileWriter::NameFor("a");
    const struct {
        const char* what;
        std::string file;
        bool loads;
        std::string problemHas;
    } cases[] = {
        {"record count", LittleEndianBytes().U64(huge).Bytes(), false, "records"},
        {"name length", LittleEndianBytes().U64(1).U64(huge).U64(0).U64(0).Bytes(), false,
         "cut short"},
        {"payload length", LittleEndianBytes().U64(1).String(name).U64(0).U64(huge).Bytes(), false,
         "cut short"},
        {"frame count",
         LittleEndianBytes()
             .U64(1)
             .String(name)
             .U64(0)
             .String(LittleEndianBytes().Byte(0).U64(0).U64(huge / 2).Double(1).Bytes())
             .Bytes(),
         true, "frames"},
        {"unit",
         LittleEndianBytes()
             .U64(1)
             .String(name)
             .U64(0)
             .String(AnimationFileWriter::TransformPayload({}, true, 999))
             .Bytes(),
         true, "unit"},
        {"unknown type", LittleEndianBytes().U64(1).String(name).U64(3).String("").Bytes(), true,
         "not known"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnimationReader reader;
        EXPECT_EQ(reader.Load(UTF16String(Write(c.file))), c.loads);
        std::string problem;
        EXPECT_EQ(FramesOf(reader, "a", problem), -1);
        const std::string said = c.loads ? problem : reader.Problem();
        EXPECT_NE(said.find(c.problemHas), std::string::npos) << said;
    }
}

} // namespace
} // namespace Orvik::Test
