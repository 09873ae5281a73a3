#include "AnnotationSample.h"

#include "orvik/writer/CurveRecordWriter.h"

namespace Orvik::Sample {

using Writer::XmlDocumentBuilder;

void AnnotationSample::AddGeometry(Writer::GeometryStreamWriter& stream) {
    using Writer::CurveRecordWriter;
    stream.AddCurveRecord("curve-leader", CurveRecordWriter::kLine,
                          CurveRecordWriter::Line({30, 30, 20}, {0.6, 0.8, 0}, 0.0, 15.0));
    Writer::StreamMesh badge;
    badge.positions = {{0, 0, 0}, {6, 0, 0}, {6, 4, 0}, {0, 4, 0}};
    badge.normals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    badge.textureCoordinates = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    badge.polygons = {{{0, 1, 2}, {}}, {{0, 2, 3}, {}}};
    stream.AddMesh("mesh-badge", badge);
}

void AnnotationSample::WriteInstance(XmlDocumentBuilder& b) {
    b.Open("IInstance").Attribute("ID", "inst-notes").Attribute("Visibility", "1");
    b.Element("Child", {{"ID", "part-notes"}});
    b.Close();
}

void AnnotationSample::WritePart(XmlDocumentBuilder& b) {
    b.Open("IPart").Attribute("ID", "part-notes").Attribute("Label", "Notes");
    b.Open("ChildSet");
    WriteInlineCallout(b);
    WriteReferencingCallout(b);
    b.Close().Close();
}

void AnnotationSample::WriteInlineCallout(XmlDocumentBuilder& b) {
    b.Open("IAnnotationCallout").Attribute("ID", "note-bearing").Attribute("Label", "Bearing");
    b.Open("AnnotationPlane").Open("IWorkPlane").Attribute("ID", "note-plane");
    b.Element("Origin", {{"X", "30"}, {"Y", "30"}, {"Z", "20"}});
    b.Element("Normal", {{"X", "0"}, {"Y", "0"}, {"Z", "1"}});
    b.Element("Reference", {{"X", "1"}, {"Y", "0"}, {"Z", "0"}});
    b.Close().Close();
    WriteText(b);
    b.Open("ChildSet");
    // Geometry of the note's own, from the side files and in place.
    b.Open("IAnnotationCalloutElement").Attribute("ID", "note-leader").Attribute("Label", "Leader");
    b.Open("Styles").Element("StyleRef", {{"ID", "style-leader"}}).Close();
    b.Open("ChildSet");
    b.Element("ICurve", {{"ID", "curve-leader"}, {"Visibility", "1"}});
    b.Open("IPoint").Attribute("ID", "note-leader-tip");
    b.Element("Point", {{"X", "39"}, {"Y", "42"}, {"Z", "20"}});
    b.Close();
    b.Element("IPolygonMesh", {{"ID", "mesh-badge"}, {"Visibility", "True"}});
    b.Close().Close();
    // Geometry read before the note, by reference.
    b.Open("IAnnotationCalloutElement").Attribute("ID", "note-targets");
    b.Open("ChildSet")
        .Element("Child", {{"ID", "curve-line"}})
        .Element("Child", {{"ID", "point-datum"}})
        .Element("Child", {{"ID", "mesh-base"}})
        .Close();
    b.Close();
    b.Close().Close();
}

void AnnotationSample::WriteText(XmlDocumentBuilder& b) {
    b.Open("IText")
        .Attribute("LengthUnit", "kUnitType_Millimeter")
        .Attribute("IsVertical", "0")
        .Attribute("TextJustification", "2");
    b.Element("Origin", {{"X", "32"}, {"Y", "34"}, {"Z", "20"}});
    b.TextElement("Transform", "1 0 0 0 0 1 0 0 0 0 1 0.5 0 0 0 1");
    b.Open("ITextLine").Attribute("TextAlignment", "1").Attribute("Indentation", "2.5");
    WriteFragment(
        b, {{"Value", "Bearing "}, {"FontName", "Sans"}, {"FontSize", "3.5"}, {"IsBold", "True"}});
    b.Open("ITextFragment")
        .Attribute("Value", "6204-2RS")
        .Attribute("IsItalic", "True")
        .Attribute("IsUnderlined", "True")
        .Attribute("Height", "3.5")
        .Attribute("Width", "2");
    b.Element("TextColor", {{"FractionRed", "0.8"},
                            {"FractionGreen", "0.1"},
                            {"FractionBlue", "0.1"},
                            {"FractionAlpha", "1"}});
    b.Element("TextBackgroundColor", {{"FractionRed", "1"},
                                      {"FractionGreen", "1"},
                                      {"FractionBlue", "0.8"},
                                      {"FractionAlpha", "0.5"}});
    b.Close();
    b.Close();
    b.Open("ITextLine");
    WriteFragment(b, {{"Value", "Grease "}, {"Gap", "0.5"}, {"ScriptType", "0"}});
    WriteFragment(b, {{"Value", "NLGI 2"}, {"IsOverlined", "False"}, {"ScriptType", "1"}});
    b.Close();
    b.Close();
}

void AnnotationSample::WriteFragment(XmlDocumentBuilder& b,
                                     XmlDocumentBuilder::AttributeList attributes) {
    b.Element("ITextFragment", attributes);
}

void AnnotationSample::WriteReferencingCallout(XmlDocumentBuilder& b) {
    b.Open("IAnnotationCallout")
        .Attribute("ID", "note-housing")
        .Attribute("Label", "Housing")
        .Attribute("Visibility", "0");
    b.Open("AnnotationPlane").Element("Child", {{"ID", "plane-mid"}}).Close();
    b.Open("IText").Open("ITextLine");
    WriteFragment(b, {{"Value", "Seal both halves"}});
    b.Close().Close();
    b.Open("ChildSet").Element("Child", {{"ID", "note-targets"}}).Close();
    b.Close();
}

} // namespace Orvik::Sample
