#include "producer/SideFileSections.h"

#include "geometry/GeomFileContext.h"
#include "geometry/GeometryStreamFile.h"
#include "geometry/MeshSegmentFile.h"
#include "geometry/SubdivMeshFile.h"
#include "geometry/VeldFileReader.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "loader/SideDataCache.h"
#include "loader/SideFileGate.h"
#include "loader/SideFileLocation.h"
#include "orvik/api/AssertOption.h"
#include "xml_util/AmbrelBlobExternalFileReader.h"
#include "xml_util/SubObjectPersistentIdReader.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using Settings = SideFileSections::Settings;

// How a section's "Path" becomes the path of its file.
enum class PathRule {
    kAsWritten,         // handed to the reader, which resolves it beside the document
    kBesideDocument,    // the document's folder joined with it (an absolute value wins)
    kDocumentFilePath,  // the document's folder joined with it by the document-path rule
    kAsWrittenNotEmpty, // as written; the section needs no flag, and an empty path is passed over
};

struct SectionInput {
    const DOMElement& element;
    const UTF16String& path;
    ReadContext& context;
    Settings& settings;
};

struct Section {
    const XMLCh* name;
    // Must be exactly "True"; null for sections that need no flag.
    const XMLCh* flag;
    PathRule pathRule;
    // False when the file could not be read.
    bool (*read)(const SectionInput& input);
};

bool IsTrue(const DOMElement& element, const XMLCh* attribute) {
    return xercesc::XMLString::equals(element.getAttribute(attribute), u"True");
}

bool ReadBodies(const SectionInput& in) {
    const GeomFileContext files(in.context, false);
    SideDataCache& cache = in.context.Cache();
    return VeldFileReader::RestoreVeldFile(files, in.path, cache.edgeCurvesByDxid,
                                           cache.bodiesByDxid);
}

bool ReadGeometryStream(const SectionInput& in, bool geometryInfoKind, bool hasInnerLoops) {
    const GeomFileContext files(in.context, geometryInfoKind);
    SideDataCache& cache = in.context.Cache();
    return GeometryStreamFile::ReadGeometryStreamFile(files, in.path, cache.meshesById,
                                                      &cache.curvesById, hasInnerLoops);
}

bool ReadGeometry(const SectionInput& in) {
    return ReadGeometryStream(in, true, false);
}

bool ReadMeshes(const SectionInput& in) {
    return ReadGeometryStream(in, false, IsTrue(in.element, u"HasInnerLoops"));
}

bool ReadMeshSegments(const SectionInput& in) {
    const GeomFileContext files(in.context, false);
    return MeshSegmentFile::ReadMeshSegmentFile(files, in.path, in.context.Cache().meshesById);
}

bool ReadSubdivMeshes(const SectionInput& in) {
    const GeomFileContext files(in.context, false);
    return SubdivMeshFile::ReadSubdivMeshFile(files, in.path, in.context.Cache().meshesById);
}

// Each style takes its asset out of the table when the style sets are read.
bool ReadRenderAssets(const SectionInput& in) {
    AmbrelBlobExternalFileReader reader(in.path);
    const bool read = reader.LoadAmbrelFromExternalFile(in.context.Cache().ambrelAssets);
    for (const UTF8String& id : reader.Duplicates())
        in.context.Report(
            DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &in.element,
            UTF8String("a second render asset for the style \"" + id.Value() + "\" is left out"));
    // The section reports the failure; the reason goes with it as a note.
    if (!read)
        in.context.Report(DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kInfo,
                          &in.element, UTF8String("render assets: " + reader.Problem()));
    return read;
}

bool ReadSubObjectPersistentIds(const SectionInput& in) {
    return SubObjectPersistentIdReader::LoadSubObjectPersistentIds(
        in.path, in.context.Cache().subObjectPersistentIds);
}

bool KeepPropertyFileName(const SectionInput& in) {
    in.settings.propertyFileName = in.path;
    return true;
}

// The records are read now, once; a damaged file keeps the records before the damage, so its
// failure is reported here with the reason and the section counts as read.
bool KeepAnimationFilePath(const SectionInput& in) {
    in.context.SetAnimationFilePath(in.path);
    auto animations = std::make_unique<AnimationReader>();
    if (!animations->Load(in.path)) {
        RunAssertionHook();
        in.context.Report(
            DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kError, &in.element,
            UTF8String("the animation file \"" + in.path.ToUTF8() + "\": " + animations->Problem() +
                       "; " + std::to_string(animations->RecordCount()) +
                       " record(s) before it are used"));
    }
    in.context.Cache().animations = std::move(animations);
    return true;
}

const std::array<Section, 8> kSections{{
    {u"SatInfo", nullptr, PathRule::kAsWrittenNotEmpty, ReadBodies},
    {u"PropertyInfo", nullptr, PathRule::kAsWrittenNotEmpty, KeepPropertyFileName},
    {u"GeometryInfo", u"GenerateGeometry", PathRule::kAsWritten, ReadGeometry},
    {u"MeshSegmentInfo", u"GenerateMeshSegment", PathRule::kBesideDocument, ReadMeshSegments},
    {u"MeshInfo", u"GenerateMesh", PathRule::kAsWritten, ReadMeshes},
    {u"AmbrelMaterialInfo", u"GenerateSerializedAmbrel", PathRule::kDocumentFilePath,
     ReadRenderAssets},
    {u"SubObjectPersistentIdInfo", u"GenerateSubObjectPersistentId", PathRule::kBesideDocument,
     ReadSubObjectPersistentIds},
    {u"AnimationInfo", u"GenerateAnimation", PathRule::kDocumentFilePath, KeepAnimationFilePath},
}};

const Section kSubdivisionSection{u"SubdivMeshInfo", u"GenerateSubdivMesh", PathRule::kAsWritten,
                                  ReadSubdivMeshes};

UTF16String PathOf(const Section& section, const DOMElement& element, const ReadContext& context) {
    const UTF16String written(element.getAttribute(u"Path"));
    switch (section.pathRule) {
    case PathRule::kBesideDocument:
        return SideFileLocation::BesideDocument(context.DocumentPath(), written);
    case PathRule::kDocumentFilePath:
        return XMLUtils::GetFilePath(&element, context.DocumentPath());
    default:
        return written;
    }
}

// A section switched off, or naming no file, is passed over.
bool IsSwitchedOn(const Section& section, const DOMElement& element) {
    if (section.pathRule == PathRule::kAsWrittenNotEmpty) {
        const XMLCh* path = element.getAttribute(u"Path");
        return path != nullptr && *path != 0;
    }
    return IsTrue(element, section.flag) && element.hasAttribute(u"Path");
}

// False when the file named by a switched-on section failed to read or was refused.
bool Read(const Section& section, const DOMElement& element, ReadContext& context,
          Settings& settings) {
    if (!IsSwitchedOn(section, element))
        return true;
    SideFileRequest request;
    request.element = &element;
    request.kind = UTF16String(section.name).ToUTF8();
    request.written = UTF16String(element.getAttribute(u"Path"));
    const UTF16String path = PathOf(section, element, context);
    if (path != request.written)
        request.resolved = path;
    UTF16String checked;
    // A missing file is left to the reader, which reports it as unreadable.
    if (SideFileGate::Admit(context, request, checked) == SideFileVerdict::kRefused)
        return false;
    if (section.read(SectionInput{element, path, context, settings}))
        return true;
    RunAssertionHook();
    context.Report(DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kError, &element,
                   UTF8String("the side file \"" + path.ToUTF8() + "\" could not be read"));
    return false;
}

} // namespace

bool SideFileSections::ReadSection(const DOMElement& element, ReadContext& context,
                                   Settings& settings) {
    for (const Section& section : kSections) {
        if (ElementWalk::IsNamed(element, section.name)) {
            Read(section, element, context, settings);
            return true;
        }
    }
    return false;
}

void SideFileSections::ReadSubdivisionSections(const DOMElement& documentElement,
                                               ReadContext& context, Settings& settings) {
    bool goesOn = true;
    ElementWalk::ForEachChildElement(documentElement, [&](const DOMElement& element) {
        if (!goesOn || !ElementWalk::IsNamed(element, kSubdivisionSection.name))
            return;
        goesOn = IsSwitchedOn(kSubdivisionSection, element) &&
                 Read(kSubdivisionSection, element, context, settings);
    });
}

} // namespace Orvik
