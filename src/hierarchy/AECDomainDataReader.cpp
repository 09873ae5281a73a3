#include "hierarchy/AECDomainDataReader.h"

#include "aec/XMLAECDomainProjectContext.h"
#include "aec/XMLAECObjectData.h"
#include "aec/XMLAECTypeObjectData.h"
#include "hierarchy/XMLGroup.h"
#include "hierarchy/XMLPart.h"
#include "loader/ElementReaders.h"
#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {
namespace {

using xercesc::DOMElement;

// The attributes every kind of AEC data must have.
struct Identity {
    UTF8String typeId;
    UTF8String ownerObjectId;
    UTF8String sourceType;
};

bool ReadRequired(ReadContext& context, const DOMElement& element, const XMLCh* name,
                  UTF8String& value) {
    if (XMLUtils::GetNodeAttribute(&element, name, value))
        return true;
    context.Report(
        DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &element,
        UTF8String("AEC data without \"" + UTF16String(name).ToUTF8() + "\" is left out"));
    return false;
}

bool ReadIdentity(ReadContext& context, const DOMElement& element, Identity& identity) {
    return ReadRequired(context, element, u"DomainDataTypeId", identity.typeId) &&
           ReadRequired(context, element, u"OwnerObjectId", identity.ownerObjectId) &&
           ReadRequired(context, element, u"DomainDataSourceType", identity.sourceType);
}

template <typename Data>
void ReadSubTypeId(const DOMElement& element, Data& data) {
    UTF8String subTypeId;
    if (XMLUtils::GetNodeAttribute(&element, u"DomainDataSubTypeId", subTypeId))
        data.SetDomainDataSubTypeId(subTypeId);
}

// Type objects are groups. The id is mapped as group ids are, so that under an id prefix it
// still names the group.
AECTypeObjectId TypeObjectIdOf(ReadContext& context, const UTF8String& documentId) {
    XMLGroup group(UTF16String(), context.ReferenceId(documentId), UTF16String());
    return AECTypeObjectId::Create(&group);
}

} // namespace

bool AECDomainDataReader::Read(ReadContext& context, const DOMElement& element,
                               std::unique_ptr<IDomainData>& out) {
    std::unique_ptr<IDomainData> data;
    if (ElementWalk::IsNamed(element, u"IAECObjectData"))
        data = ReadObjectData(context, element);
    else if (ElementWalk::IsNamed(element, u"IAECTypeObjectData"))
        data = ReadTypeObjectData(context, element);
    if (data == nullptr)
        return false;
    out = std::move(data);
    return true;
}

std::unique_ptr<XMLAECObjectData> AECDomainDataReader::ReadObjectData(ReadContext& context,
                                                                      const DOMElement& element) {
    Identity identity;
    if (!ReadIdentity(context, element, identity))
        return nullptr;
    auto data = std::make_unique<XMLAECObjectData>(identity.ownerObjectId, identity.typeId,
                                                   identity.sourceType);
    UTF8String typeObjectId;
    if (XMLUtils::GetNodeAttribute(&element, u"TypeObjectId", typeObjectId))
        data->SetTypeObjectId(TypeObjectIdOf(context, typeObjectId));
    ReadSubTypeId(element, *data);
    // The first owner history that resolves ends the reading.
    for (const xercesc::DOMNode* node = element.getFirstChild();
         node != nullptr && data->OwnerHistory() == nullptr; node = node->getNextSibling()) {
        if (node->getNodeType() == xercesc::DOMNode::ELEMENT_NODE &&
            ElementWalk::IsNamed(*node, u"OwnerHistory"))
            data->SetOwnerHistory(
                LookUpOwnerHistory(context, static_cast<const DOMElement&>(*node)));
    }
    return data;
}

std::unique_ptr<XMLAECTypeObjectData>
AECDomainDataReader::ReadTypeObjectData(ReadContext& context, const DOMElement& element) {
    Identity identity;
    if (!ReadIdentity(context, element, identity))
        return nullptr;
    auto data = std::make_unique<XMLAECTypeObjectData>(identity.ownerObjectId, identity.typeId,
                                                       identity.sourceType);
    ReadSubTypeId(element, *data);
    // Children after the first owner history that resolves are not read.
    for (const xercesc::DOMNode* node = element.getFirstChild();
         node != nullptr && data->OwnerHistory() == nullptr; node = node->getNextSibling()) {
        if (node->getNodeType() != xercesc::DOMNode::ELEMENT_NODE)
            continue;
        const auto& child = static_cast<const DOMElement&>(*node);
        if (ElementWalk::IsNamed(child, u"SharedGeometryComponentIdSet"))
            ReadSharedGeometryComponents(context, child, *data);
        else if (ElementWalk::IsNamed(child, u"OwnerHistory"))
            data->SetOwnerHistory(LookUpOwnerHistory(context, child));
    }
    return data;
}

// Shared geometry components are parts.
void AECDomainDataReader::ReadSharedGeometryComponents(ReadContext& context, const DOMElement& set,
                                                       XMLAECTypeObjectData& data) {
    IdSet ids;
    ElementReaders::ReadIdRefs(&context, &set, u"SharedGeometryComponentIdSet",
                               u"SharedGeometryComponentId", ids);
    XMLPart part(&context);
    for (const UTF8String& id : ids) {
        part.SetId(id);
        data.AddSharedGeometryComponentId(SharedGeometryComponentId::Create(&part));
    }
}

const OwnerHistoryData* AECDomainDataReader::LookUpOwnerHistory(ReadContext& context,
                                                                const DOMElement& ownerHistory) {
    UTF8String id;
    if (!XMLUtils::GetNodeAttribute(&ownerHistory, u"HistoryContextIdRef", id)) {
        context.Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &ownerHistory,
                       UTF8String("an owner history without \"HistoryContextIdRef\" names none"));
        return nullptr;
    }
    const auto* project =
        dynamic_cast<const XMLAECDomainProjectContext*>(context.DomainProjectContext());
    const OwnerHistoryData* history = project ? project->FindOwnerHistory(id) : nullptr;
    if (history == nullptr)
        context.Report(
            DiagnosticCode::kUnresolvedReference, DiagnosticSeverity::kWarning, &ownerHistory,
            UTF8String(project ? "the project context has no owner history \"" + id.Value() + "\""
                               : "the document has no building project context to "
                                 "hold the owner history \"" +
                                     id.Value() + "\""));
    return history;
}

} // namespace Orvik
