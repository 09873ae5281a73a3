#include "aec/OwnerHistoryReader.h"
#include "aec/XMLAECDomainProjectContext.h"
#include "loader/DomainProjectContextReader.h"
#include "orvik/api/Time.h"
#include "orvik/api/aec/PostalAddressData.h"
#include "orvik/api/aec/TelecomAddressData.h"
#include "orvik/writer/XmlDocumentBuilder.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik::Test {
namespace {

using Writer::XmlDocumentBuilder;
using Body = std::function<void(XmlDocumentBuilder&)>;
using Strings = std::vector<UTF8String>;

class OwnerHistoryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { xercesc::XMLPlatformUtils::Initialize(); }
    static void TearDownTestSuite() { xercesc::XMLPlatformUtils::Terminate(); }
    void TearDown() override { m_parser.reset(); }

    const xercesc::DOMElement* Parse(const std::string& rootName, const Body& body) {
        XmlDocumentBuilder builder;
        builder.Open(rootName);
        body(builder);
        builder.Close();
        const std::string xml = builder.ToString();
        m_parser = std::make_unique<xercesc::XercesDOMParser>();
        const xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()),
                                                xml.size(), "history");
        m_parser->parse(source);
        EXPECT_EQ(m_parser->getErrorCount(), 0u);
        return m_parser->getDocument()->getDocumentElement();
    }

    const EditableAECProjectHistoryContext& ReadHistory(const Body& body) {
        EXPECT_TRUE(OwnerHistoryReader::Read(m_context, Parse("AECProjectHistoryContext", body)));
        return *m_context.HistoryContext();
    }

    XMLAECDomainProjectContext m_context;

private:
    std::unique_ptr<xercesc::XercesDOMParser> m_parser;
};

void Reference(XmlDocumentBuilder& b, const char* name, const char* id) {
    b.Element(name, {{"HistoryContextIdRef", id}});
}

void Organization(XmlDocumentBuilder& b, const char* id, const char* name) {
    b.Element("OrganizationData", {{"HistoryContextId", id}, {"Name", name}});
}

void Person(XmlDocumentBuilder& b, const char* id, const char* givenName) {
    b.Element("PersonData", {{"HistoryContextId", id}, {"GivenName", givenName}});
}

void Items(XmlDocumentBuilder& b, const char* set, const char* item,
           std::initializer_list<const char*> texts) {
    b.Open(set);
    for (const char* text : texts)
        b.TextElement(item, text);
    b.Close();
}

TEST_F(OwnerHistoryTest, OwnerHistoryLinksThePartiesReadBeforeIt) {
    const auto& history = ReadHistory([](XmlDocumentBuilder& b) {
        b.Open("OrganizationSet");
        b.Element("OrganizationData", {{"HistoryContextId", "o1"},
                                       {"Name", "Builders"},
                                       {"Description", "general contractor"},
                                       {"Identification", "B-1"}});
        Organization(b, "o2", "Designers");
        b.Close();
        b.Open("ApplicationSet").Open("ApplicationData");
        b.Attribute("HistoryContextId", "a1").Attribute("FullName", "Drafter");
        b.Attribute("Identifier", "drf").Attribute("Version", "3.1");
        Reference(b, "ApplicationDeveloper", "o2");
        b.Close().Close();
        b.Open("PersonSet").Open("PersonData");
        b.Attribute("HistoryContextId", "p1").Attribute("GivenName", "Ada");
        b.Attribute("FamilyName", "Lind").Attribute("Identification", "AL");
        Items(b, "MiddleNamesSet", "MiddleName", {"Maria", "Eva"});
        Items(b, "PrefixTitlesSet", "PrefixTitle", {"Dr."});
        Items(b, "SuffixTitlesSet", "SuffixTitle", {"PhD", "MSc"});
        b.Close();
        Person(b, "p2", "Bo");
        b.Close();
        b.Open("OwnerHistorySet").Open("OwnerHistoryData");
        b.Attribute("HistoryContextId", "h1").Attribute("CreationDate", "2020-01-02T03:04:05Z");
        b.Attribute("LastModifiedDate", "2022-06-07T08:09:10Z");
        b.Attribute("State", "kReadOnlyLocked").Attribute("ChangeAction", "kModified");
        Reference(b, "OwningOrganization", "o1");
        Reference(b, "OwningApplication", "a1");
        Reference(b, "OwningPerson", "p1");
        Reference(b, "LastModifyingOrganization", "o2");
        Reference(b, "LastModifyingApplication", "a1");
        Reference(b, "LastModifyingPerson", "p2");
        b.Close().Close();
    });
    ASSERT_EQ(history.OrganizationCount(), 2u);
    ASSERT_EQ(history.ApplicationCount(), 1u);
    ASSERT_EQ(history.PersonCount(), 2u);
    ASSERT_EQ(history.OwnerHistoryCount(), 1u);

    const OrganizationData& builders = history.OrganizationAt(0);
    EXPECT_EQ(builders.Name(), UTF8String("Builders"));
    EXPECT_EQ(builders.Description(), UTF8String("general contractor"));
    EXPECT_EQ(builders.Identification(), UTF8String("B-1"));

    const ApplicationData& application = history.ApplicationAt(0);
    EXPECT_EQ(application.Developer(), &history.OrganizationAt(1));
    EXPECT_EQ(application.FullName(), UTF8String("Drafter"));
    EXPECT_EQ(application.Identifier(), UTF8String("drf"));
    EXPECT_EQ(application.Version(), UTF8String("3.1"));

    const PersonData& ada = history.PersonAt(0);
    EXPECT_EQ(ada.GivenName(), UTF8String("Ada"));
    EXPECT_EQ(ada.FamilyName(), UTF8String("Lind"));
    EXPECT_EQ(ada.Identification(), UTF8String("AL"));
    EXPECT_EQ(ada.MiddleNames(), (Strings{"Maria", "Eva"}));
    EXPECT_EQ(ada.PrefixTitles(), (Strings{"Dr."}));
    EXPECT_EQ(ada.SuffixTitles(), (Strings{"PhD", "MSc"}));

    const OwnerHistoryData& record = history.OwnerHistoryAt(0);
    EXPECT_EQ(m_context.FindOwnerHistory("h1"), &record);
    EXPECT_EQ(m_context.FindOwnerHistory("h2"), nullptr);
    EXPECT_EQ(record.OwningOrganization(), &builders);
    EXPECT_EQ(record.OwningApplication(), &application);
    EXPECT_EQ(record.OwningPerson(), &ada);
    EXPECT_EQ(record.LastModifyingOrganization(), &history.OrganizationAt(1));
    EXPECT_EQ(record.LastModifyingApplication(), &application);
    EXPECT_EQ(record.LastModifyingPerson(), &history.PersonAt(1));
    Time created, modified;
    ASSERT_TRUE(created.FromString("2020-01-02T03:04:05Z"));
    ASSERT_TRUE(modified.FromString("2022-06-07T08:09:10Z"));
    EXPECT_EQ(record.CreationDate(), created);
    EXPECT_EQ(record.LastModifiedDate(), modified);
    AECOwnerHistoryStateEnum state{};
    AECChangeActionEnum action{};
    ASSERT_TRUE(record.State(state));
    EXPECT_EQ(state, AECOwnerHistoryStateEnum::kReadOnlyLocked);
    ASSERT_TRUE(record.ChangeAction(action));
    EXPECT_EQ(action, AECChangeActionEnum::kModified);
}

TEST_F(OwnerHistoryTest, ReferencesToPartiesReadLaterStayNull) {
    const auto& history = ReadHistory([](XmlDocumentBuilder& b) {
        b.Open("OwnerHistorySet").Open("OwnerHistoryData").Attribute("HistoryContextId", "h1");
        Reference(b, "OwningPerson", "p1");
        Reference(b, "LastModifyingPerson", "p1");
        Reference(b, "OwningOrganization", "o1");
        b.Close().Close();
        b.Open("ApplicationSet").Open("ApplicationData").Attribute("HistoryContextId", "a1");
        Reference(b, "ApplicationDeveloper", "o1");
        b.Close().Close();
        b.Open("PersonSet");
        Person(b, "p1", "Ada");
        b.Close();
        b.Open("OrganizationSet");
        Organization(b, "o1", "Builders");
        b.Close();
    });
    ASSERT_EQ(history.OwnerHistoryCount(), 1u);
    ASSERT_EQ(history.PersonCount(), 1u);
    const OwnerHistoryData& record = history.OwnerHistoryAt(0);
    EXPECT_EQ(record.OwningPerson(), nullptr);
    EXPECT_EQ(record.LastModifyingPerson(), nullptr);
    EXPECT_EQ(record.OwningOrganization(), nullptr);
    EXPECT_EQ(history.ApplicationAt(0).Developer(), nullptr);
}

TEST_F(OwnerHistoryTest, UnknownOrMissingReferencesStillCreateTheRecord) {
    const auto& history = ReadHistory([](XmlDocumentBuilder& b) {
        b.Open("OrganizationSet");
        Organization(b, "o1", "Builders");
        b.Close();
        b.Open("OwnerHistorySet").Open("OwnerHistoryData").Attribute("HistoryContextId", "h1");
        Reference(b, "OwningOrganization", "o9");
        b.Element("LastModifyingOrganization", {{"HistoryContextId", "o1"}});
        b.Close();
        b.Element("OwnerHistoryData", {{"HistoryContextId", "h2"},
                                       {"State", "kOpen"},
                                       {"ChangeAction", "kmodified"},
                                       {"CreationDate", "yesterday"}});
        b.Close();
    });
    ASSERT_EQ(history.OwnerHistoryCount(), 2u);
    const OwnerHistoryData& first = history.OwnerHistoryAt(0);
    EXPECT_EQ(first.OwningOrganization(), nullptr);
    EXPECT_EQ(first.LastModifyingOrganization(), nullptr);
    EXPECT_EQ(first.OwningApplication(), nullptr);

    const OwnerHistoryData& second = history.OwnerHistoryAt(1);
    AECOwnerHistoryStateEnum state = AECOwnerHistoryStateEnum::kLocked;
    AECChangeActionEnum action = AECChangeActionEnum::kAdded;
    EXPECT_FALSE(second.State(state));
    EXPECT_FALSE(second.ChangeAction(action));
    EXPECT_EQ(state, AECOwnerHistoryStateEnum::kLocked);
    EXPECT_EQ(second.CreationDate(), Time());
    EXPECT_EQ(second.LastModifiedDate(), Time());
}

TEST_F(OwnerHistoryTest, FirstRecordOfAnIdWinsAndRecordsWithoutIdAreSkipped) {
    const auto& history = ReadHistory([](XmlDocumentBuilder& b) {
        b.Open("OrganizationSet");
        Organization(b, "o1", "First");
        Organization(b, "o1", "Second");
        b.Element("OrganizationData", {{"Name", "Anonymous"}});
        b.Close();
        b.Open("PersonSet");
        Person(b, "p1", "Ada");
        b.Element("PersonData", {{"GivenName", "Nobody"}});
        b.Close();
        b.Open("OwnerHistorySet");
        b.Element("OwnerHistoryData", {{"HistoryContextId", "h1"}, {"State", "kLocked"}});
        b.Element("OwnerHistoryData", {{"HistoryContextId", "h1"}, {"State", "kReadWrite"}});
        b.Element("OwnerHistoryData", {{"State", "kReadOnly"}});
        b.Close();
        // A second set goes on with the same ids.
        b.Open("OrganizationSet");
        Organization(b, "o1", "Third");
        Organization(b, "o2", "Fourth");
        b.Close();
    });
    ASSERT_EQ(history.OrganizationCount(), 2u);
    EXPECT_EQ(history.OrganizationAt(0).Name(), UTF8String("First"));
    EXPECT_EQ(history.OrganizationAt(1).Name(), UTF8String("Fourth"));
    EXPECT_EQ(history.PersonCount(), 1u);
    ASSERT_EQ(history.OwnerHistoryCount(), 1u);
    AECOwnerHistoryStateEnum state{};
    ASSERT_TRUE(m_context.FindOwnerHistory("h1")->State(state));
    EXPECT_EQ(state, AECOwnerHistoryStateEnum::kLocked);
    EXPECT_THROW(history.OrganizationAt(2), std::out_of_range);
}

TEST_F(OwnerHistoryTest, RolesDefaultToUserDefined) {
    const auto& history = ReadHistory([](XmlDocumentBuilder& b) {
        b.Open("OrganizationSet").Open("OrganizationData").Attribute("HistoryContextId", "o1");
        b.Open("RoleSet");
        b.Element("RoleData");
        b.Element("RoleData", {{"Role", "kPlumber"}, {"UserDefinedRole", "Plumber"}});
        b.Element("RoleData", {{"Role", "kArchitect"}, {"Description", "lead"}});
        b.Element("RoleData", {{"Role", "kResident"}});
        b.Element("Role", {{"Role", "kOwner"}});
        b.Close().Close().Close();
    });
    const OrganizationData& organization = history.OrganizationAt(0);
    ASSERT_EQ(organization.RoleCount(), 4u);
    EXPECT_EQ(organization.RoleAt(0).Role(), AECRoleEnum::kUserDefined);
    EXPECT_EQ(static_cast<unsigned>(organization.RoleAt(0).Role()), 22u);
    EXPECT_EQ(organization.RoleAt(1).Role(), AECRoleEnum::kUserDefined);
    EXPECT_EQ(organization.RoleAt(1).UserDefinedRole(), UTF8String("Plumber"));
    EXPECT_EQ(organization.RoleAt(2).Role(), AECRoleEnum::kArchitect);
    EXPECT_EQ(organization.RoleAt(2).Description(), UTF8String("lead"));
    EXPECT_EQ(static_cast<unsigned>(organization.RoleAt(3).Role()), 21u);
}

TEST_F(OwnerHistoryTest, AddressesKeepTheirKindAndFields) {
    const auto& history = ReadHistory([](XmlDocumentBuilder& b) {
        b.Open("PersonSet").Open("PersonData").Attribute("HistoryContextId", "p1");
        b.Open("AddressSet");
        b.Open("AddressData").Attribute("AddressType", "PostalAddressData");
        b.Attribute("Purpose", "kSite").Attribute("Town", "Aarhus").Attribute("Country", "DK");
        b.Attribute("PostalCode", "8000").Attribute("Description", "yard");
        Items(b, "AddressLinesSet", "AddressLine", {"Dock 4", "Gate B"});
        b.Close();
        b.Open("AddressData").Attribute("AddressType", "TelecomAddressData");
        b.Attribute("Purpose", "kNowhere").Attribute("PagerNumber", "77");
        b.Attribute("WWWHomePageURL", "http://example.invalid/");
        Items(b, "TelephoneNumbersSet", "TelephoneNumber", {"+45 1", "+45 2"});
        Items(b, "FacsimileNumbersSet", "FacsimileNumber", {"+45 3"});
        Items(b, "ElectronicMailSet", "ElectronicMail", {"a@example.invalid"});
        Items(b, "MessagingIDsSet", "MessagingID", {"ada"});
        b.Close();
        b.Element("AddressData", {{"AddressType", "RadioAddressData"}});
        b.Element("AddressData");
        b.Close().Close().Close();
    });
    const PersonData& person = history.PersonAt(0);
    ASSERT_EQ(person.AddressCount(), 2u);

    const AddressData& site = person.AddressAt(0);
    ASSERT_EQ(site.AddressType(), AECAddressTypeEnum::kPostal);
    const auto& postal = static_cast<const PostalAddressData&>(site);
    EXPECT_EQ(postal.Purpose(), AECAddressPurposeEnum::kSite);
    EXPECT_EQ(postal.Town(), UTF8String("Aarhus"));
    EXPECT_EQ(postal.Country(), UTF8String("DK"));
    EXPECT_EQ(postal.PostalCode(), UTF8String("8000"));
    EXPECT_EQ(postal.Description(), UTF8String("yard"));
    EXPECT_TRUE(postal.Region().IsEmpty());
    EXPECT_EQ(postal.AddressLines(), (Strings{"Dock 4", "Gate B"}));

    const AddressData& contact = person.AddressAt(1);
    ASSERT_EQ(contact.AddressType(), AECAddressTypeEnum::kTelecom);
    const auto& telecom = static_cast<const TelecomAddressData&>(contact);
    EXPECT_EQ(telecom.Purpose(), AECAddressPurposeEnum::kUserDefined);
    EXPECT_EQ(telecom.PagerNumber(), UTF8String("77"));
    EXPECT_EQ(telecom.WWWHomePageURL(), UTF8String("http://example.invalid/"));
    EXPECT_EQ(telecom.TelephoneNumbers(), (Strings{"+45 1", "+45 2"}));
    EXPECT_EQ(telecom.FacsimileNumbers(), (Strings{"+45 3"}));
    EXPECT_EQ(telecom.ElectronicMailAddresses(), (Strings{"a@example.invalid"}));
    EXPECT_EQ(telecom.MessagingIDs(), (Strings{"ada"}));
}

TEST_F(OwnerHistoryTest, EveryEnumerationNameReadsAsItsValue) {
    const std::vector<const char*> roles = {"kSupplier",
                                            "kManufacturer",
                                            "kContractor",
                                            "kSubcontractor",
                                            "kArchitect",
                                            "kStructuralEngineer",
                                            "kCostsEngineer",
                                            "kClient",
                                            "kBuildingOwner",
                                            "kBuildingOperator",
                                            "kMechanicalEngineer",
                                            "kElectricalEngineer",
                                            "kProjectManager",
                                            "kFacilityManager",
                                            "kCivilEngineer",
                                            "kCommissioningEngineer",
                                            "kEngineer",
                                            "kOwner",
                                            "kConsultant",
                                            "kConstructionManager",
                                            "kFieldConstructionManager",
                                            "kResident",
                                            "kUserDefined"};
    const std::vector<const char*> purposes = {"kOffice", "kSite", "kHome", "kDistributionpoint",
                                               "kUserDefined"};
    const std::vector<const char*> states = {"kLocked", "kReadOnly", "kReadOnlyLocked",
                                             "kReadWrite", "kReadWriteLocked"};
    const std::vector<const char*> actions = {"kAdded", "kDeleted", "kModified", "kNoChange",
                                              "kNotDefined"};
    const auto& history = ReadHistory([&](XmlDocumentBuilder& b) {
        b.Open("OrganizationSet").Open("OrganizationData").Attribute("HistoryContextId", "o1");
        b.Open("RoleSet");
        for (const char* role : roles)
            b.Element("RoleData", {{"Role", role}});
        b.Close().Open("AddressSet");
        for (const char* purpose : purposes)
            b.Element("AddressData", {{"AddressType", "PostalAddressData"}, {"Purpose", purpose}});
        b.Close().Close().Close();
        b.Open("OwnerHistorySet");
        for (std::size_t i = 0; i < states.size(); ++i)
            b.Element("OwnerHistoryData", {{"HistoryContextId", std::to_string(i)},
                                           {"State", states[i]},
                                           {"ChangeAction", actions[i]}});
        b.Close();
    });
    const OrganizationData& organization = history.OrganizationAt(0);
    ASSERT_EQ(organization.RoleCount(), roles.size());
    for (std::size_t i = 0; i < roles.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(organization.RoleAt(i).Role()), i) << roles[i];
    ASSERT_EQ(organization.AddressCount(), purposes.size());
    for (std::size_t i = 0; i < purposes.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(organization.AddressAt(i).Purpose()), i) << purposes[i];
    ASSERT_EQ(history.OwnerHistoryCount(), states.size());
    for (std::size_t i = 0; i < states.size(); ++i) {
        AECOwnerHistoryStateEnum state{};
        AECChangeActionEnum action{};
        ASSERT_TRUE(history.OwnerHistoryAt(i).State(state));
        ASSERT_TRUE(history.OwnerHistoryAt(i).ChangeAction(action));
        EXPECT_EQ(static_cast<std::size_t>(state), i) << states[i];
        EXPECT_EQ(static_cast<std::size_t>(action), i) << actions[i];
    }
}

TEST_F(OwnerHistoryTest, ProjectContextReadsUnitsOnceAndItsHistory) {
    const auto* element = Parse("IAECProjectContext", [](XmlDocumentBuilder& b) {
        b.Open("Units")
            .Element("ParameterTypeId", {{"ID", "len"}})
            .Element("ParameterTypeId", {{"ID", "len"}})
            .Element("ParameterTypeId", {{"ID", "ang"}})
            .Close();
        b.Open("AECProjectHistoryContext").Open("OrganizationSet");
        Organization(b, "o1", "Builders");
        b.Close().Close();
    });
    ParameterTypeIdSet ids;
    EXPECT_FALSE(m_context.ParameterTypeIds(ids));
    EXPECT_FALSE(DomainProjectContextReader::ReadAECProjectContext(element, nullptr));
    EXPECT_FALSE(DomainProjectContextReader::ReadAECProjectContext(nullptr, &m_context));
    EXPECT_FALSE(OwnerHistoryReader::Read(m_context, nullptr));
    ASSERT_TRUE(DomainProjectContextReader::ReadAECProjectContext(element, &m_context));
    ASSERT_TRUE(m_context.ParameterTypeIds(ids));
    EXPECT_EQ(ids, IdSet({"len", "ang"}));
    EXPECT_EQ(m_context.HistoryContext()->OrganizationCount(), 1u);
}

} // namespace
} // namespace Orvik::Test
