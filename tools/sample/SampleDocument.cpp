#include "SampleDocument.h"

#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"

#include <filesystem>

namespace Orvik::Sample {
namespace {

using Writer::XmlDocumentBuilder;

void WriteUniverse(XmlDocumentBuilder& b) {
    b.Open("IUniverse");
    b.Open("ViewData")
        .TextElement("UpVector", "0,0,1")
        .TextElement("FrontVector", "0,-1,0")
        .TextElement("NorthVector", "0,1,0")
        .Close();
    b.Element("DefaultCurveColor",
              {{"FractionRed", "0.1"}, {"FractionGreen", "0.2"}, {"FractionBlue", "0.3"}});
    b.Element("DefaultSurfaceColor", {{"FractionRed", "0.8"},
                                      {"FractionGreen", "0.8"},
                                      {"FractionBlue", "0.75"},
                                      {"FractionAlpha", "0.5"}});
    b.Element("TextureUVOriginTypeNode",
              {{"TextureUVOriginType", "kTextureUVOriginType_BottomLeft"}});
    b.Open("CustomData")
        .Element("CustomDataItem", {{"Type", "5"}, {"Key", "Project"}, {"Value", "Gearbox"}})
        .Element("CustomDataItem", {{"Type", "1"}, {"Key", "Revision"}, {"Value", "7"}})
        .Element("CustomDataItem", {{"Type", "3"}, {"Key", "Released"}, {"Value", "True"}})
        .Close();
    b.Close();
}

void WriteFile(XmlDocumentBuilder& b) {
    b.Open("IFile")
        .Attribute("ID", "file-1")
        .Attribute("Label", "Gearbox")
        .Attribute("IsRoot", "True");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayLengthUnit", "kUnitType_Millimeter"}});
    b.Open("FileProperties")
        .TextElement("Title", "Gearbox")
        .TextElement("Author", "Sample generator")
        .TextElement("CreationDate", "2026-01-15T09:30:00Z")
        .Close();
    b.Open("ChildSet").Element("Child", {{"Type", "IAssembly"}, {"ID", "asm-1"}}).Close();
    b.Close();
}

void WriteAssembly(XmlDocumentBuilder& b, unsigned partCount) {
    b.Open("IAssembly").Attribute("ID", "asm-1").Attribute("Label", "Gearbox assembly");
    b.Open("ChildSet");
    for (unsigned i = 1; i <= partCount; ++i)
        b.Element("Child", {{"Type", "IInstance"}, {"ID", "inst-" + std::to_string(i)}});
    b.Close();
    b.Close();
    for (unsigned i = 1; i <= partCount; ++i) {
        const std::string n = std::to_string(i);
        b.Open("IInstance").Attribute("ID", "inst-" + n).Attribute("Visibility", "1");
        b.Element("Child", {{"ID", "part-" + n}});
        b.TextElement("Transform", "1 0 0 " + std::to_string(i * 50) + " 0 1 0 0 0 0 1 0 0 0 0 1");
        b.Close();
        b.Open("IPart").Attribute("ID", "part-" + n).Attribute("Label", "Part " + n).Close();
    }
}

} // namespace

std::string SampleDocument::Xml() const {
    return Build().ToString();
}

Writer::XmlDocumentBuilder SampleDocument::Build() const {
    XmlDocumentBuilder b;
    b.Open("XMLDocument");
    WriteUniverse(b);
    WriteFile(b);
    WriteAssembly(b, m_options.partCount);
    b.Close();
    return b;
}

void SampleDocument::WriteTo(const std::string& folder, const std::string& name) const {
    std::filesystem::create_directories(folder);
    const XmlDocumentBuilder document = Build();
    const std::filesystem::path base = std::filesystem::path(folder) / name;
    document.WriteTo(base.string() + ".xml");
    Writer::ZipPacker packer;
    packer.AddBuffer(name + ".xml", document.ToString());
    packer.Write(base.string() + ".zip");
}

} // namespace Orvik::Sample
