#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdint>

namespace Orvik {

enum class AECRoleEnum : std::uint32_t {
    kSupplier = 0,
    kManufacturer = 1,
    kContractor = 2,
    kSubcontractor = 3,
    kArchitect = 4,
    kStructuralEngineer = 5,
    kCostsEngineer = 6,
    kClient = 7,
    kBuildingOwner = 8,
    kBuildingOperator = 9,
    kMechanicalEngineer = 10,
    kElectricalEngineer = 11,
    kProjectManager = 12,
    kFacilityManager = 13,
    kCivilEngineer = 14,
    kCommissioningEngineer = 15,
    kEngineer = 16,
    kOwner = 17,
    kConsultant = 18,
    kConstructionManager = 19,
    kFieldConstructionManager = 20,
    kResident = 21,
    kUserDefined = 22,
};

// The part an organization or person plays in the project.
class RoleData {
public:
    virtual ~RoleData();

    AECRoleEnum Role() const { return m_role; }
    const UTF8String& Description() const { return m_description; }
    const UTF8String& UserDefinedRole() const { return m_userDefinedRole; }

protected:
    explicit RoleData(AECRoleEnum role)
        : m_role(role) {}

    AECRoleEnum m_role;
    UTF8String m_description;
    UTF8String m_userDefinedRole;
};

} // namespace Orvik
