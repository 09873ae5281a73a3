#pragma once

#include "geometry/GeomFileContext.h"
#include "loader/SideDataCache.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

namespace Veld {
class ENTITY_LIST;
class VKI_RESTORE;
} // namespace Veld

// Restores a kernel body file named by the document into the body and edge-curve tables.
class VeldFileReader {
public:
    // False when the file does not open or is not a well-formed body file; then nothing is
    // added. A file refused for its insecure marker is read as empty and answers true.
    static bool RestoreVeldFile(const GeomFileContext& context, const UTF16String& path,
                                EdgeCurveTable& edgeCurvesByDxid, BodyTable& bodiesByDxid);
    // ".sab" and ".vlb", in any letter case, are binary; every other name is text.
    static bool IsBinaryBodyFile(const UTF16String& path);

private:
    static void ReportSecurityIssue(const GeomFileContext& context, const UTF16String& path,
                                    const Veld::VKI_RESTORE& restore);
    static void FileEntities(Veld::ENTITY_LIST& list, EdgeCurveTable& edgeCurvesByDxid,
                             BodyTable& bodiesByDxid);
};

} // namespace Orvik
