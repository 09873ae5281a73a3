#include "SampleDocument.h"

#include "orvik/writer/CFile.h"
#include "orvik/writer/PropertyFileWriter.h"
#include "orvik/writer/XmlDocumentBuilder.h"
#include "orvik/writer/ZipPacker.h"

#include <filesystem>

namespace Orvik::Sample {
namespace {

using Writer::XmlDocumentBuilder;

constexpr const char* kThumbnailFile = "thumbnail.bin";

std::string Thumbnail() {
    return std::string("\x89THUMB\0\x01\x02", 9);
}

void WriteOwnerHistory(XmlDocumentBuilder& b) {
    b.Open("AECProjectHistoryContext");
    b.Open("OrganizationSet").Open("OrganizationData");
    b.Attribute("HistoryContextId", "org-1")
        .Attribute("Name", "Northwind Architects")
        .Attribute("Identification", "NWA");
    b.Open("AddressSet").Open("AddressData");
    b.Attribute("AddressType", "PostalAddressData")
        .Attribute("Purpose", "kOffice")
        .Attribute("Town", "Aarhus")
        .Attribute("Country", "Denmark");
    b.Open("AddressLinesSet").TextElement("AddressLine", "Havnegade 4").Close();
    b.Close().Close();
    b.Open("RoleSet").Element("RoleData", {{"Role", "kArchitect"}}).Close();
    b.Close().Close();
    b.Open("ApplicationSet").Open("ApplicationData");
    b.Attribute("HistoryContextId", "app-1")
        .Attribute("FullName", "Sample generator")
        .Attribute("Identifier", "orvik-xml-sample")
        .Attribute("Version", "1.0");
    b.Element("ApplicationDeveloper", {{"HistoryContextIdRef", "org-1"}});
    b.Close().Close();
    b.Open("PersonSet")
        .Element("PersonData", {{"HistoryContextId", "person-1"},
                                {"GivenName", "Ada"},
                                {"FamilyName", "Berg"},
                                {"Identification", "AB"}})
        .Close();
    b.Open("OwnerHistorySet").Open("OwnerHistoryData");
    b.Attribute("HistoryContextId", "history-1")
        .Attribute("CreationDate", "2026-01-10T10:00:00Z")
        .Attribute("LastModifiedDate", "2026-01-15T09:30:00Z")
        .Attribute("State", "kReadWrite")
        .Attribute("ChangeAction", "kModified");
    b.Element("OwningOrganization", {{"HistoryContextIdRef", "org-1"}});
    b.Element("OwningApplication", {{"HistoryContextIdRef", "app-1"}});
    b.Element("OwningPerson", {{"HistoryContextIdRef", "person-1"}});
    b.Close().Close();
    b.Close();
}

void WriteProjectContext(XmlDocumentBuilder& b) {
    b.Open("IAECProjectContext");
    b.Open("Units")
        .Element("ParameterTypeId", {{"ID", "length"}})
        .Element("ParameterTypeId", {{"ID", "area"}})
        .Close();
    WriteOwnerHistory(b);
    b.Close();
}

void WriteProperties(const std::string& path) {
    Writer::PropertyFileWriter properties;
    properties.AddString("part-shaft", "Material", "Steel");
    properties.AddDouble("part-shaft", "Mass", 2.75);
    properties.AddString("asm-1", "Supplier", "Northwind");
    properties.Write(path);
}

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
        .Element("CustomDataItem", {{"Type", "1"}, {"Key", "Revision"}, {"Value", "7"}})
        .Element("CustomDataItem", {{"Type", "2"}, {"Key", "Serial"}, {"Value", "9000000001"}})
        .Element("CustomDataItem", {{"Type", "3"}, {"Key", "Released"}, {"Value", "True"}})
        .Element("CustomDataItem", {{"Type", "4"}, {"Key", "Scale"}, {"Value", "0.5"}})
        .Element("CustomDataItem", {{"Type", "5"}, {"Key", "Project"}, {"Value", "Gearbox"}})
        .Element("CustomDataItem", {{"Type", "6"}, {"Key", "Site"}, {"Value", "Halle 3"}})
        .Element("CustomDataItem",
                 {{"Type", "7"}, {"Key", "Issued"}, {"Value", "2026-02-01T08:00:00Z"}})
        .Element("CustomDataItem", {{"Type", "8"},
                                    {"Key", "Thumbnail"},
                                    {"Path", kThumbnailFile},
                                    {"BlobBufferSize", "9"}})
        .Open("CustomDataItem")
        .Attribute("Type", "9")
        .Attribute("Key", "Approvers")
        .Element("ID", {{"Value", "person-1"}})
        .Element("ID", {{"Value", "person-2"}})
        .Close()
        .Element("CustomDataItem", {{"Type", "10"}, {"Key", "Tolerance"}, {"Value", "0.001"}})
        .Close();
    WriteProjectContext(b);
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

std::string Translation(unsigned step) {
    return "1 0 0 " + std::to_string(step * 50) + " 0 1 0 0 0 0 1 0 0 0 0 1";
}

// A gearbox of a housing sub-assembly and shafts; shafts share one part definition.
void WriteAssembly(XmlDocumentBuilder& b, unsigned partCount) {
    b.Open("IAssembly")
        .Attribute("ID", "asm-1")
        .Attribute("Label", "Gearbox assembly")
        .Attribute("IsSingleUnderRoot", "1");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayAngleUnit", "kUnitType_Degree"},
                       {"DisplayLengthUnit", "kUnitType_Millimeter"}});
    b.Open("ChildSet");
    b.Open("IInstance")
        .Attribute("ID", "inst-housing")
        .Attribute("Label", "Housing")
        .Attribute("Visibility", "1")
        .Attribute("NetVisibility", "1");
    b.Element("Child", {{"ID", "asm-housing"}});
    b.Close();
    for (unsigned i = 1; i <= partCount; ++i) {
        const std::string n = std::to_string(i);
        b.Open("IInstance")
            .Attribute("ID", "inst-shaft-" + n)
            .Attribute("Label", "Shaft " + n)
            .Attribute("Visibility", "1")
            .Attribute("NetVisibility", "1");
        b.Element("Child", {{"ID", "part-shaft"}, {"Transformation", Translation(i)}});
        b.Close();
    }
    b.Close();
    b.Open("CrossLevelAttributes").Open("Visibilities");
    b.Element("EntityVisibility", {{"Path", "[inst-housing][inst-cover]"}, {"Visibility", "0"}});
    b.Close().Close();
    b.Close();

    b.Open("IAssembly").Attribute("ID", "asm-housing").Attribute("Label", "Housing");
    b.Open("ChildSet");
    for (const char* piece : {"base", "cover"}) {
        b.Open("IInstance")
            .Attribute("ID", std::string("inst-") + piece)
            .Attribute("Visibility", "1");
        b.Element("Child", {{"ID", std::string("part-") + piece}});
        b.Close();
    }
    b.Close().Close();
    b.Open("IPart").Attribute("ID", "part-base").Attribute("Label", "Base").Close();
    b.Open("IPart").Attribute("ID", "part-cover").Attribute("Label", "Cover").Close();
    b.Open("IPart").Attribute("ID", "part-shaft").Attribute("Label", "Shaft");
    b.Element("Unit", {{"LengthUnit", "kUnitType_Millimeter"},
                       {"DisplayLengthUnit", "kUnitType_Millimeter"}});
    b.Close();
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
    WriteProperties(base.string() + ".props");
    const std::string thumbnail = (std::filesystem::path(folder) / kThumbnailFile).string();
    Writer::CFile thumbnailFile(thumbnail, "wb");
    thumbnailFile.WriteAll(Thumbnail());
    thumbnailFile.Close();
    Writer::ZipPacker packer;
    packer.AddBuffer(name + ".xml", document.ToString());
    packer.AddFile(name + ".props", base.string() + ".props");
    packer.AddFile(kThumbnailFile, thumbnail);
    packer.Write(base.string() + ".zip");
}

} // namespace Orvik::Sample
