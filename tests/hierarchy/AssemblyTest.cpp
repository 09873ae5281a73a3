#include "LoaderFixture.h"
#include "hierarchy/XMLAssembly.h"

#include <stdexcept>

namespace Orvik::Test {
namespace {

using Builder = Writer::XmlDocumentBuilder;

class AssemblyTest : public LoaderFixture {
protected:
    static XMLAssembly& AssemblyOf(XMLProducerImpl& context, const char* id) {
        auto* assembly = dynamic_cast<XMLAssembly*>(context.Context().Find(UTF8String(id)));
        EXPECT_NE(assembly, nullptr) << id;
        return *assembly;
    }

    static void Assembly(Builder& b, const char* id, const std::function<void(Builder&)>& body) {
        b.Open("IAssembly").Attribute("ID", id).Attribute("Label", id);
        body(b);
        b.Close();
    }

    // An assembly whose "ChildSet" references the ids.
    static void AssemblyOfChildren(Builder& b, const char* id,
                                   std::initializer_list<const char*> children,
                                   const char* single = nullptr) {
        b.Open("IAssembly").Attribute("ID", id);
        if (single)
            b.Attribute("IsSingleUnderRoot", single);
        b.Open("ChildSet");
        for (const char* child : children)
            b.Element("Child", {{"ID", child}});
        b.Close().Close();
    }

    static std::vector<UnitTypeEnum> Units(const IUnit& unit) {
        std::vector<UnitTypeEnum> units(3, UnitTypeEnum::kUnitType_Mile);
        EXPECT_EQ(unit.LengthUnit(units[0]), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(unit.DisplayAngleUnit(units[1]), IsValueSpecifiedEnum::kSpecified);
        EXPECT_EQ(unit.DisplayLengthUnit(units[2]), IsValueSpecifiedEnum::kSpecified);
        return units;
    }

    static std::vector<std::string> ChildIds(const IAssembly& assembly) {
        std::vector<std::string> ids;
        for (std::uint64_t i = 0; i < assembly.ChildCount(); ++i)
            ids.push_back(assembly.ChildAt(i).Id().Value());
        return ids;
    }

    template <typename Call>
    static std::string OutOfRangeMessage(Call call) {
        try {
            call();
        } catch (const std::out_of_range& e) {
            return e.what();
        }
        return "no exception";
    }
};

TEST_F(AssemblyTest, UnitsComeFromUnitElseFromTheFirstUnitAndToleranceInAnyLetterCase) {
    using U = UnitTypeEnum;
    XMLProducerImpl& context = Load([](Builder& b) {
        Assembly(b, "none", [](Builder&) {});
        Assembly(b, "unitWins", [](Builder& a) {
            a.Element("UnitAndTolerance", {{"LengthUnit", "kUnitType_Meter"}});
            a.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                               {"DisplayAngleUnit", "kUnitType_Degree"},
                               {"DisplayLengthUnit", "kUnitType_Inch"}});
        });
        Assembly(b, "lowerCase", [](Builder& a) {
            a.Element("unitandtolerance", {{"LengthUnit", "kUnitType_Foot"}});
        });
        Assembly(b, "firstWins", [](Builder& a) {
            a.Element("UnitAndTolerance", {{"LengthUnit", "kUnitType_Meter"}});
            a.Element("UNITANDTOLERANCE", {{"LengthUnit", "kUnitType_Inch"}});
        });
        Assembly(b, "notAName", [](Builder& a) {
            a.Element("UnitAndToleranceX", {{"LengthUnit", "kUnitType_Meter"}});
        });
    });
    EXPECT_EQ(Units(AssemblyOf(context, "none")), (std::vector<U>(3, U::kUnitType_Unknown)));
    EXPECT_EQ(Units(AssemblyOf(context, "unitWins")),
              (std::vector<U>{U::kUnitType_Millimeter, U::kUnitType_Degree, U::kUnitType_Inch}));
    EXPECT_EQ(Units(AssemblyOf(context, "lowerCase")),
              (std::vector<U>{U::kUnitType_Foot, U::kUnitType_Unknown, U::kUnitType_Foot}));
    EXPECT_EQ(Units(AssemblyOf(context, "firstWins")),
              (std::vector<U>{U::kUnitType_Meter, U::kUnitType_Unknown, U::kUnitType_Meter}));
    EXPECT_EQ(Units(AssemblyOf(context, "notAName")), (std::vector<U>(3, U::kUnitType_Unknown)));
}

TEST_F(AssemblyTest, OwnAttributesReferencesAndPropertiesAreRead) {
    XMLProducerImpl& context = Load([](Builder& b) {
        b.Open("IAssembly").Attribute("ID", "a").Attribute("Label", "Frame");
        b.Attribute("VersionPersistentId", "v7").Attribute("IsSingleUnderRoot", "1");
        b.TextElement("ChangeKey", "k1");
        b.Open("Styles").Element("StyleRef", {{"ID", "s1"}}).Close();
        b.Open("Materials");
        b.Element("MaterialRef", {{"ID", "m1"}}).Element("MaterialRef", {{"ID", "m1"}});
        b.Close();
        b.Open("AttributeSet").Open("MaterialSet").Element("Material", {{"ID", "m2"}});
        b.Close().Close();
        b.Element("ExtensionData", {{"TypeId", "vendor:t"}, {"Content", "payload"}});
        b.Open("FileProperties").TextElement("Title", "Frame title").Close();
        b.Close();
        b.Element("IAssembly", {{"ID", "two"}, {"IsSingleUnderRoot", "2"}});
    });
    const XMLAssembly& assembly = AssemblyOf(context, "a");
    EXPECT_EQ(assembly.Label(), UTF16String(u"Frame"));
    UTF8String version;
    EXPECT_EQ(assembly.VersionPersistentId(version), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(version, UTF8String("v7"));
    UTF16String text;
    EXPECT_EQ(assembly.ChangeKey(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String(u"k1"));
    EXPECT_TRUE(assembly.IsSingleUnderRoot());
    EXPECT_FALSE(AssemblyOf(context, "two").IsSingleUnderRoot());
    EXPECT_EQ(assembly.Styles(), (IdSet{UTF8String("s1")}));
    EXPECT_EQ(assembly.Materials(), (IdSet{UTF8String("m1")}));
    EXPECT_EQ(assembly.MaterialSet(), (IdSet{UTF8String("m2")}));
    ExtensionDataContent extension;
    EXPECT_EQ(assembly.ExtensionDataByTypeId(UTF8String("vendor:t"), extension),
              IsValueSpecifiedEnum::kSpecified);
    ASSERT_NE(assembly.FileProperties(), nullptr);
    EXPECT_EQ(assembly.FileProperties()->Title(text), IsValueSpecifiedEnum::kSpecified);
    EXPECT_EQ(text, UTF16String(u"Frame title"));
    EXPECT_EQ(AssemblyOf(context, "two").FileProperties(), nullptr);
}

TEST_F(AssemblyTest, CrossLevelAttributesListOverridesByOccurrencePath) {
    XMLProducerImpl& context = Load([](Builder& b) {
        Assembly(b, "a", [](Builder& a) {
            a.Open("CrossLevelAttributes").Open("Visibilities");
            a.Element("EntityVisibility", {{"Path", "[i1][i2][i1]"}, {"Visibility", "1"}});
            a.Element("EntityVisibility", {{"Path", "[i3]"}, {"Visibility", "true"}});
            a.Element("EntityVisibility");
            a.Close().Open("Styles");
            a.Open("EntityStyles").Attribute("Path", "[i1]");
            a.Open("Styles").Element("StyleRef", {{"ID", "s1"}}).Close();
            a.Open("NetStyles").Element("StyleRef", {{"ID", "s2"}}).Close();
            a.Open("Other").Element("StyleRef", {{"ID", "s3"}}).Close();
            a.Close();
            a.Open("EntityStyles").Open("Styles").Element("StyleRef", {{"ID", "s4"}});
            a.Close().Close();
            a.Close().Close();
            a.Open("CrossLevelAttributes").Open("Transformations");
            a.Element("EntityTransformation",
                      {{"Path", "[i1][i2]"}, {"Transformation", "1 0 0 5 0 1 0 6 0 0 1 7"}});
            a.Close().Close();
        });
    });
    const XMLAssembly& assembly = AssemblyOf(context, "a");
    IdSet path;
    bool visible = false;
    ASSERT_EQ(assembly.EntityVisibilityCount(), 2u);
    assembly.EntityVisibilityAt(0, path, visible);
    EXPECT_EQ(path, (IdSet{UTF8String("i1"), UTF8String("i2")}));
    EXPECT_TRUE(visible);
    assembly.EntityVisibilityAt(1, path, visible);
    EXPECT_FALSE(visible);

    IdSet styles;
    ASSERT_EQ(assembly.EntityStylesCount(), 1u);
    assembly.EntityStylesAt(0, path, styles);
    EXPECT_EQ(path, (IdSet{UTF8String("i1")}));
    EXPECT_EQ(styles, (IdSet{UTF8String("s1"), UTF8String("s2")}));

    Matrix3d transform;
    ASSERT_EQ(assembly.EntityTransformationCount(), 1u);
    assembly.EntityTransformationAt(0, path, transform);
    EXPECT_EQ(path, (IdSet{UTF8String("i1"), UTF8String("i2")}));
    EXPECT_EQ(transform.At(0, 3), 5.0);
    EXPECT_EQ(transform.At(2, 3), 7.0);

    const std::string expected = "invalid vector subscript";
    EXPECT_EQ(OutOfRangeMessage([&] { assembly.EntityVisibilityAt(2, path, visible); }), expected);
    EXPECT_EQ(OutOfRangeMessage([&] { assembly.EntityStylesAt(1, path, styles); }), expected);
    EXPECT_EQ(OutOfRangeMessage([&] { assembly.EntityTransformationAt(1, path, transform); }),
              expected);
}

TEST_F(AssemblyTest, ReferencedChildrenAreCreatedOnDemandAndKeptInDocumentOrder) {
    XMLProducerImpl& context = Load([](Builder& b) {
        File(b, "f", "True", {"m"});
        b.Open("IAssembly").Attribute("ID", "m").Open("ChildSet");
        b.Element("Child", {{"ID", "z"}});
        b.Element("Child");
        b.Element("Child", {{"ID", "missing"}});
        b.Element("IPart", {{"ID", "inline-part"}});
        b.Element("IWorkAxis", {{"ID", "axis"}});
        b.Element("Child", {{"ID", "b"}});
        b.Close().Close();
        AssemblyOfChildren(b, "z", {});
        AssemblyOfChildren(b, "b", {});
    });
    const XMLAssembly& assembly = AssemblyOf(context, "m");
    EXPECT_EQ(ChildIds(assembly), (std::vector<std::string>{"z", "axis", "b"}));
    EXPECT_EQ(assembly.ChildAt(0).Kind(), ObjectKindEnum::kAssembly);

    // "z" sorts after "m" yet was made while "m" read its children, and only once.
    std::vector<std::string> created;
    context.Collector()->ForEach([&](IObject& object) { created.push_back(object.Id().Value()); });
    EXPECT_EQ(created, (std::vector<std::string>{"b", "z", "axis", "m", "f"}));

    try {
        assembly.ChildAt(3);
        FAIL() << "expected GeneralException";
    } catch (const GeneralException& e) {
        EXPECT_EQ(e.Message().Value(), "Invalid index to child of XMLAssembly.");
    }
}

TEST_F(AssemblyTest, InstancesBecomeChildrenOnlyWhenTheyPlaceAnExistingObject) {
    XMLProducerImpl& context = Load([](Builder& b) {
        b.Open("IAssembly").Attribute("ID", "a").Open("ChildSet");
        b.Open("IInstance").Attribute("ID", "i1").Element("Child", {{"ID", "placed"}}).Close();
        b.Open("IInstance").Attribute("ID", "i2").Element("Child", {{"ID", "nowhere"}}).Close();
        b.Close().Close();
        AssemblyOfChildren(b, "placed", {});
    });
    const XMLAssembly& assembly = AssemblyOf(context, "a");
    EXPECT_EQ(ChildIds(assembly), (std::vector<std::string>{"i1"}));
    EXPECT_EQ(assembly.ChildAt(0).Kind(), ObjectKindEnum::kInstance);
}

TEST_F(AssemblyTest, ReferenceCyclesBetweenAssembliesEnd) {
    XMLProducerImpl& context = Load([](Builder& b) {
        AssemblyOfChildren(b, "a", {"b"});
        AssemblyOfChildren(b, "b", {"a"});
    });
    EXPECT_EQ(ChildIds(AssemblyOf(context, "a")), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(ChildIds(AssemblyOf(context, "b")).empty());
}

TEST_F(AssemblyTest, UnderAnIdPrefixChildrenAreKnownByTheirNewIds) {
    XMLProducerImpl& context = Load(
        [](Builder& b) {
            b.Open("IAssembly").Attribute("ID", "m").Attribute("Label", "M").Open("ChildSet");
            b.Element("Child", {{"ID", "z"}});
            b.Close().Close();
            b.Element("IAssembly", {{"ID", "z"}, {"Label", "Z"}});
        },
        "P");
    std::map<std::string, IAssembly*> byLabel;
    context.Collector()->ForEach([&](IObject& object) {
        byLabel[object.Label().ToUTF8()] = dynamic_cast<IAssembly*>(&object);
    });
    ASSERT_EQ(byLabel.size(), 2u);
    ASSERT_EQ(byLabel["M"]->ChildCount(), 1u);
    EXPECT_EQ(byLabel["M"]->ChildAt(0).Id(), byLabel["Z"]->Id());
    EXPECT_EQ(byLabel["Z"]->Id().Value().rfind("P", 0), 0u);
}

TEST_F(AssemblyTest, WithoutAMarkedRootTheFirstFileWithASingleAssemblyBecomesRoot) {
    XMLProducerImpl& context = Load([](Builder& b) {
        File(b, "f1", nullptr, {"a1"});
        File(b, "f2", nullptr, {"a2"});
        File(b, "f3", nullptr, {"a3"});
        AssemblyOfChildren(b, "a1", {}, "0");
        AssemblyOfChildren(b, "a2", {}, "1");
        AssemblyOfChildren(b, "a3", {}, "1");
    });
    EXPECT_EQ(context.RootObjectId().Id(), UTF8String("f2"));
}

} // namespace
} // namespace Orvik::Test
