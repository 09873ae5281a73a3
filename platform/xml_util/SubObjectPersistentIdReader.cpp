#include "xml_util/SubObjectPersistentIdReader.h"

#include "orvik/api/IOUtil.h"
#include "xml_util/BinaryReadWriteUtil.h"
#include "xml_util/FsPathConverter.h"
#include "xml_util/XMLUtils.h"

#include <boost/filesystem/fstream.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using Util = BinaryReadWriteUtil;
using xercesc::DOMElement;
using xercesc::DOMNode;

constexpr std::uint64_t kWord = 8;

bool ReadObjectRecord(std::istream& in, bool bigEndian, SubObjectPersistentIdTable& table) {
    UTF8String objectId;
    std::uint64_t count = 0;
    // Each entry holds two strings, each at least its length word.
    if (!Util::ReadData(in, objectId, bigEndian) || !Util::BinaryRead(in, count, bigEndian) ||
        !Util::CountFits(in, count, 2 * kWord))
        return false;
    auto ids = std::make_unique<EditableDataIdToPersistentIdMap>();
    for (std::uint64_t i = 0; i < count; ++i) {
        UTF8String dataId;
        UTF8String persistentId;
        if (!Util::ReadData(in, dataId, bigEndian) || !Util::ReadData(in, persistentId, bigEndian))
            return false;
        ids->Add(dataId, persistentId);
    }
    table[objectId] = std::move(ids);
    return true;
}

bool IsElementNamed(const DOMNode* node, const XMLCh* name) {
    return node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

void ReadEntries(const DOMNode* list, EditableDataIdToPersistentIdMap& ids) {
    for (const DOMNode* entry = list->getFirstChild(); entry; entry = entry->getNextSibling()) {
        if (!IsElementNamed(entry, u"Entry"))
            continue;
        UTF8String dataId;
        UTF8String persistentId;
        XMLUtils::GetNodeAttribute(entry, u"DataId", dataId);
        XMLUtils::GetNodeAttribute(entry, u"PersistentId", persistentId);
        if (!dataId.IsEmpty())
            ids.Add(dataId, persistentId);
    }
}

} // namespace

bool SubObjectPersistentIdReader::LoadSubObjectPersistentIds(const UTF16String& path,
                                                             SubObjectPersistentIdTable& table) {
    boost::filesystem::ifstream in(FsPathConverter::ToPath(path), std::ios::binary);
    if (!in.is_open())
        return false;
    const bool bigEndian = IOUtil::IsBigEndian();
    std::uint64_t count = 0;
    // An object record is at least its id's length word and its entry count.
    if (!Util::BinaryRead(in, count, bigEndian) || !Util::CountFits(in, count, 2 * kWord))
        return false;
    for (std::uint64_t i = 0; i < count; ++i)
        if (!ReadObjectRecord(in, bigEndian, table))
            return false;
    return true;
}

bool SubObjectPersistentIdReader::ReadSubObjectPersistentIdsFromXML(
    const DOMElement* element, EditableDataIdToPersistentIdMap& ids) {
    if (element == nullptr)
        return false;
    for (const DOMNode* child = element->getFirstChild(); child; child = child->getNextSibling())
        if (IsElementNamed(child, u"SubObjectPersistentIds"))
            ReadEntries(child, ids);
    return true;
}

} // namespace Orvik
