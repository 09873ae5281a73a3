#include "hierarchy/PartChildReaders.h"

#include "LoaderFixture.h"
#include "hierarchy/ElementWalk.h"
#include "hierarchy/XMLPart.h"
#include "xml_util/XMLStrUtil.h"

#include <set>
#include <string>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik::Test {
namespace {

using xercesc::DOMElement;

// Stands in for the geometry readers: an entry marked "Fails" does not read, any other becomes
// an object under its own id.
bool ReadStandIn(const DOMElement& element, PartChildSources& sources, IObject*& child) {
    if (element.hasAttribute(u"Fails"))
        return false;
    auto object = std::make_unique<XMLPart>(&sources.context);
    object->SetId(XMLStrUtil::XMLStrToAStr(element.getAttribute(u"ID")));
    child = PartChildReaders::Adopt(std::move(object), sources.context);
    return true;
}

// The part's own table with every geometry kind read by the stand-in, so that only the table's
// stop flags are under test whichever readers exist.
PartChildReaders::Table StandInRows() {
    PartChildReaders::Table rows = PartChildReaders::Rows();
    for (PartChildRow& row : rows)
        if (!xercesc::XMLString::equals(row.elementName, u"Child"))
            row.read = ReadStandIn;
    return rows;
}

std::string NameOf(const PartChildRow& row) {
    return XMLStrUtil::XMLStrToAStr(row.elementName).Value();
}

class PartChildReadersTest : public LoaderFixture {
protected:
    // Loads a document whose "Fixture" element holds the given child sets, in order.
    void LoadChildSets(const std::function<void(Writer::XmlDocumentBuilder&)>& sets) {
        Load([&](Writer::XmlDocumentBuilder& b) {
            b.Open("Fixture");
            sets(b);
            b.Close();
        });
        const DOMElement* root = m_context->Parser()->getDocument()->getDocumentElement();
        ElementWalk::ForEachChildElement(*root, [&](const DOMElement& top) {
            if (ElementWalk::IsNamed(top, u"Fixture"))
                ElementWalk::ForEachChildElement(
                    top, [&](const DOMElement& set) { m_childSets.push_back(&set); });
        });
    }

    bool Read(std::size_t set, const PartChildReaders::Table& rows) {
        PartChildSources sources{*m_context, m_context->Cache().GeometryTables()};
        return PartChildReaders::ReadChildSet(*m_childSets.at(set), sources, rows, m_children);
    }

    std::vector<std::string> ChildIds() const {
        std::vector<std::string> ids;
        for (const PartChildId& child : m_children)
            ids.push_back(child.Id().Value());
        return ids;
    }

    std::vector<const DOMElement*> m_childSets;
    std::vector<PartChildId> m_children;
};

TEST_F(PartChildReadersTest, FailedChildStopsItsSetOnlyForTheKindsThatSaySo) {
    const std::set<std::string> stopping{"IPoint",  "IPointCloud",        "IGeometricSet",
                                         "ISketch", "IExtensionGeometry", "IAnnotationCallout"};
    const PartChildReaders::Table rows = StandInRows();
    LoadChildSets([&](Writer::XmlDocumentBuilder& b) {
        for (const PartChildRow& row : rows) {
            if (NameOf(row) == "Child")
                continue;
            b.Open("ChildSet");
            b.Element(NameOf(row), {{"ID", "bad-" + NameOf(row)}, {"Fails", "1"}});
            b.Element("IBrep", {{"ID", "after-" + NameOf(row)}});
            b.Close();
        }
    });
    std::size_t set = 0;
    for (const PartChildRow& row : rows) {
        if (NameOf(row) == "Child")
            continue;
        SCOPED_TRACE(NameOf(row));
        m_children.clear();
        const bool stops = stopping.count(NameOf(row)) != 0;
        EXPECT_EQ(Read(set++, rows), !stops);
        EXPECT_EQ(ChildIds(), stops ? std::vector<std::string>{}
                                    : std::vector<std::string>{"after-" + NameOf(row)});
    }
    EXPECT_EQ(set, 13u);
}

TEST_F(PartChildReadersTest, StoppedSetKeepsEarlierChildrenAndTheNextSetIsStillRead) {
    LoadChildSets([](Writer::XmlDocumentBuilder& b) {
        b.Open("ChildSet");
        b.Element("IBrep", {{"ID", "before"}});
        b.Element("IPoint", {{"ID", "broken"}, {"Fails", "1"}});
        b.Element("IBrep", {{"ID", "never"}});
        b.Close();
        b.Open("ChildSet");
        b.Element("IWorkPlane", {{"ID", "bad-plane"}, {"Fails", "1"}});
        b.Element("IPoint", {{"ID", "point"}});
        b.Close();
    });
    const PartChildReaders::Table rows = StandInRows();
    EXPECT_FALSE(Read(0, rows));
    EXPECT_TRUE(Read(1, rows));
    EXPECT_EQ(ChildIds(), (std::vector<std::string>{"before", "point"}));
    EXPECT_FALSE(m_context->Collector()->HasObject(UTF8String("never")));
}

TEST_F(PartChildReadersTest, EntriesWithoutIdAndForeignKindsArePassedOver) {
    LoadChildSets([](Writer::XmlDocumentBuilder& b) {
        b.Open("ChildSet");
        b.Element("IPoint", {{"Fails", "1"}});
        b.Element("IInstance", {{"ID", "instance"}});
        b.Element("IAssemblyFeatureOverride", {{"ID", "override"}});
        b.Text("loose text");
        b.Element("IBrep", {{"ID", "brep"}});
        b.Close();
    });
    EXPECT_TRUE(Read(0, StandInRows()));
    EXPECT_EQ(ChildIds(), (std::vector<std::string>{"brep"}));
}

} // namespace
} // namespace Orvik::Test
