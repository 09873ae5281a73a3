#include "geometry/VeldFileReader.h"

#include "loader/ReadContext.h"
#include "orvik/api/EventManager.h"
#include "orvik/api/ExceptionEvent.h"
#include "orvik/api/FileException.h"
#include "orvik/xml/XMLProducerOptions.h"
#include "veld/BODY_xs.h"
#include "veld/EDGE_xs.h"
#include "veld/ENTITY_LIST.h"
#include "veld/VKI_MAKE_CURVE.h"
#include "veld/VKI_RESTORE.h"
#include "veld/VeldGlobalDataSaveRestore.h"
#include "veld/VeldHistoryUtil.h"
#include "veld/VeldUtil.h"
#include "xml_util/FsPathConverter.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

namespace Orvik {
namespace {

constexpr int kInsecureAllowedCode = 15;
constexpr int kInsecureRefusedCode = 16;
constexpr int kExceptionEventType = 0;
constexpr int kProducerReporter = 2;

bool WantsInsecureRestore(const ReadContext& producer) {
    return producer.Options() != nullptr && producer.Options()->WantRestoreInsecureVeldFiles();
}

void TakeBody(Veld::ENTITY_LIST& list, int index, const UTF8String& dxid, BodyTable& bodies,
              std::map<UTF8String, Veld::ENTITY*>& restored) {
    Veld::ENTITY* body = list[index];
    restored.emplace(dxid, body);
    // A body whose id is held already stays in the list and is freed with it.
    if (bodies.count(dxid) == 0)
        bodies.emplace(dxid, list.take<Veld::BODY>(index));
}

void TakeEdgeCurve(const Veld::EDGE* edge, const UTF8String& dxid, EdgeCurveTable& curves) {
    if (curves.count(dxid) != 0)
        return;
    std::unique_ptr<Veld::curve> made;
    const Veld::outcome result = Veld::VKI_MAKE_CURVE::from_edge(edge, false, made);
    if (result.error_number() == 0 && made != nullptr)
        curves.emplace(dxid, std::move(made));
}

} // namespace

bool VeldFileReader::IsBinaryBodyFile(const UTF16String& path) {
    std::string extension = FsPathConverter::ToPath(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sab" || extension == ".vlb";
}

bool VeldFileReader::RestoreVeldFile(const GeomFileContext& context, const UTF16String& path,
                                     EdgeCurveTable& edgeCurvesByDxid, BodyTable& bodiesByDxid) {
    const VeldGlobalDataSaveRestore guard;
    const UTF16String resolved = context.ResolvePath(path);
    const bool binary = IsBinaryBodyFile(resolved);
    VeldUtil::FilePtr file(
        VeldUtil::OpenVeldFile(UTF8String(resolved), UTF8String(binary ? "rb" : "r")));
    if (file == nullptr)
        return false;
    ReadContext& producer = context.Context();
    VeldHistoryUtil::SetActiveHistoryStream(producer.HistoryStream());

    Veld::VKI_RESTORE restore(file.get(), !binary, -1);
    if (WantsInsecureRestore(producer))
        restore.set_allow_insecure_restore(1);
    Veld::ENTITY_LIST list(false);
    const Veld::outcome result = restore.execute_restore(list);
    ReportSecurityIssue(context, path, restore);
    file.reset();
    // A refused insecure file is a loaded file with nothing in it; a broken one is unread.
    if (result.error_number() == Veld::outcome::kMalformedFile ||
        result.error_number() == Veld::outcome::kReadFailed)
        return false;
    FileEntities(list, edgeCurvesByDxid, bodiesByDxid);
    return true;
}

void VeldFileReader::ReportSecurityIssue(const GeomFileContext& context, const UTF16String& path,
                                         const Veld::VKI_RESTORE& restore) {
    bool found = false;
    bool refused = false;
    int flags = 0;
    restore.security_issue_found(found, refused, flags);
    const EventManager* events = context.Context().Events();
    if (!found || events == nullptr)
        return;
    FileException error(UTF8String("The body file carries content marked insecure."));
    error.SetFileName(path);
    error.SetReporter(kProducerReporter);
    error.SetErrorCode(WantsInsecureRestore(context.Context()) ? kInsecureAllowedCode
                                                               : kInsecureRefusedCode);
    const ExceptionEvent event(error, kExceptionEventType);
    events->RaiseExceptionEvent(event);
}

void VeldFileReader::FileEntities(Veld::ENTITY_LIST& list, EdgeCurveTable& edgeCurvesByDxid,
                                  BodyTable& bodiesByDxid) {
    // Ordered by id, one body per id, for the separate history stream.
    std::map<UTF8String, Veld::ENTITY*> restored;
    for (int i = 0; i < list.count(); ++i) {
        const UTF8String dxid = VeldUtil::EntityDxid(list[i]);
        if (dxid.IsEmpty())
            continue;
        if (Veld::BODY_xs(list[i]))
            TakeBody(list, i, dxid, bodiesByDxid, restored);
        else if (const Veld::EDGE_xs edge(list[i]); edge)
            TakeEdgeCurve(edge.get(), dxid, edgeCurvesByDxid);
    }
    if (restored.empty())
        return;
    std::vector<Veld::ENTITY*> bodies;
    for (const auto& entry : restored)
        bodies.push_back(entry.second);
    VeldHistoryUtil::CreateSeparateHistoryStream(static_cast<int>(bodies.size()), bodies.data());
}

} // namespace Orvik
