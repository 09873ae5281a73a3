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
Json FindIndex(const Record* record, std::size_t count, At at) {
    if (record == nullptr)
        return nullptr;
    for (std::size_t i = 0; i < count; ++i)
        if (&at(i) == record)
            return static_cast<std::uint64_t>(i);
    return nullptr;
}

template <typename Items, typename Describe>
Json List(std::size_t count, Items at, Describe describe) {
    Json list = Json::array();
    for (std::size_t i = 0; i < count; ++i)
        list.push_back(describe(at(i)));
    return list;
}

} // namespace

Json HistoryContextDescriber::Describe(const EditableAECProjectHistoryContext& context) {
    const HistoryContextDescriber describer(context);
    Json fields = Json::object();
    fields["Organizations"] = List(
        context.OrganizationCount(),
        [&](std::size_t i) -> const OrganizationData& { return context.OrganizationAt(i); },
        [&](const OrganizationData& o) { return describer.Organization(o); });
    fields["Applications"] = List(
        context.ApplicationCount(),
        [&](std::size_t i) -> const ApplicationData& { return context.ApplicationAt(i); },
        [&](const ApplicationData& a) { return describer.Application(a); });
    fields["Persons"] = List(
        context.PersonCount(),
        [&](std::size_t i) -> const PersonData& { return context.PersonAt(i); },
        [&](const PersonData& p) { return describer.Person(p); });
    fields["OwnerHistories"] = List(
        context.OwnerHistoryCount(),
        [&](std::size_t i) -> const OwnerHistoryData& { return context.OwnerHistoryAt(i); },
        [&](const OwnerHistoryData& h) { return describer.OwnerHistory(h); });
    return fields;
}

Json HistoryContextDescriber::Organization(const OrganizationData& organization) const {
    Json fields = Json::object();
    fields["Name"] = ValueFormatter::Text(organization.Name());
    fields["Description"] = ValueFormatter::Text(organization.Description());
    fields["Identification"] = ValueFormatter::Text(organization.Identification());
    fields["Addresses"] = List(
        organization.AddressCount(),
        [&](std::size_t i) -> const AddressData& { return organization.AddressAt(i); }, Address);
    fields["Roles"] = List(
        organization.RoleCount(),
        [&](std::size_t i) -> const RoleData& { return organization.RoleAt(i); }, Role);
    return fields;
}

Json HistoryContextDescriber::Application(const ApplicationData& application) const {
    Json fields = Json::object();
    fields["Developer"] = IndexOf(application.Developer());
    fields["FullName"] = ValueFormatter::Text(application.FullName());
    fields["Identifier"] = ValueFormatter::Text(application.Identifier());
    fields["Version"] = ValueFormatter::Text(application.Version());
    return fields;
}

Json HistoryContextDescriber::Person(const PersonData& person) const {
    Json fields = Json::object();
    fields["Identification"] = ValueFormatter::Text(person.Identification());
    fields["GivenName"] = ValueFormatter::Text(person.GivenName());
    fields["FamilyName"] = ValueFormatter::Text(person.FamilyName());
    fields["MiddleNames"] = Texts(person.MiddleNames());
    fields["PrefixTitles"] = Texts(person.PrefixTitles());
    fields["SuffixTitles"] = Texts(person.SuffixTitles());
    fields["Addresses"] = List(
        person.AddressCount(),
        [&](std::size_t i) -> const AddressData& { return person.AddressAt(i); }, Address);
    fields["Roles"] = List(
        person.RoleCount(), [&](std::size_t i) -> const RoleData& { return person.RoleAt(i); },
        Role);
    return fields;
}

Json HistoryContextDescriber::OwnerHistory(const OwnerHistoryData& history) const {
    Json fields = Json::object();
    fields["OwningOrganization"] = IndexOf(history.OwningOrganization());
    fields["OwningApplication"] = IndexOf(history.OwningApplication());
    fields["OwningPerson"] = IndexOf(history.OwningPerson());
    fields["LastModifyingOrganization"] = IndexOf(history.LastModifyingOrganization());
    fields["LastModifyingApplication"] = IndexOf(history.LastModifyingApplication());
    fields["LastModifyingPerson"] = IndexOf(history.LastModifyingPerson());
    fields["CreationDate"] = ValueFormatter::TimeText(history.CreationDate());
    fields["LastModifiedDate"] = ValueFormatter::TimeText(history.LastModifiedDate());
    AECOwnerHistoryStateEnum state{};
    if (history.State(state))
        fields["State"] = AECEnumNames::Name(state);
    AECChangeActionEnum action{};
    if (history.ChangeAction(action))
        fields["ChangeAction"] = AECEnumNames::Name(action);
    return fields;
}

Json HistoryContextDescriber::Address(const AddressData& address) {
    Json fields = Json::object();
    fields["Purpose"] = AECEnumNames::Name(address.Purpose());
    fields["Description"] = ValueFormatter::Text(address.Description());
    fields["UserDefinedPurpose"] = ValueFormatter::Text(address.UserDefinedPurpose());
    if (address.AddressType() == AECAddressTypeEnum::kPostal) {
        const auto& postal = static_cast<const PostalAddressData&>(address);
        fields["AddressType"] = "PostalAddressData";
        fields["InternalLocation"] = ValueFormatter::Text(postal.InternalLocation());
        fields["AddressLines"] = Texts(postal.AddressLines());
        fields["PostalBox"] = ValueFormatter::Text(postal.PostalBox());
        fields["Town"] = ValueFormatter::Text(postal.Town());
        fields["Region"] = ValueFormatter::Text(postal.Region());
        fields["PostalCode"] = ValueFormatter::Text(postal.PostalCode());
        fields["Country"] = ValueFormatter::Text(postal.Country());
    } else {
        const auto& telecom = static_cast<const TelecomAddressData&>(address);
        fields["AddressType"] = "TelecomAddressData";
        fields["TelephoneNumbers"] = Texts(telecom.TelephoneNumbers());
        fields["FacsimileNumbers"] = Texts(telecom.FacsimileNumbers());
        fields["PagerNumber"] = ValueFormatter::Text(telecom.PagerNumber());
        fields["ElectronicMailAddresses"] = Texts(telecom.ElectronicMailAddresses());
        fields["WWWHomePageURL"] = ValueFormatter::Text(telecom.WWWHomePageURL());
        fields["MessagingIDs"] = Texts(telecom.MessagingIDs());
    }
    return fields;
}

Json HistoryContextDescriber::Role(const RoleData& role) {
    Json fields = Json::object();
    fields["Role"] = AECEnumNames::Name(role.Role());
    fields["UserDefinedRole"] = ValueFormatter::Text(role.UserDefinedRole());
    fields["Description"] = ValueFormatter::Text(role.Description());
    return fields;
}

Json HistoryContextDescriber::Texts(const std::vector<UTF8String>& texts) {
    Json list = Json::array();
    for (const UTF8String& text : texts)
        list.push_back(ValueFormatter::Text(text));
    return list;
}

Json HistoryContextDescriber::IndexOf(const OrganizationData* organization) const {
    return FindIndex(
        organization, m_context.OrganizationCount(),
        [this](std::size_t i) -> const OrganizationData& { return m_context.OrganizationAt(i); });
}

Json HistoryContextDescriber::IndexOf(const ApplicationData* application) const {
    return FindIndex(
        application, m_context.ApplicationCount(),
        [this](std::size_t i) -> const ApplicationData& { return m_context.ApplicationAt(i); });
}

Json HistoryContextDescriber::IndexOf(const PersonData* person) const {
    return FindIndex(person, m_context.PersonCount(),
                     [this](std::size_t i) -> const PersonData& { return m_context.PersonAt(i); });
}

} // namespace Orvik::Inspect
