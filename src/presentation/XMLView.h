#pragma once

#include "loader/CheckedIndex.h"
#include "orvik/api/IView.h"
#include "presentation/IXMLView.h"
#include "presentation/ViewMemberReader.h"
#include "xml_util/XMLEntity.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace Orvik {

// A view over its interface and member record: the plain view, and the base of the
// flat-to-screen view.
template <typename Interface, typename Member>
class XMLView : public XMLEntity<Interface>, public IXMLView {
public:
    XMLView(const UTF8String& id, const UTF16String& label)
        : XMLEntity<Interface>(id, label) {}

    XMLObject& Object() override { return *this; }

    bool IsVisible() const override { return m_visible; }

    bool IsActive() const override { return m_isActive; }
    std::size_t MemberCount() const override { return m_members.size(); }
    IdSet MemberOccurrencePath(std::size_t index) const override { return MemberAt(index).path; }
    bool MemberVisibility(std::size_t index) const override { return MemberAt(index).visible; }
    Matrix3d MemberTransform(std::size_t index) const override { return MemberAt(index).transform; }
    IsValueSpecifiedEnum Unit(UnitTypeEnum& unit) const override {
        if (!m_unitSpecified)
            return IsValueSpecifiedEnum::kUnspecified;
        unit = m_unit;
        return IsValueSpecifiedEnum::kSpecified;
    }
    IdSet MemberStyles(std::size_t index) const override { return MemberAt(index).styles; }
    IdSet Cameras() const override { return m_cameras; }

    void SetVisibility(bool visible) override { m_visible = visible; }
    void SetIsActive(bool active) override { m_isActive = active; }
    void SetUnit(UnitTypeEnum unit) override { m_unit = unit; }
    void SetUnitSpecified(bool specified) override { m_unitSpecified = specified; }
    void SetCameras(const IdSet& cameras) override { m_cameras = cameras; }

    void ReadMember(const xercesc::DOMElement& element, ReadContext& context) override {
        Member member;
        ViewMemberReader::Read(element, context, member);
        // The replaced record leaves an empty slot, dropped once reading ends, so that each
        // member is added in constant time.
        const auto [slot, added] =
            m_slotByPath.emplace(ViewMemberReader::PathKey(member.path), m_slots.size());
        if (!added) {
            m_slots[slot->second].reset();
            slot->second = m_slots.size();
        }
        m_slots.push_back(std::move(member));
    }

    void FinishMembers() override {
        for (std::optional<Member>& slot : m_slots)
            if (slot)
                m_members.push_back(std::move(*slot));
        m_slots = {};
        m_slotByPath = {};
    }

protected:
    const Member& MemberAt(std::size_t index) const {
        return m_members[CheckedIndex::Of(index, m_members.size())];
    }

private:
    bool m_isActive = true;
    UnitTypeEnum m_unit = UnitTypeEnum::kUnitType_Unknown;
    bool m_unitSpecified = false;
    std::vector<std::optional<Member>> m_slots;
    std::unordered_map<std::string, std::size_t> m_slotByPath;
    std::vector<Member> m_members;
    IdSet m_cameras;
    bool m_visible = true;
};

} // namespace Orvik
