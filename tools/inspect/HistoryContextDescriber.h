#pragma once

#include "JsonValue.h"
#include "orvik/api/aec/EditableAECProjectHistoryContext.h"

namespace Orvik::Inspect {

// The parties and owner histories of a building project. Records refer to each other by
// their index in the lists of this description.
class HistoryContextDescriber {
public:
    static JsonValue Describe(const EditableAECProjectHistoryContext& context);

private:
    explicit HistoryContextDescriber(const EditableAECProjectHistoryContext& context)
        : m_context(context) {}

    JsonValue Organization(const OrganizationData& organization) const;
    JsonValue Application(const ApplicationData& application) const;
    JsonValue Person(const PersonData& person) const;
    JsonValue OwnerHistory(const OwnerHistoryData& history) const;
    static JsonValue Address(const AddressData& address);
    static JsonValue Role(const RoleData& role);
    static JsonValue Texts(const std::vector<UTF8String>& texts);

    JsonValue IndexOf(const OrganizationData* organization) const;
    JsonValue IndexOf(const ApplicationData* application) const;
    JsonValue IndexOf(const PersonData* person) const;

    const EditableAECProjectHistoryContext& m_context;
};

} // namespace Orvik::Inspect
