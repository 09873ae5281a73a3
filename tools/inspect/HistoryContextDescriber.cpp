#include "HistoryContextDescriber.h"

#include "ValueFormatter.h"
#include "orvik/api/aec/AECEnumNames.h"
#include "orvik/api/aec/PostalAddressData.h"
#include "orvik/api/aec/TelecomAddressData.h"

namespace Orvik::Inspect {
namespace {

// Index of a record in one of the context's lists; null for no record. The lists are short
// (the parties of one project), so a scan per reference stays cheap.
template <typename Record, typename At>
JsonValue FindIndex(const Record* record, std::size_t count, At at) {
    if (record == nullptr)
        return nullptr;
    for (std::size_t i = 0; i < count; ++i)
        if (&at(i) == record)
            return static_cast<std::uint64_t>(i);
    return nullptr;
}

template <typename Items, typename Describe>
JsonValue List(std::size_t count, Items at, Describe describe) {
    JsonValue list = JsonValue::Array();
    for (std::size_t i = 0; i < count; ++i)
        list.Append(describe(at(i)));
    return list;
}

} // namespace

JsonValue HistoryContextDescriber::Describe(const EditableAECProjectHistoryContext& context) {
    const HistoryContextDescriber describer(context);
    JsonValue fields = JsonValue::Object();
    fields.Set(
        "Organizations",
        List(
            context.OrganizationCount(),
            [&](std::size_t i) -> const OrganizationData& { return context.OrganizationAt(i); },
            [&](const OrganizationData& o) { return describer.Organization(o); }));
    fields.Set(
        "Applications",
        List(
            context.ApplicationCount(),
            [&](std::size_t i) -> const ApplicationData& { return context.ApplicationAt(i); },
            [&](const ApplicationData& a) { return describer.Application(a); }));
    fields.Set("Persons",
               List(
                   context.PersonCount(),
                   [&](std::size_t i) -> const PersonData& { return context.PersonAt(i); },
                   [&](const PersonData& p) { return describer.Person(p); }));
    fields.Set(
        "OwnerHistories",
        List(
            context.OwnerHistoryCount(),
            [&](std::size_t i) -> const OwnerHistoryData& { return context.OwnerHistoryAt(i); },
            [&](const OwnerHistoryData& h) { return describer.OwnerHistory(h); }));
    return fields;
}

JsonValue HistoryContextDescriber::Organization(const OrganizationData& organization) const {
    JsonValue fields = JsonValue::Object();
    fields.Set("Name", ValueFormatter::Text(organization.Name()));
    fields.Set("Description", ValueFormatter::Text(organization.Description()));
    fields.Set("Identification", ValueFormatter::Text(organization.Identification()));
    fields.Set("Addresses",
               List(
                   organization.AddressCount(),
                   [&](std::size_t i) -> const AddressData& { return organization.AddressAt(i); },
                   Address));
    fields.Set("Roles",
               List(
                   organization.RoleCount(),
                   [&](std::size_t i) -> const RoleData& { return organization.RoleAt(i); }, Role));
    return fields;
}

JsonValue HistoryContextDescriber::Application(const ApplicationData& application) const {
    JsonValue fields = JsonValue::Object();
    fields.Set("Developer", IndexOf(application.Developer()));
    fields.Set("FullName", ValueFormatter::Text(application.FullName()));
    fields.Set("Identifier", ValueFormatter::Text(application.Identifier()));
    fields.Set("Version", ValueFormatter::Text(application.Version()));
    return fields;
}

JsonValue HistoryContextDescriber::Person(const PersonData& person) const {
    JsonValue fields = JsonValue::Object();
    fields.Set("Identification", ValueFormatter::Text(person.Identification()));
    fields.Set("GivenName", ValueFormatter::Text(person.GivenName()));
    fields.Set("FamilyName", ValueFormatter::Text(person.FamilyName()));
    fields.Set("MiddleNames", Texts(person.MiddleNames()));
    fields.Set("PrefixTitles", Texts(person.PrefixTitles()));
    fields.Set("SuffixTitles", Texts(person.SuffixTitles()));
    fields.Set("Addresses",
               List(
                   person.AddressCount(),
                   [&](std::size_t i) -> const AddressData& { return person.AddressAt(i); },
                   Address));
    fields.Set("Roles",
               List(
                   person.RoleCount(),
                   [&](std::size_t i) -> const RoleData& { return person.RoleAt(i); }, Role));
    return fields;
}

JsonValue HistoryContextDescriber::OwnerHistory(const OwnerHistoryData& history) const {
    JsonValue fields = JsonValue::Object();
    fields.Set("OwningOrganization", IndexOf(history.OwningOrganization()));
    fields.Set("OwningApplication", IndexOf(history.OwningApplication()));
    fields.Set("OwningPerson", IndexOf(history.OwningPerson()));
    fields.Set("LastModifyingOrganization", IndexOf(history.LastModifyingOrganization()));
    fields.Set("LastModifyingApplication", IndexOf(history.LastModifyingApplication()));
    fields.Set("LastModifyingPerson", IndexOf(history.LastModifyingPerson()));
    fields.Set("CreationDate", ValueFormatter::TimeText(history.CreationDate()));
    fields.Set("LastModifiedDate", ValueFormatter::TimeText(history.LastModifiedDate()));
    AECOwnerHistoryStateEnum state{};
    if (history.State(state))
        fields.Set("State", AECEnumNames::Name(state));
    AECChangeActionEnum action{};
    if (history.ChangeAction(action))
        fields.Set("ChangeAction", AECEnumNames::Name(action));
    return fields;
}

JsonValue HistoryContextDescriber::Address(const AddressData& address) {
    JsonValue fields = JsonValue::Object();
    fields.Set("Purpose", AECEnumNames::Name(address.Purpose()));
    fields.Set("Description", ValueFormatter::Text(address.Description()));
    fields.Set("UserDefinedPurpose", ValueFormatter::Text(address.UserDefinedPurpose()));
    if (address.AddressType() == AECAddressTypeEnum::kPostal) {
        const auto& postal = static_cast<const PostalAddressData&>(address);
        fields.Set("AddressType", "PostalAddressData");
        fields.Set("InternalLocation", ValueFormatter::Text(postal.InternalLocation()));
        fields.Set("AddressLines", Texts(postal.AddressLines()));
        fields.Set("PostalBox", ValueFormatter::Text(postal.PostalBox()));
        fields.Set("Town", ValueFormatter::Text(postal.Town()));
        fields.Set("Region", ValueFormatter::Text(postal.Region()));
        fields.Set("PostalCode", ValueFormatter::Text(postal.PostalCode()));
        fields.Set("Country", ValueFormatter::Text(postal.Country()));
    } else {
        const auto& telecom = static_cast<const TelecomAddressData&>(address);
        fields.Set("AddressType", "TelecomAddressData");
        fields.Set("TelephoneNumbers", Texts(telecom.TelephoneNumbers()));
        fields.Set("FacsimileNumbers", Texts(telecom.FacsimileNumbers()));
        fields.Set("PagerNumber", ValueFormatter::Text(telecom.PagerNumber()));
        fields.Set("ElectronicMailAddresses", Texts(telecom.ElectronicMailAddresses()));
        fields.Set("WWWHomePageURL", ValueFormatter::Text(telecom.WWWHomePageURL()));
        fields.Set("MessagingIDs", Texts(telecom.MessagingIDs()));
    }
    return fields;
}

JsonValue HistoryContextDescriber::Role(const RoleData& role) {
    JsonValue fields = JsonValue::Object();
    fields.Set("Role", AECEnumNames::Name(role.Role()));
    fields.Set("UserDefinedRole", ValueFormatter::Text(role.UserDefinedRole()));
    fields.Set("Description", ValueFormatter::Text(role.Description()));
    return fields;
}

JsonValue HistoryContextDescriber::Texts(const std::vector<UTF8String>& texts) {
    JsonValue list = JsonValue::Array();
    for (const UTF8String& text : texts)
        list.Append(ValueFormatter::Text(text));
    return list;
}

JsonValue HistoryContextDescriber::IndexOf(const OrganizationData* organization) const {
    return FindIndex(
        organization, m_context.OrganizationCount(),
        [this](std::size_t i) -> const OrganizationData& { return m_context.OrganizationAt(i); });
}

JsonValue HistoryContextDescriber::IndexOf(const ApplicationData* application) const {
    return FindIndex(
        application, m_context.ApplicationCount(),
        [this](std::size_t i) -> const ApplicationData& { return m_context.ApplicationAt(i); });
}

JsonValue HistoryContextDescriber::IndexOf(const PersonData* person) const {
    return FindIndex(person, m_context.PersonCount(),
                     [this](std::size_t i) -> const PersonData& { return m_context.PersonAt(i); });
}

} // namespace Orvik::Inspect
