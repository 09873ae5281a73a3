#pragma once

#include "orvik/api/UTF8String.h"
#include "orvik/api/aec/EditableApplicationData.h"
#include "orvik/api/aec/EditableOrganizationData.h"
#include "orvik/api/aec/EditableOwnerHistoryData.h"
#include "orvik/api/aec/EditablePersonData.h"

#include <memory>
#include <unordered_map>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class XMLAECDomainProjectContext;

// Reads an "AECProjectHistoryContext" element into an AEC project context. The sets are read
// in document order, so a reference resolves only to a party read before it.
class OwnerHistoryReader {
public:
    using DOMElement = xercesc::DOMElement;
    using DOMNode = xercesc::DOMNode;

    // False only without an element.
    static bool Read(XMLAECDomainProjectContext& context, const DOMElement* element);

private:
    explicit OwnerHistoryReader(XMLAECDomainProjectContext& context);

    void ReadSets(const DOMElement* element);
    void ReadOrganizationSet(const DOMNode* set);
    void ReadApplicationSet(const DOMNode* set);
    void ReadPersonSet(const DOMNode* set);
    void ReadOwnerHistorySet(const DOMNode* set);

    static std::unique_ptr<EditableOrganizationData> ReadOrganization(const DOMNode* node);
    std::unique_ptr<EditableApplicationData> ReadApplication(const DOMNode* node) const;
    static std::unique_ptr<EditablePersonData> ReadPerson(const DOMNode* node);
    std::unique_ptr<EditableOwnerHistoryData> ReadOwnerHistory(const DOMNode* node) const;

    XMLAECDomainProjectContext& m_context;
    std::unordered_map<UTF8String, const OrganizationData*> m_organizations;
    std::unordered_map<UTF8String, const ApplicationData*> m_applications;
    std::unordered_map<UTF8String, const PersonData*> m_persons;
};

} // namespace Orvik
