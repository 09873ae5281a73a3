#include "aec/OwnerHistoryReader.h"

#include "aec/AECNodeUtil.h"
#include "aec/AECPartyDetailsReader.h"
#include "aec/XMLAECDomainProjectContext.h"
#include "orvik/api/Time.h"
#include "orvik/api/aec/AECEnumNames.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLUtils.h"

namespace Orvik {

namespace {

using xercesc::DOMNode;

constexpr XMLChName kOrganizationSet{"OrganizationSet"};
constexpr XMLChName kApplicationSet{"ApplicationSet"};
constexpr XMLChName kPersonSet{"PersonSet"};
constexpr XMLChName kOwnerHistorySet{"OwnerHistorySet"};
constexpr XMLChName kOrganizationData{"OrganizationData"};
constexpr XMLChName kApplicationData{"ApplicationData"};
constexpr XMLChName kPersonData{"PersonData"};
constexpr XMLChName kOwnerHistoryData{"OwnerHistoryData"};
constexpr XMLChName kHistoryContextId{"HistoryContextId"};
constexpr XMLChName kHistoryContextIdRef{"HistoryContextIdRef"};
constexpr XMLChName kAddressSet{"AddressSet"};
constexpr XMLChName kRoleSet{"RoleSet"};
constexpr XMLChName kName{"Name"};
constexpr XMLChName kDescription{"Description"};
constexpr XMLChName kIdentification{"Identification"};
constexpr XMLChName kApplicationDeveloper{"ApplicationDeveloper"};
constexpr XMLChName kFullName{"FullName"};
constexpr XMLChName kIdentifier{"Identifier"};
constexpr XMLChName kVersion{"Version"};
constexpr XMLChName kGivenName{"GivenName"};
constexpr XMLChName kFamilyName{"FamilyName"};
constexpr XMLChName kMiddleNamesSet{"MiddleNamesSet"};
constexpr XMLChName kMiddleName{"MiddleName"};
constexpr XMLChName kPrefixTitlesSet{"PrefixTitlesSet"};
constexpr XMLChName kPrefixTitle{"PrefixTitle"};
constexpr XMLChName kSuffixTitlesSet{"SuffixTitlesSet"};
constexpr XMLChName kSuffixTitle{"SuffixTitle"};
constexpr XMLChName kOwningOrganization{"OwningOrganization"};
constexpr XMLChName kOwningApplication{"OwningApplication"};
constexpr XMLChName kOwningPerson{"OwningPerson"};
constexpr XMLChName kLastModifyingOrganization{"LastModifyingOrganization"};
constexpr XMLChName kLastModifyingApplication{"LastModifyingApplication"};
constexpr XMLChName kLastModifyingPerson{"LastModifyingPerson"};
constexpr XMLChName kCreationDate{"CreationDate"};
constexpr XMLChName kLastModifiedDate{"LastModifiedDate"};
constexpr XMLChName kState{"State"};
constexpr XMLChName kChangeAction{"ChangeAction"};

template <typename Record>
using RecordsById = std::unordered_map<UTF8String, const Record*>;

// Items without an id, or with an id already read, are skipped.
template <typename Record, typename ReadAndKeep>
void ReadNewItems(const DOMNode* set, const XMLCh* itemName, RecordsById<Record>& known,
                  ReadAndKeep readAndKeep) {
    for (const DOMNode* child = set->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        UTF8String id;
        if (!AECNodeUtil::IsElementNamed(child, itemName) ||
            !XMLUtils::GetNodeAttribute(child, kHistoryContextId.CStr(), id) || known.count(id))
            continue;
        if (const Record* record = readAndKeep(child))
            known.emplace(std::move(id), record);
    }
}

// Null for a missing reference or one to a party not read (yet).
template <typename Record>
const Record* ResolveReference(const DOMNode* reference, const RecordsById<Record>& known) {
    UTF8String id;
    if (!XMLUtils::GetNodeAttribute(reference, kHistoryContextIdRef.CStr(), id))
        return nullptr;
    const auto found = known.find(id);
    return found == known.end() ? nullptr : found->second;
}

template <typename Party>
void ReadAddressesAndRoles(const DOMNode* child, Party& party) {
    if (AECNodeUtil::IsElementNamed(child, kAddressSet)) {
        for (auto& address : AECPartyDetailsReader::ReadAddressSet(child))
            party.AddAddress(std::move(address));
    } else if (AECNodeUtil::IsElementNamed(child, kRoleSet)) {
        for (auto& role : AECPartyDetailsReader::ReadRoleSet(child))
            party.AddRole(std::move(role));
    }
}

Time ReadTime(const DOMNode* node, const XMLCh* name) {
    Time time;
    UTF8String text;
    if (XMLUtils::GetNodeAttribute(node, name, text))
        time.FromString(text);
    return time;
}

void ReadStateAndChangeAction(const DOMNode* node, EditableOwnerHistoryData& record) {
    UTF16String text;
    AECOwnerHistoryStateEnum state{};
    if (XMLUtils::GetNodeAttribute(node, kState.CStr(), text) &&
        AECEnumNames::LookupOwnerHistoryState(text.Value(), state))
        record.SetState(state);
    AECChangeActionEnum action{};
    if (XMLUtils::GetNodeAttribute(node, kChangeAction.CStr(), text) &&
        AECEnumNames::LookupChangeAction(text.Value(), action))
        record.SetChangeAction(action);
}

} // namespace

bool OwnerHistoryReader::Read(XMLAECDomainProjectContext& context, const DOMElement* element) {
    if (element == nullptr)
        return false;
    OwnerHistoryReader(context).ReadSets(element);
    return true;
}

OwnerHistoryReader::OwnerHistoryReader(XMLAECDomainProjectContext& context)
    : m_context(context) {}

void OwnerHistoryReader::ReadSets(const DOMElement* element) {
    for (const DOMNode* child = element->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kOrganizationSet))
            ReadOrganizationSet(child);
        else if (AECNodeUtil::IsElementNamed(child, kApplicationSet))
            ReadApplicationSet(child);
        else if (AECNodeUtil::IsElementNamed(child, kPersonSet))
            ReadPersonSet(child);
        else if (AECNodeUtil::IsElementNamed(child, kOwnerHistorySet))
            ReadOwnerHistorySet(child);
    }
}

void OwnerHistoryReader::ReadOrganizationSet(const DOMNode* set) {
    EditableAECProjectHistoryContext& history = m_context.EditableHistoryContext();
    ReadNewItems(set, kOrganizationData, m_organizations, [&history](const DOMNode* node) {
        return history.AddOrganization(ReadOrganization(node));
    });
}

void OwnerHistoryReader::ReadApplicationSet(const DOMNode* set) {
    EditableAECProjectHistoryContext& history = m_context.EditableHistoryContext();
    ReadNewItems(set, kApplicationData, m_applications, [this, &history](const DOMNode* node) {
        return history.AddApplication(ReadApplication(node));
    });
}

void OwnerHistoryReader::ReadPersonSet(const DOMNode* set) {
    EditableAECProjectHistoryContext& history = m_context.EditableHistoryContext();
    ReadNewItems(set, kPersonData, m_persons,
                 [&history](const DOMNode* node) { return history.AddPerson(ReadPerson(node)); });
}

// Owner histories are indexed by the context itself, which outlives this reader.
void OwnerHistoryReader::ReadOwnerHistorySet(const DOMNode* set) {
    for (const DOMNode* child = set->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        UTF8String id;
        if (!AECNodeUtil::IsElementNamed(child, kOwnerHistoryData) ||
            !XMLUtils::GetNodeAttribute(child, kHistoryContextId.CStr(), id) ||
            m_context.HasOwnerHistory(id))
            continue;
        m_context.AddOwnerHistory(id, ReadOwnerHistory(child));
    }
}

std::unique_ptr<EditableOrganizationData>
OwnerHistoryReader::ReadOrganization(const DOMNode* node) {
    auto organization =
        EditableOrganizationData::Create(AECNodeUtil::AttributeOrEmpty(node, kName),
                                         AECNodeUtil::AttributeOrEmpty(node, kDescription),
                                         AECNodeUtil::AttributeOrEmpty(node, kIdentification));
    for (const DOMNode* child = node->getFirstChild(); child != nullptr;
         child = child->getNextSibling())
        ReadAddressesAndRoles(child, *organization);
    return organization;
}

std::unique_ptr<EditableApplicationData>
OwnerHistoryReader::ReadApplication(const DOMNode* node) const {
    const OrganizationData* developer = nullptr;
    for (const DOMNode* child = node->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kApplicationDeveloper))
            developer = ResolveReference(child, m_organizations);
    }
    return EditableApplicationData::Create(developer,
                                           AECNodeUtil::AttributeOrEmpty(node, kFullName),
                                           AECNodeUtil::AttributeOrEmpty(node, kIdentifier),
                                           AECNodeUtil::AttributeOrEmpty(node, kVersion));
}

std::unique_ptr<EditablePersonData> OwnerHistoryReader::ReadPerson(const DOMNode* node) {
    using Person = EditablePersonData;
    auto person = EditablePersonData::Create();
    AECNodeUtil::SetIfPresent(node, kIdentification, *person, &Person::SetIdentification);
    AECNodeUtil::SetIfPresent(node, kGivenName, *person, &Person::SetGivenName);
    AECNodeUtil::SetIfPresent(node, kFamilyName, *person, &Person::SetFamilyName);
    for (const DOMNode* child = node->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kMiddleNamesSet))
            AECNodeUtil::AddItemTexts(child, kMiddleName, *person, &Person::AddMiddleName);
        else if (AECNodeUtil::IsElementNamed(child, kPrefixTitlesSet))
            AECNodeUtil::AddItemTexts(child, kPrefixTitle, *person, &Person::AddPrefixTitle);
        else if (AECNodeUtil::IsElementNamed(child, kSuffixTitlesSet))
            AECNodeUtil::AddItemTexts(child, kSuffixTitle, *person, &Person::AddSuffixTitle);
        else
            ReadAddressesAndRoles(child, *person);
    }
    return person;
}

std::unique_ptr<EditableOwnerHistoryData>
OwnerHistoryReader::ReadOwnerHistory(const DOMNode* node) const {
    const OrganizationData* owningOrganization = nullptr;
    const OrganizationData* lastModifyingOrganization = nullptr;
    const ApplicationData* owningApplication = nullptr;
    const ApplicationData* lastModifyingApplication = nullptr;
    const PersonData* owningPerson = nullptr;
    const PersonData* lastModifyingPerson = nullptr;
    for (const DOMNode* child = node->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (AECNodeUtil::IsElementNamed(child, kOwningOrganization))
            owningOrganization = ResolveReference(child, m_organizations);
        else if (AECNodeUtil::IsElementNamed(child, kOwningApplication))
            owningApplication = ResolveReference(child, m_applications);
        else if (AECNodeUtil::IsElementNamed(child, kLastModifyingOrganization))
            lastModifyingOrganization = ResolveReference(child, m_organizations);
        else if (AECNodeUtil::IsElementNamed(child, kLastModifyingApplication))
            lastModifyingApplication = ResolveReference(child, m_applications);
        else if (AECNodeUtil::IsElementNamed(child, kOwningPerson))
            owningPerson = ResolveReference(child, m_persons);
        else if (AECNodeUtil::IsElementNamed(child, kLastModifyingPerson))
            lastModifyingPerson = ResolveReference(child, m_persons);
    }
    auto record = EditableOwnerHistoryData::Create(
        owningOrganization, owningApplication, ReadTime(node, kLastModifiedDate),
        lastModifyingOrganization, lastModifyingApplication, ReadTime(node, kCreationDate));
    record->SetOwningPerson(owningPerson);
    if (lastModifyingPerson != nullptr)
        record->SetLastModifyingPerson(lastModifyingPerson);
    ReadStateAndChangeAction(node, *record);
    return record;
}

} // namespace Orvik
