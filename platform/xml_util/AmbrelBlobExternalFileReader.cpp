#include "xml_util/AmbrelBlobExternalFileReader.h"

#include "orvik/api/IOUtil.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/FsPathConverter.h"

#include <boost/filesystem/fstream.hpp>

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;

// A record holds at least its id's length word and its size word.
constexpr std::uint64_t kSmallestRecord = 16;

} // namespace

bool AmbrelBlobExternalFileReader::Fail(const char* problem) {
    m_problem = problem;
    return false;
}

bool AmbrelBlobExternalFileReader::LoadAmbrelFromExternalFile(AmbrelSerializedAssetMap& assets) {
    m_duplicates.clear();
    m_problem.clear();
    boost::filesystem::ifstream in(FsPathConverter::ToPath(m_path), std::ios::binary);
    if (!in.is_open())
        return Fail("the file does not open");
    const bool bigEndian = IOUtil::IsBigEndian();
    std::uint64_t version = 0;
    std::uint64_t count = 0;
    if (!Util::BinaryRead(in, version, bigEndian))
        return Fail("the file ends before its version");
    if (version != kVersion)
        return Fail("the file has an unknown version");
    if (!Util::BinaryRead(in, count, bigEndian) || !Util::CountFits(in, count, kSmallestRecord))
        return Fail("the asset count exceeds the file");
    for (std::uint64_t i = 0; i < count; ++i) {
        UTF8String styleId;
        std::uint64_t size = 0;
        if (!Util::ReadData(in, styleId, bigEndian) || !Util::BinaryRead(in, size, bigEndian))
            return Fail("an asset record is cut short");
        if (size > Util::BytesLeft(in))
            return Fail("an asset is larger than the rest of the file");
        std::string bytes(static_cast<std::size_t>(size), '\0');
        if (size != 0 && !in.read(&bytes[0], static_cast<std::streamsize>(size)))
            return Fail("an asset is cut short");
        auto& slot = assets[styleId];
        if (slot)
            m_duplicates.push_back(styleId);
        else
            slot = std::make_unique<AmbrelSerializedAsset>(std::move(bytes));
    }
    return true;
}

} // namespace Orvik
