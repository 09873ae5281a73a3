#include "PresentationFixture.h"

namespace Orvik::Test {
namespace {

class ViewTest : public PresentationFixture {
protected:
    template <typename View = IView>
    const View& LoadView(const std::string& attributes, const std::string& children) {
        LoadSet(R"(<ViewSet><IView ID="v" Label="View" )" + attributes + ">" + children +
                "</IView></ViewSet>");
        return Get<View>("v");
    }
};

std::string Member(const std::string& path, const char* visibility, const char* extra = "") {
    return "<ViewMemberChild><OccurrencePath Path=\"" + path +
           "\"/><EntityVisibility Visibility=\"" + visibility + "\"/>" + extra +
           "</ViewMemberChild>";
}

TEST_F(ViewTest, APlainViewAnswersWhatItWasGiven) {
    const IView& view = LoadView(R"(Visibility="false" VersionPersistentId="v7")",
                                 R"(<Unit LengthUnit="kUnitType_Inch"/>
           <CameraSet><CameraRef ID="c1"/><CameraRef ID=""/></CameraSet>
           <CameraSet><CameraRef ID="c2"/><CameraRef ID="c1"/></CameraSet>
           <ViewMember>)" +
                                     Member("[i1][i2]", "1",
                                            R"(<Styles><StyleRef ID="s1"/></Styles>
                      <Transform>1 0 0 0 0 1 0 0 0 0 1 0 4 5 6 1</Transform>)") +
                                     R"(<Other/></ViewMember>)");
    EXPECT_EQ(KindOf(Find("v")), ObjectKindEnum::kView);
    EXPECT_FALSE(view.IsVisible());
    EXPECT_TRUE(view.IsActive());
    EXPECT_EQ(Answer<UnitTypeEnum>(view, &IView::Unit), UnitTypeEnum::kUnitType_Inch);
    EXPECT_EQ(Ids(view.Cameras()), (std::vector<std::string>{"c1", "c2"}));
    ASSERT_EQ(view.MemberCount(), 1u);
    EXPECT_EQ(Ids(view.MemberOccurrencePath(0)), (std::vector<std::string>{"i1", "i2"}));
    EXPECT_TRUE(view.MemberVisibility(0));
    EXPECT_EQ(Ids(view.MemberStyles(0)), std::vector<std::string>{"s1"});
    EXPECT_EQ(view.MemberTransform(0).At(3, 2), 6.0);
    EXPECT_THROW(view.MemberVisibility(1), std::out_of_range);
    EXPECT_EQ(Ids(Sets().ViewSet()), std::vector<std::string>{"v"});
}

TEST_F(ViewTest, ActivityAndUnitFollowTheirAttributes) {
    const struct {
        const char* attributes;
        const char* children;
        bool active;
        std::optional<UnitTypeEnum> unit;
    } cases[] = {
        {"", "", true, std::nullopt},
        {R"(IsActive="0")", "", false, std::nullopt},
        {R"(IsActive="7")", R"(<Unit LengthUnit="Parsec"/>)", true,
         UnitTypeEnum::kUnitType_Unknown},
        {R"(IsActive="no")", "<Unit/>", false, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        const IView& view = LoadView(c.attributes, c.children);
        EXPECT_EQ(view.IsActive(), c.active);
        EXPECT_EQ(Answer<UnitTypeEnum>(view, &IView::Unit), c.unit);
    }
}

// The member list is keyed by occurrence path: a repeated path replaces its record, which moves
// to the end.
TEST_F(ViewTest, MemberOverridesArePerOccurrencePath) {
    const IView& view =
        LoadView("", "<ViewMember>" + Member("[a]", "1") + Member("[b]", "0") + Member("[c]", "1") +
                         Member("[a]", "0") + "</ViewMember><ViewMember>" + Member("[b]", "1") +
                         Member("", "1") + "</ViewMember>");
    ASSERT_EQ(view.MemberCount(), 4u);
    std::vector<std::pair<std::vector<std::string>, bool>> members;
    for (std::size_t i = 0; i < view.MemberCount(); ++i)
        members.emplace_back(Ids(view.MemberOccurrencePath(i)), view.MemberVisibility(i));
    const std::vector<std::pair<std::vector<std::string>, bool>> expected{
        {{"c"}, true}, {{"a"}, false}, {{"b"}, true}, {{}, true}};
    EXPECT_EQ(members, expected);
}

TEST_F(ViewTest, MemberChildrenWithoutRequiredAttributesAreSkipped) {
    const IView& view =
        LoadView("", R"(<ViewMember><ViewMemberChild><OccurrencePath/><EntityVisibility/>
               </ViewMemberChild></ViewMember>)");
    ASSERT_EQ(view.MemberCount(), 1u);
    EXPECT_TRUE(view.MemberOccurrencePath(0).IsEmpty());
    EXPECT_FALSE(view.MemberVisibility(0));
    EXPECT_EQ(Diagnosed(DiagnosticCode::kReadFailed).size(), 2u);
}

TEST_F(ViewTest, APlainViewIgnoresFlatToScreenMemberContent) {
    const IView& view = LoadView(
        "", "<ViewMember>" +
                Member("[a]", "1", R"(<ViewWithFlatToScreenMemberChild IsFlatToScreen="1"/>)") +
                "</ViewMember>");
    EXPECT_EQ(KindOf(Find("v")), ObjectKindEnum::kView);
    EXPECT_EQ(view.MemberCount(), 1u);
}

TEST_F(ViewTest, FlatToScreenViewReadsItsBoxAndMemberFlags) {
    const auto& view = LoadView<IViewWithFlatToScreen>(
        "", "<ViewMember>" +
                Member("[a]", "1",
                       R"(<ViewWithFlatToScreenMemberChild IsFlatToScreen="1">
                            <FlagAssociation><FlagAnnotationPath Path="[f1][f2]"/>
                              <FlagAnnotationPath Path="[f1][f2]"/></FlagAssociation>
                            <FlagAssociation/>
                          </ViewWithFlatToScreenMemberChild>)") +
                Member("[b]", "1") + "</ViewMember>" +
                R"(<IViewWithFlatToScreen>
                     <FlatToScreenBox Width="1" Height="2"/>
                     <FlatToScreenBox Width="30" Height="20" IsScalableWithCamera="1">
                       <LeftBottomCorner X="4" Y="5"/></FlatToScreenBox>
                   </IViewWithFlatToScreen>)");
    EXPECT_EQ(KindOf(Find("v")), ObjectKindEnum::kViewWithFlatToScreen);
    double x = 0, y = 0, width = 0, height = 0;
    bool scalable = false;
    ASSERT_EQ(view.FlatToScreenBox(x, y, width, height, scalable),
              IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ((std::array<double, 4>{x, y, width, height}), (std::array<double, 4>{4, 5, 30, 20}));
    EXPECT_TRUE(scalable);
    ASSERT_EQ(view.MemberCount(), 2u);
    EXPECT_TRUE(view.MemberIsFlatToScreen(0));
    EXPECT_FALSE(view.MemberIsFlatToScreen(1));
    IdSetSet flags;
    ASSERT_EQ(view.MemberFlagAssociation(0, flags), IsValueSpecifiedEnum::kSpecified);
    ASSERT_EQ(flags.Size(), 2u);
    EXPECT_EQ(Ids(flags.At(1)), (std::vector<std::string>{"f1", "f2"}));
    EXPECT_EQ(view.MemberFlagAssociation(1, flags), IsValueSpecifiedEnum::kUnspecified);
    EXPECT_THROW(view.MemberIsFlatToScreen(2), std::out_of_range);
}

// The box counts as given whatever it holds; what is missing or not a number reads as 0.
TEST_F(ViewTest, FlatToScreenBoxIsSpecifiedWithMissingValues) {
    const std::pair<const char*, std::array<double, 4>> cases[] = {
        {"<FlatToScreenBox/>", {0, 0, 0, 0}},
        {R"(<FlatToScreenBox Width="wide" Height="3"><LeftBottomCorner Y="2"/></FlatToScreenBox>)",
         {0, 2, 0, 3}}};
    for (const auto& [box, values] : cases) {
        SCOPED_TRACE(box);
        const auto& view = LoadView<IViewWithFlatToScreen>(
            "", std::string("<IViewWithFlatToScreen>") + box + "</IViewWithFlatToScreen>");
        double x = -1, y = -1, width = -1, height = -1;
        bool scalable = true;
        ASSERT_EQ(view.FlatToScreenBox(x, y, width, height, scalable),
                  IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ((std::array<double, 4>{x, y, width, height}), values);
        EXPECT_FALSE(scalable);
    }
    const auto& empty = LoadView<IViewWithFlatToScreen>("", "<IViewWithFlatToScreen/>");
    double x = 0, y = 0, width = 0, height = 0;
    bool scalable = false;
    EXPECT_EQ(empty.FlatToScreenBox(x, y, width, height, scalable),
              IsValueSpecifiedEnum::kUnspecified);
}

TEST_F(ViewTest, ViewsWithoutIdOrLabelAreSkipped) {
    LoadSet(R"(<ViewSet><IView Label="L"/><IView ID="nolabel"/><IView ID="v" Label="L"/>
               <IView ID="v" Label="L2"/></ViewSet>)");
    EXPECT_EQ(Ids(Sets().ViewSet()), std::vector<std::string>{"v"});
    EXPECT_EQ(Find("nolabel"), nullptr);
    EXPECT_EQ(Get<IView>("v").Label().ToUTF8(), "L");
}

} // namespace
} // namespace Orvik::Test
