#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/UnitTypeEnum.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;
class XMLObject;

// Reads what entity elements share: the identity attributes and the common children, as each
// kind's policy says. A kind's own reader asks it first for every child and reads the rest.
class EntityReader {
public:
    // The common children, one bit each.
    enum Child : unsigned {
        kChangeKey = 1u << 0,
        kExtensionData = 1u << 1,
        kStyles = 1u << 2,
        kNetStyles = 1u << 3,
        kMaterials = 1u << 4,
        kAnimations = 1u << 5,
        kUnit = 1u << 6,
        // Not a child: the "VersionPersistentId" attribute.
        kVersionPersistentId = 1u << 7,
    };

    struct Policy {
        // The children the kind reads here.
        unsigned reads;
        // Of those, the ones whose names match whatever their letter case (the list is then
        // read under the name it has).
        unsigned anyCase = 0;
    };

    // Where the lists and units go; a null target drops what is read into it.
    struct Targets {
        IdSet* styles = nullptr;
        IdSet* netStyles = nullptr;
        IdSet* materials = nullptr;
        IdSet* animations = nullptr;
        UnitTypeEnum* lengthUnit = nullptr;
        UnitTypeEnum* displayAngleUnit = nullptr;
        UnitTypeEnum* displayLengthUnit = nullptr;
    };

    EntityReader(ReadContext& context, XMLObject& object, const Policy& policy,
                 const Targets& targets);

    // "ID" (the new id under a prefix), "Label" when present, and "VersionPersistentId" when
    // present and the kind reads it.
    void ReadIdentity(const xercesc::DOMElement& element);
    // True when the child was a common child of the kind and has been read.
    bool ReadChild(const xercesc::DOMElement& child);

private:
    bool Matches(const xercesc::DOMElement& child, Child kind, const XMLCh* name) const;
    void ReadUnit(const xercesc::DOMElement& child);

    ReadContext& m_context;
    XMLObject& m_object;
    Policy m_policy;
    Targets m_targets;
};

} // namespace Orvik
