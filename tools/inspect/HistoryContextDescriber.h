#pragma once

#include "Json.h"
#include "orvik/api/aec/EditableAECProjectHistoryContext.h"

namespace Orvik::Inspect {

// The parties and owner histories of a building project. Records refer to each other by
// their index in the lists of this description.
class HistoryContextDescriber {
public:
    static Json Describe(const EditableAECProjectHistoryContext& context);

private:
    explicit HistoryContextDescriber(const EditableAECProjectHistoryContext& context)
        : m_context(context) {}

    Json Organization(const OrganizationData& organization) const;
    Json Application(const ApplicationData& application) const;
    Json Person(const PersonData& person) const;
    Json OwnerHistory(const OwnerHistoryData& history) const;
    static Json Address(const AddressData& address);
    static Json Role(const RoleData& role);
    static Json Texts(const std::vector<UTF8String>& texts);

    Json IndexOf(const OrganizationData* organization) const;
    Json IndexOf(const ApplicationData* application) const;
    Json IndexOf(const PersonData* person) const;

    const EditableAECProjectHistoryContext& m_context;
};

} // namespace Orvik::Inspect
