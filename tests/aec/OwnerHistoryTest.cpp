#include "DomParser.h"
#include "aec/OwnerHistoryReader.h"
#include "aec/XMLAECDomainProjectContext.h"
#include "loader/DomainProjectContextReader.h"
#include "orvik/api/Time.h"
#include "orvik/api/aec/PostalAddressData.h"
#include "orvik/api/aec/TelecomAddressData.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {
namespace {

using Strings = std::vector<UTF8String>;

class OwnerHistoryTest : public TestSupport::XercesTest {
protected:
    const EditableAECProjectHistoryContext& ReadHistory(const std::string& sets) {
        EXPECT_TRUE(OwnerHistoryReader::Read(
            m_context, Parse("<AECProjectHistoryContext>" + sets + "</AECProjectHistoryContext>")));
        return *m_context.HistoryContext();
    }

    XMLAECDomainProjectContext m_context;
};

Time At(const char* text) {
    Time time;
    EXPECT_TRUE(time.FromString(text)) << text;
    return time;
}

TEST_F(OwnerHistoryTest, OwnerHistoryLinksThePartiesReadBeforeIt) {
    const auto& history = ReadHistory(R"(
      <OrganizationSet>
        <OrganizationData HistoryContextId="o1" Name="Builders" Description="general contractor"
                          Identification="B-1"/>
        <OrganizationData HistoryContextId="o2" Name="Designers"/>
      </OrganizationSet>
      <ApplicationSet>
        <ApplicationData HistoryContextId="a1" FullName="Drafter" Identifier="drf" Version="3.1">
          <ApplicationDeveloper HistoryContextIdRef="o2"/>
        </ApplicationData>
      </ApplicationSet>
      <PersonSet>
        <PersonData HistoryContextId="p1" GivenName="Ada" FamilyName="Lind" Identification="AL">
          <MiddleNamesSet><MiddleName>Maria</MiddleName><MiddleName>Eva</MiddleName>
          </MiddleNamesSet>
          <PrefixTitlesSet><PrefixTitle>Dr.</PrefixTitle></PrefixTitlesSet>
          <SuffixTitlesSet><SuffixTitle>PhD</SuffixTitle><SuffixTitle>MSc</SuffixTitle>
          </SuffixTitlesSet>
        </PersonData>
        <PersonData HistoryContextId="p2" GivenName="Bo"/>
      </PersonSet>
      <OwnerHistorySet>
        <OwnerHistoryData HistoryContextId="h1" State="kReadOnlyLocked" ChangeAction="kModified"
            CreationDate="2020-01-02T03:04:05Z" LastModifiedDate="2022-06-07T08:09:10Z">
          <OwningOrganization HistoryContextIdRef="o1"/>
          <OwningApplication HistoryContextIdRef="a1"/>
          <OwningPerson HistoryContextIdRef="p1"/>
          <LastModifyingOrganization HistoryContextIdRef="o2"/>
          <LastModifyingApplication HistoryContextIdRef="a1"/>
          <LastModifyingPerson HistoryContextIdRef="p2"/>
        </OwnerHistoryData>
      </OwnerHistorySet>)");
    ASSERT_EQ(history.OrganizationCount(), 2u);
    ASSERT_EQ(history.ApplicationCount(), 1u);
    ASSERT_EQ(history.PersonCount(), 2u);
    ASSERT_EQ(history.OwnerHistoryCount(), 1u);

    const OrganizationData& builders = history.OrganizationAt(0);
    EXPECT_EQ((Strings{builders.Name(), builders.Description(), builders.Identification()}),
              (Strings{"Builders", "general contractor", "B-1"}));
    const ApplicationData& drafter = history.ApplicationAt(0);
    EXPECT_EQ(drafter.Developer(), &history.OrganizationAt(1));
    EXPECT_EQ((Strings{drafter.FullName(), drafter.Identifier(), drafter.Version()}),
              (Strings{"Drafter", "drf", "3.1"}));
    const PersonData& ada = history.PersonAt(0);
    EXPECT_EQ((Strings{ada.GivenName(), ada.FamilyName(), ada.Identification()}),
              (Strings{"Ada", "Lind", "AL"}));
    EXPECT_EQ(ada.MiddleNames(), (Strings{"Maria", "Eva"}));
    EXPECT_EQ(ada.PrefixTitles(), (Strings{"Dr."}));
    EXPECT_EQ(ada.SuffixTitles(), (Strings{"PhD", "MSc"}));

    const OwnerHistoryData& record = history.OwnerHistoryAt(0);
    EXPECT_EQ(m_context.FindOwnerHistory("h1"), &record);
    EXPECT_EQ(m_context.FindOwnerHistory("h2"), nullptr);
    EXPECT_EQ(record.OwningOrganization(), &builders);
    EXPECT_EQ(record.OwningApplication(), &drafter);
    EXPECT_EQ(record.OwningPerson(), &ada);
    EXPECT_EQ(record.LastModifyingOrganization(), &history.OrganizationAt(1));
    EXPECT_EQ(record.LastModifyingApplication(), &drafter);
    EXPECT_EQ(record.LastModifyingPerson(), &history.PersonAt(1));
    EXPECT_EQ(record.CreationDate(), At("2020-01-02T03:04:05Z"));
    EXPECT_EQ(record.LastModifiedDate(), At("2022-06-07T08:09:10Z"));
    AECOwnerHistoryStateEnum state{};
    AECChangeActionEnum action{};
    ASSERT_TRUE(record.State(state) && record.ChangeAction(action));
    EXPECT_EQ(state, AECOwnerHistoryStateEnum::kReadOnlyLocked);
    EXPECT_EQ(action, AECChangeActionEnum::kModified);
}

TEST_F(OwnerHistoryTest, OnlyPartiesReadBeforeResolveAndTheFirstRecordOfAnIdWins) {
    const auto& history = ReadHistory(R"(
      <OwnerHistorySet>
        <OwnerHistoryData HistoryContextId="h1" State="kLocked">
          <OwningPerson HistoryContextIdRef="p1"/>
          <LastModifyingPerson HistoryContextIdRef="p1"/>
          <OwningOrganization HistoryContextIdRef="o1"/>
        </OwnerHistoryData>
        <OwnerHistoryData HistoryContextId="h1" State="kReadWrite"/>
        <OwnerHistoryData State="kReadOnly"/>
      </OwnerHistorySet>
      <ApplicationSet>
        <ApplicationData HistoryContextId="a1"><ApplicationDeveloper HistoryContextIdRef="o1"/>
        </ApplicationData>
      </ApplicationSet>
      <PersonSet><PersonData HistoryContextId="p1"/><PersonData GivenName="Nobody"/></PersonSet>
      <OrganizationSet>
        <OrganizationData HistoryContextId="o1" Name="First"/>
        <OrganizationData HistoryContextId="o1" Name="Second"/>
        <OrganizationData Name="Anonymous"/>
      </OrganizationSet>
      <OwnerHistorySet>
        <OwnerHistoryData HistoryContextId="h2" State="kOpen" ChangeAction="kmodified"
                          CreationDate="yesterday">
          <OwningOrganization HistoryContextIdRef="o9"/>
          <LastModifyingOrganization HistoryContextId="o1"/>
        </OwnerHistoryData>
      </OwnerHistorySet>
      <OrganizationSet>
        <OrganizationData HistoryContextId="o1" Name="Third"/>
        <OrganizationData HistoryContextId="o2" Name="Fourth"/>
      </OrganizationSet>)");
    ASSERT_EQ(history.OrganizationCount(), 2u);
    EXPECT_EQ(history.OrganizationAt(0).Name(), UTF8String("First"));
    EXPECT_EQ(history.OrganizationAt(1).Name(), UTF8String("Fourth"));
    EXPECT_THROW(history.OrganizationAt(2), std::out_of_range);
    EXPECT_EQ(history.PersonCount(), 1u);
    EXPECT_EQ(history.ApplicationAt(0).Developer(), nullptr);
    ASSERT_EQ(history.OwnerHistoryCount(), 2u);

    const OwnerHistoryData& early = *m_context.FindOwnerHistory("h1");
    EXPECT_EQ(early.OwningPerson(), nullptr);
    EXPECT_EQ(early.LastModifyingPerson(), nullptr);
    EXPECT_EQ(early.OwningOrganization(), nullptr);
    AECOwnerHistoryStateEnum state{};
    ASSERT_TRUE(early.State(state));
    EXPECT_EQ(state, AECOwnerHistoryStateEnum::kLocked);

    // An unknown id, the wrong attribute, and names and dates that do not parse.
    const OwnerHistoryData& broken = history.OwnerHistoryAt(1);
    EXPECT_EQ(broken.OwningOrganization(), nullptr);
    EXPECT_EQ(broken.LastModifyingOrganization(), nullptr);
    EXPECT_EQ(broken.OwningApplication(), nullptr);
    AECChangeActionEnum action = AECChangeActionEnum::kAdded;
    EXPECT_FALSE(broken.State(state));
    EXPECT_FALSE(broken.ChangeAction(action));
    EXPECT_EQ(state, AECOwnerHistoryStateEnum::kLocked);
    EXPECT_EQ(broken.CreationDate(), Time());
    EXPECT_EQ(broken.LastModifiedDate(), Time());
}

TEST_F(OwnerHistoryTest, AddressesKeepTheirKindAndFieldsAndRolesDefaultToUserDefined) {
    const auto& history = ReadHistory(R"(
      <OrganizationSet><OrganizationData HistoryContextId="o1"><RoleSet>
        <RoleData/>
        <RoleData Role="kPlumber" UserDefinedRole="Plumber"/>
        <RoleData Role="kArchitect" Description="lead"/>
        <Role Role="kOwner"/>
      </RoleSet></OrganizationData></OrganizationSet>
      <PersonSet><PersonData HistoryContextId="p1"><AddressSet>
        <AddressData AddressType="PostalAddressData" Purpose="kSite" Town="Aarhus" Country="DK"
                     PostalCode="8000" Description="yard">
          <AddressLinesSet><AddressLine>Dock 4</AddressLine><AddressLine>Gate B</AddressLine>
          </AddressLinesSet>
        </AddressData>
        <AddressData AddressType="TelecomAddressData" Purpose="kNowhere" PagerNumber="77"
                     WWWHomePageURL="http://example.invalid/">
          <TelephoneNumbersSet><TelephoneNumber>+45 1</TelephoneNumber>
            <TelephoneNumber>+45 2</TelephoneNumber></TelephoneNumbersSet>
          <FacsimileNumbersSet><FacsimileNumber>+45 3</FacsimileNumber></FacsimileNumbersSet>
          <ElectronicMailSet><ElectronicMail>a@example.invalid</ElectronicMail></ElectronicMailSet>
          <MessagingIDsSet><MessagingID>ada</MessagingID></MessagingIDsSet>
        </AddressData>
        <AddressData AddressType="RadioAddressData"/>
        <AddressData/>
      </AddressSet></PersonData></PersonSet>)");
    const OrganizationData& organization = history.OrganizationAt(0);
    ASSERT_EQ(organization.RoleCount(), 3u);
    EXPECT_EQ(organization.RoleAt(0).Role(), AECRoleEnum::kUserDefined);
    EXPECT_EQ(organization.RoleAt(1).Role(), AECRoleEnum::kUserDefined);
    EXPECT_EQ(organization.RoleAt(1).UserDefinedRole(), UTF8String("Plumber"));
    EXPECT_EQ(organization.RoleAt(2).Role(), AECRoleEnum::kArchitect);
    EXPECT_EQ(organization.RoleAt(2).Description(), UTF8String("lead"));
    const PersonData& person = history.PersonAt(0);
    ASSERT_EQ(person.AddressCount(), 2u);

    ASSERT_EQ(person.AddressAt(0).AddressType(), AECAddressTypeEnum::kPostal);
    const auto& postal = static_cast<const PostalAddressData&>(person.AddressAt(0));
    EXPECT_EQ(postal.Purpose(), AECAddressPurposeEnum::kSite);
    EXPECT_EQ((Strings{postal.Town(), postal.Country(), postal.PostalCode(), postal.Description(),
                       postal.Region()}),
              (Strings{"Aarhus", "DK", "8000", "yard", ""}));
    EXPECT_EQ(postal.AddressLines(), (Strings{"Dock 4", "Gate B"}));

    ASSERT_EQ(person.AddressAt(1).AddressType(), AECAddressTypeEnum::kTelecom);
    const auto& telecom = static_cast<const TelecomAddressData&>(person.AddressAt(1));
    EXPECT_EQ(telecom.Purpose(), AECAddressPurposeEnum::kUserDefined);
    EXPECT_EQ((Strings{telecom.PagerNumber(), telecom.WWWHomePageURL()}),
              (Strings{"77", "http://example.invalid/"}));
    EXPECT_EQ(telecom.TelephoneNumbers(), (Strings{"+45 1", "+45 2"}));
    EXPECT_EQ(telecom.FacsimileNumbers(), (Strings{"+45 3"}));
    EXPECT_EQ(telecom.ElectronicMailAddresses(), (Strings{"a@example.invalid"}));
    EXPECT_EQ(telecom.MessagingIDs(), (Strings{"ada"}));
}

TEST_F(OwnerHistoryTest, ProjectContextReadsUnitsOnceAndItsHistory) {
    const auto* element = Parse(R"(<IAECProjectContext>
        <Units><ParameterTypeId ID="len"/><ParameterTypeId ID="len"/><ParameterTypeId ID="ang"/>
        </Units>
        <AECProjectHistoryContext><OrganizationSet><OrganizationData HistoryContextId="o1"/>
        </OrganizationSet></AECProjectHistoryContext>
      </IAECProjectContext>)");
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
