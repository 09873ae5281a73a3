#include "loader/CustomDataReader.h"

#include "loader/ReadContext.h"
#include "loader/SideFileGate.h"
#include "loader/XMLUniverse.h"
#include "orvik/api/Blob.h"
#include "orvik/api/StringUtil.h"
#include "orvik/api/Time.h"
#include "xml_util/AmbrelBinaryDataExternalFileReader.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLUtils.h"

#include <cstdint>
#include <string_view>
#include <vector>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {

namespace {

using xercesc::DOMNode;

constexpr XMLChName kCustomDataItem{"CustomDataItem"};
constexpr XMLChName kType{"Type"};
constexpr XMLChName kKey{"Key"};
constexpr XMLChName kValue{"Value"};
constexpr XMLChName kPath{"Path"};
constexpr XMLChName kBlobBufferSize{"BlobBufferSize"};
constexpr XMLChName kId{"ID"};

enum ItemType : int {
    kIntItem = 1,
    kLongItem = 2,
    kBoolItem = 3,
    kFloatItem = 4,
    kStringItem = 5,
    kWStringItem = 6,
    kTimeItem = 7,
    kBlobItem = 8,
    kIdSetItem = 9,
    kDoubleItem = 10,
};

bool IsElementNamed(const DOMNode* node, const XMLCh* name) {
    return node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

// An absent attribute reads as empty, as every conversion of an empty text fails.
UTF16String AttributeOrEmpty(const DOMNode* node, const XMLCh* name) {
    UTF16String value;
    XMLUtils::GetNodeAttribute(node, name, value);
    return value;
}

bool ParseNumber(const UTF16String& text, int& value) {
    return StringUtil::ToInt(text, value, 10);
}

bool ParseNumber(const UTF16String& text, std::int64_t& value) {
    return StringUtil::ToLong(text, value, 10);
}

bool ParseNumber(const UTF16String& text, float& value) {
    return StringUtil::ToFloat(text, value);
}

bool ParseNumber(const UTF16String& text, double& value) {
    return StringUtil::ToDouble(text, value);
}

// Empty when the text is no number of that kind.
template <typename Number, typename Stored = Number>
std::optional<Variant> NumberValue(const UTF16String& text) {
    Number value{};
    if (!ParseNumber(text, value))
        return std::nullopt;
    return Variant(static_cast<Stored>(value));
}

} // namespace

bool CustomDataReader::ReadCustomData(ReadContext& context, XMLUniverse* universe,
                                      const DOMElement* element) {
    if (universe == nullptr || element == nullptr)
        return false;
    for (const DOMNode* child = element->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (IsElementNamed(child, kCustomDataItem))
            ReadItem(context, *universe, child);
    }
    return true;
}

void CustomDataReader::ReadItem(ReadContext& context, XMLUniverse& universe, const DOMNode* item) {
    int type = 0;
    if (!StringUtil::ToInt(AttributeOrEmpty(item, kType), type, 10))
        return;
    const UTF8String key(AttributeOrEmpty(item, kKey));
    universe.AppendCustomDataKey(key);
    if (std::optional<Variant> value = ReadValue(context, type, item))
        universe.InsertCustomDataValue(key, std::move(*value));
}

std::optional<Variant> CustomDataReader::ReadValue(ReadContext& context, int type,
                                                   const DOMNode* item) {
    switch (type) {
    case kIntItem:
        return NumberValue<int>(AttributeOrEmpty(item, kValue));
    case kLongItem:
        return NumberValue<std::int64_t>(AttributeOrEmpty(item, kValue));
    case kFloatItem:
        // Single precision on purpose: the value is what a float holds, widened.
        return NumberValue<float, double>(AttributeOrEmpty(item, kValue));
    case kDoubleItem:
        return NumberValue<double>(AttributeOrEmpty(item, kValue));
    case kBoolItem:
        return ReadBool(AttributeOrEmpty(item, kValue));
    case kStringItem:
        return Variant(UTF8String(AttributeOrEmpty(item, kValue)));
    case kWStringItem:
        return Variant(AttributeOrEmpty(item, kValue));
    case kTimeItem:
        return ReadTime(AttributeOrEmpty(item, kValue));
    case kBlobItem:
        return ReadBlob(context, item);
    case kIdSetItem:
        return ReadIdSet(item);
    default:
        return std::nullopt;
    }
}

Variant CustomDataReader::ReadBool(const UTF16String& text) {
    const std::u16string& value = text.Value();
    return Variant(value == u"true" || value == u"True" || value == u"TRUE");
}

Variant CustomDataReader::ReadTime(const UTF16String& text) {
    Time time;
    time.FromString(UTF8String(text));
    return Variant(time);
}

// The announced size is checked against the file and the limits before anything is allocated,
// so a hostile size cannot exhaust memory; the file passes the side-file gate, so a blob never
// hands the host bytes of a file outside the document's folder.
std::optional<Variant> CustomDataReader::ReadBlob(ReadContext& context, const DOMNode* item) {
    std::uint64_t size = 0;
    if (!StringUtil::ToUnsignedlong(AttributeOrEmpty(item, kBlobBufferSize), size, 10))
        return std::nullopt;
    const auto* element = static_cast<const xercesc::DOMElement*>(item);
    const std::uint64_t maxBlobBytes = SideFileGate::Limits(context).maxBlobBytes;
    if (size > maxBlobBytes) {
        context.Report(DiagnosticCode::kLimitReached, DiagnosticSeverity::kError, element,
                       UTF8String("the blob of " + std::to_string(size) +
                                  " bytes is larger than the limit of " +
                                  std::to_string(maxBlobBytes) + " bytes (maxBlobBytes)"));
        return std::nullopt;
    }
    SideFileRequest request;
    request.element = element;
    request.what = "blob file";
    request.kind = "CustomDataItem";
    request.written = AttributeOrEmpty(item, kPath);
    request.use = SideFileUse::kReadEachTime;
    request.bytes = size;
    UTF16String path;
    const SideFileVerdict verdict = SideFileGate::Admit(context, request, path);
    if (verdict == SideFileVerdict::kRefused)
        return std::nullopt;
    const AmbrelBinaryDataExternalFileReader reader(context.DocumentPath(), path);
    const std::optional<std::uint64_t> fileSize = reader.FileSize();
    std::vector<std::uint8_t> buffer;
    if (verdict == SideFileVerdict::kAdmitted && fileSize && size <= *fileSize) {
        buffer.resize(static_cast<std::size_t>(size));
        if (reader.Read(buffer.data(), buffer.size()))
            return Variant(Blob(buffer.size(), buffer.data()));
    }
    context.Report(DiagnosticCode::kSideFileUnreadable, DiagnosticSeverity::kWarning, element,
                   UTF8String("the blob file \"" + request.written.ToUTF8() +
                              "\" is missing or holds fewer than " + std::to_string(size) +
                              " bytes; the item keeps its key without a value"));
    return std::nullopt;
}

std::optional<Variant> CustomDataReader::ReadIdSet(const DOMNode* item) {
    IdSet ids;
    for (const DOMNode* child = item->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        UTF8String id;
        if (IsElementNamed(child, kId) && XMLUtils::GetNodeAttribute(child, kValue.CStr(), id))
            ids.AddWithoutUniquenessCheck(id);
    }
    if (ids.IsEmpty())
        return std::nullopt;
    return Variant(std::move(ids));
}

} // namespace Orvik
