#pragma once

#include "aec/MaterialDataReader.h"
#include "aec/XMLMaterialData.h"

#include <memory>
#include <vector>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {

// A set of pieces, layers or profiles: the members of its "MaterialChildSet" of the member
// kind, in document order, owned by the set.
template <typename Interface, typename Member>
class XMLMaterialSetData : public XMLMaterialData<Interface> {
public:
    std::size_t MaterialCount() const override { return m_members.size(); }
    const Member* MaterialAt(std::size_t index) const override {
        return index < m_members.size() ? m_members[index] : nullptr;
    }

    bool ReadChild(const MaterialDataContext& context, const xercesc::DOMElement& child) override {
        if (!xercesc::XMLString::equals(child.getNodeName(), u"MaterialChildSet"))
            return false;
        for (const xercesc::DOMNode* node = child.getFirstChild(); node;
             node = node->getNextSibling())
            if (node->getNodeType() == xercesc::DOMNode::ELEMENT_NODE &&
                xercesc::XMLString::equals(node->getNodeName(), MemberName()))
                Append(MaterialDataReader::Read(context,
                                                static_cast<const xercesc::DOMElement&>(*node)));
        return true;
    }

protected:
    virtual const XMLCh* MemberName() const = 0;

private:
    void Append(std::unique_ptr<IMaterialData> data) {
        const auto* member = dynamic_cast<const Member*>(data.get());
        if (member == nullptr)
            return;
        m_members.push_back(member);
        m_owned.push_back(std::move(data));
    }

    std::vector<const Member*> m_members;
    std::vector<std::unique_ptr<IMaterialData>> m_owned;
};

} // namespace Orvik
