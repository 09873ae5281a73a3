#pragma once

#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "xml_util/AmbrelSerializedAsset.h"

#include <string>
#include <vector>

namespace Orvik {

// Reads the render-asset side file ("AmbrelMaterialInfo"; docs/formats.md): one serialized
// asset per style id.
class AmbrelBlobExternalFileReader {
public:
    explicit AmbrelBlobExternalFileReader(UTF16String path)
        : m_path(std::move(path)) {}

    // Adds every asset of the file to the map. A style id met twice keeps its first asset (the
    // later ids are listed in Duplicates). False when the file does not open, has another
    // version or is damaged; the assets before the damage stay.
    bool LoadAmbrelFromExternalFile(AmbrelSerializedAssetMap& assets);

    const std::vector<UTF8String>& Duplicates() const { return m_duplicates; }
    // Why the file was not read to its end; empty after a whole read.
    const std::string& Problem() const { return m_problem; }

    static constexpr std::uint64_t kVersion = 1;

private:
    bool Fail(const char* problem);

    UTF16String m_path;
    std::vector<UTF8String> m_duplicates;
    std::string m_problem;
};

} // namespace Orvik
