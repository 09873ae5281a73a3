#include "DomainDataDescriber.h"

#include "ObjectDescription.h"
#include "ValueFormatter.h"
#include "orvik/api/aec/IAECProjectContext.h"

namespace Orvik::Inspect {

DomainDataDescriber::DomainDataDescriber(const IUniverse* universe) {
    const auto* project =
        universe ? dynamic_cast<const IAECProjectContext*>(universe->DomainProjectContext())
                 : nullptr;
    const EditableAECProjectHistoryContext* history = project ? project->HistoryContext() : nullptr;
    if (history == nullptr)
        return;
    for (std::size_t i = 0; i < history->OwnerHistoryCount(); ++i)
        m_ownerHistoryIndex.emplace(&history->OwnerHistoryAt(i), i);
}

Json DomainDataDescriber::Describe(const IDomainData& data, ObjectDescription& out) {
    m_fields = nullptr;
    m_out = &out;
    data.AcceptVisitor(*this);
    m_out = nullptr;
    return std::move(m_fields);
}

void DomainDataDescriber::Begin(const IAECDomainData& data, const char* interfaceName) {
    m_fields = Json::object();
    m_fields["interface"] = interfaceName;
    m_fields["OwnerObjectId"] = ValueFormatter::Text(data.OwnerObjectId());
    m_fields["DomainDataTypeId"] = ValueFormatter::Text(data.DomainDataTypeId());
    m_fields["DomainDataSourceType"] = ValueFormatter::Text(data.DomainDataSourceType());
    m_fields["OwnerHistory"] = OwnerHistoryIndex(data.OwnerHistory());
    UTF8String subTypeId;
    if (data.DomainDataSubTypeId(subTypeId) == IsValueSpecifiedEnum::kSpecified)
        m_fields["DomainDataSubTypeId"] = ValueFormatter::Text(subTypeId);
}

void DomainDataDescriber::Visit(const IAECObjectData& data) {
    Begin(data, "IAECObjectData");
    AECTypeObjectId typeObjectId;
    if (data.TypeObjectId(typeObjectId) == IsValueSpecifiedEnum::kSpecified)
        m_fields["TypeObjectId"] = m_out->ChildIdValue(typeObjectId);
}

void DomainDataDescriber::Visit(const IAECTypeObjectData& data) {
    Begin(data, "IAECTypeObjectData");
    m_fields["SharedGeometryComponentIdCount"] = data.SharedGeometryComponentIdCount();
    m_fields["SharedGeometryComponentIdAt"] =
        ValueFormatter::Indexed(data.SharedGeometryComponentIdCount(), [&](std::uint64_t i) {
            return m_out->ChildIdValue(
                data.SharedGeometryComponentIdAt(static_cast<std::size_t>(i)));
        });
}

Json DomainDataDescriber::OwnerHistoryIndex(const OwnerHistoryData* history) const {
    const auto found = m_ownerHistoryIndex.find(history);
    return found == m_ownerHistoryIndex.end() ? Json(nullptr) : Json(found->second);
}

} // namespace Orvik::Inspect
