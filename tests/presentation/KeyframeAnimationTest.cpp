#include "PresentationFixture.h"
#include "orvik/writer/AnimationFileWriter.h"
#include "orvik/writer/CFile.h"

namespace Orvik::Test {
namespace {

using Writer::AnimationFileWriter;

const std::string kSection = R"(<AnimationInfo GenerateAnimation="True" Path="anim.bin"/>)";

AnimationFileWriter::Matrix Shift(double z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, z, 1};
}

std::string Inline(const char* frames) {
    return std::string(R"(<KeyframeTransformData LengthUnit="kUnitType_Meter">)") + frames +
           "</KeyframeTransformData>";
}

// Frame and z translation of each keyframe.
using Frames = std::vector<std::pair<double, double>>;

class KeyframeAnimationTest : public PresentationFixture {
protected:
    const IKeyframeAnimation& LoadAnimation(const std::string& attributes,
                                            const std::string& children,
                                            const std::string& before = "") {
        LoadSet(R"(<AnimationSet><IKeyframeAnimation ID="a" Label="Anim" )" + attributes + ">" +
                    children + "</IKeyframeAnimation></AnimationSet>",
                before);
        return Get<IKeyframeAnimation>("a");
    }

    static const IKeyframeTransformData* DataOf(const IKeyframeAnimation& animation) {
        IKeyframeTypeData* data = nullptr;
        EXPECT_EQ(animation.KeyframeData(data), IsValueSpecifiedEnum::kSpecified);
        return dynamic_cast<const IKeyframeTransformData*>(data);
    }

    static Frames FramesOf(const IKeyframeAnimation& animation) {
        Frames frames;
        if (const IKeyframeTransformData* data = DataOf(animation)) {
            for (unsigned long i = 0; i < data->FrameCount(); ++i) {
                double frame = 0;
                Matrix3d transform;
                data->TransformAt(i, frame, transform);
                frames.emplace_back(frame, transform.At(3, 2));
            }
        }
        return frames;
    }

    void WriteFile(const AnimationFileWriter& file) { file.WriteTo(m_dir.PathOf("anim.bin")); }
};

TEST_F(KeyframeAnimationTest, TimeLineAndInlineKeyframes) {
    const IKeyframeAnimation& animation = LoadAnimation(
        R"(StartFrame="2" EndFrame="40" DefaultFrame="5" FramesPerSecond="24"
           InterpolationType="kInterpolationType_Step")",
        Inline(R"(<Keyframe Keyframe="0"><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 1 1</Transform>
                  </Keyframe>
                  <Keyframe Keyframe="10"><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 2 1</Transform>
                    <Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 3 1</Transform></Keyframe>
                  <Keyframe><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 4 1</Transform></Keyframe>)"));
    EXPECT_EQ(animation.Label().ToUTF8(), "Anim");
    EXPECT_EQ(animation.StartFrame(), 2.0);
    EXPECT_EQ(animation.EndFrame(), 40.0);
    EXPECT_EQ(Answer<double>(animation, &IAnimation::DefaultFrame), 5.0);
    EXPECT_EQ(animation.FramesPerSecond(), 24.0);
    EXPECT_EQ(Answer<IAnimation::InterpolationTypeEnum>(animation, &IAnimation::InterpolationType),
              IAnimation::kInterpolationType_Step);
    EXPECT_EQ(FramesOf(animation), (Frames{{0, 1}, {10, 2}, {10, 3}, {0, 4}}));
    const IKeyframeTransformData* data = DataOf(animation);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(Answer<UnitTypeEnum>(*data, &IKeyframeTransformData::LengthUnit),
              UnitTypeEnum::kUnitType_Meter);
    // Past the last record both outputs stay as they were.
    double frame = -1;
    Matrix3d transform;
    transform.Set(0, 0, 9);
    data->TransformAt(data->FrameCount(), frame, transform);
    EXPECT_EQ(frame, -1.0);
    EXPECT_EQ(transform.At(0, 0), 9.0);
    EXPECT_EQ(Ids(Sets().AnimationSet()), std::vector<std::string>{"a"});
}

TEST_F(KeyframeAnimationTest, InlineKeyframeRules) {
    const struct {
        const char* name;
        std::string children;
        std::optional<Frames> frames; // empty: no data object
    } cases[] = {
        {"no transform text makes no data",
         Inline(R"(<Keyframe Keyframe="1"><Transform/></Keyframe><Keyframe/>)"), std::nullopt},
        {"the last list with frames wins",
         Inline(R"(<Keyframe Keyframe="1"><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 1 1</Transform>
                   </Keyframe>)") +
             Inline(R"(<Keyframe Keyframe="2"><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 2 1</Transform>
                   </Keyframe>)") +
             Inline(""),
         Frames{{2, 2}}},
        {"bad transform text is passed over",
         Inline(R"(<Keyframe Keyframe="1"><Transform>not a matrix</Transform>
                   <Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 5 1</Transform></Keyframe>)"),
         Frames{{1, 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IKeyframeAnimation& animation = LoadAnimation("", c.children);
        if (c.frames)
            EXPECT_EQ(FramesOf(animation), *c.frames);
        else
            EXPECT_EQ(DataOf(animation), nullptr);
    }
}

TEST_F(KeyframeAnimationTest, AnUnknownInterpolationIsStillSpecified) {
    const IKeyframeAnimation& animation = LoadAnimation(R"(InterpolationType="Smooth")", "");
    EXPECT_EQ(Answer<IAnimation::InterpolationTypeEnum>(animation, &IAnimation::InterpolationType),
              IAnimation::kInterpolationType_Linear);
    EXPECT_EQ(Answer<double>(animation, &IAnimation::DefaultFrame), std::nullopt);
}

TEST_F(KeyframeAnimationTest, AnAnimationInTheSideFileIgnoresItsChildren) {
    AnimationFileWriter file;
    file.AddTransformRecord(AnimationFileWriter::NameFor("a"), {{0, Shift(7)}, {12, Shift(8)}},
                            true, 4);
    WriteFile(file);
    const IKeyframeAnimation& animation = LoadAnimation(
        R"(AnimationDataType="kKeyframeTypeData_Transform")",
        Inline(R"(<Keyframe Keyframe="1"><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 1 1</Transform>
                  </Keyframe>)"),
        kSection);
    EXPECT_EQ(FramesOf(animation), (Frames{{0, 7}, {12, 8}}));
    EXPECT_EQ(Answer<UnitTypeEnum>(*DataOf(animation), &IKeyframeTransformData::LengthUnit),
              UnitTypeEnum::kUnitType_Meter);
}

TEST_F(KeyframeAnimationTest, InlineKeyframesWhenTheFileHasNone) {
    const char* frames =
        R"(<Keyframe Keyframe="3"><Transform>1 0 0 0 0 1 0 0 0 0 1 0 0 0 1 1</Transform>
           </Keyframe>)";
    AnimationFileWriter other;
    other.AddTransformRecord(AnimationFileWriter::NameFor("other"), {{0, Shift(7)}});
    AnimationFileWriter wrongType;
    wrongType.AddRecord(AnimationFileWriter::NameFor("a"), 9, "");
    AnimationFileWriter badPayload;
    badPayload.AddRecord(AnimationFileWriter::NameFor("a"), 0, std::string(17, '\xff'));
    const struct {
        const char* name;
        const AnimationFileWriter* file; // null: the section names no file that exists
        std::size_t diagnosed;
    } cases[] = {{"no file", nullptr, 1},
                 {"another name", &other, 0},
                 {"unknown type", &wrongType, 1},
                 {"payload unreadable", &badPayload, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_dir.PathOf("anim.bin"));
        if (c.file)
            WriteFile(*c.file);
        const IKeyframeAnimation& animation = LoadAnimation("", Inline(frames), kSection);
        EXPECT_EQ(FramesOf(animation), (Frames{{3, 1}}));
        EXPECT_EQ(Diagnosed(DiagnosticCode::kSideFileUnreadable).size(), c.diagnosed);
    }
}

// A file cut short keeps the records that lie whole before the cut; the load says so once.
TEST_F(KeyframeAnimationTest, ADamagedFileStillGivesTheRecordsBeforeTheDamage) {
    AnimationFileWriter file;
    file.AddTransformRecord(AnimationFileWriter::NameFor("a"), {{4, Shift(6)}});
    file.AddTransformRecord(AnimationFileWriter::NameFor("b"), {{1, Shift(1)}});
    const std::string bytes = file.Bytes();
    Writer::CFile cut(m_dir.PathOf("anim.bin"), "wb");
    cut.WriteAll(bytes.substr(0, bytes.size() - 3));
    cut.Close();
    const IKeyframeAnimation& animation = LoadAnimation("", "", kSection);
    EXPECT_EQ(FramesOf(animation), (Frames{{4, 6}}));
    const std::vector<std::string> said = Diagnosed(DiagnosticCode::kSideFileUnreadable);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said.front().find("record 2 of 2 is cut short; 1 record(s) before it are used"),
              std::string::npos)
        << said.front();
}

// The record is filed under the id as the document writes it.
TEST_F(KeyframeAnimationTest, TheSideFileIsAskedByTheDocumentIdUnderAPrefix) {
    AnimationFileWriter file;
    file.AddTransformRecord(AnimationFileWriter::NameFor("a"), {{1, Shift(2)}});
    WriteFile(file);
    Load(kSection + R"(<IAssembly ID="asm"><AttributeSet><AnimationSet>
           <IKeyframeAnimation ID="a" Label="L"/></AnimationSet></AttributeSet></IAssembly>)",
         "P");
    const IKeyframeAnimation* animation = nullptr;
    m_context->Context().Collector().ForEach([&](IObject& object) {
        if (KindOf(&object) == ObjectKindEnum::kKeyframeAnimation)
            animation = dynamic_cast<const IKeyframeAnimation*>(&object);
    });
    ASSERT_NE(animation, nullptr);
    EXPECT_NE(animation->Id().Value(), "a");
    EXPECT_EQ(FramesOf(*animation), (Frames{{1, 2}}));
}

TEST_F(KeyframeAnimationTest, AnimationsWithoutLabelAreSkipped) {
    LoadSet(R"(<AnimationSet><IKeyframeAnimation ID="x"/><IKeyframeAnimation ID="a" Label="L"/>
               </AnimationSet>)");
    EXPECT_EQ(Ids(Sets().AnimationSet()), std::vector<std::string>{"a"});
    EXPECT_EQ(Find("x"), nullptr);
}

} // namespace
} // namespace Orvik::Test
