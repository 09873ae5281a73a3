#include "aec/MaterialDataReader.h"

#include "aec/XMLMaterialLayerData.h"
#include "aec/XMLMaterialLayerSetData.h"
#include "aec/XMLMaterialPieceData.h"
#include "aec/XMLMaterialPieceSetData.h"
#include "aec/XMLMaterialProfileData.h"
#include "aec/XMLMaterialProfileSetData.h"

#include <array>
#include <xercesc/dom/DOMNamedNodeMap.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

template <typename Data>
std::unique_ptr<IMaterialData> ReadAs(const MaterialDataContext& context,
                                      const DOMElement& element) {
    auto data = std::make_unique<Data>();
    data->ReadAttributes(element, context);
    for (const xercesc::DOMNode* node = element.getFirstChild(); node;
         node = node->getNextSibling())
        if (node->getNodeType() == xercesc::DOMNode::ELEMENT_NODE)
            data->ReadChild(context, static_cast<const DOMElement&>(*node));
    return data;
}

struct Kind {
    const XMLCh* name;
    std::unique_ptr<IMaterialData> (*read)(const MaterialDataContext&, const DOMElement&);
};

const std::array<Kind, 6> kKinds{{
    {u"IMaterialLayerData", ReadAs<XMLMaterialLayerData>},
    {u"IMaterialPieceData", ReadAs<XMLMaterialPieceData>},
    {u"IMaterialProfileData", ReadAs<XMLMaterialProfileData>},
    {u"IMaterialLayerSetData", ReadAs<XMLMaterialLayerSetData>},
    {u"IMaterialPieceSetData", ReadAs<XMLMaterialPieceSetData>},
    {u"IMaterialProfileSetData", ReadAs<XMLMaterialProfileSetData>},
}};

} // namespace

std::unique_ptr<IMaterialData> MaterialDataReader::Read(const MaterialDataContext& context,
                                                        const DOMElement& element) {
    for (const Kind& kind : kKinds) {
        if (!xercesc::XMLString::equals(element.getNodeName(), kind.name))
            continue;
        const xercesc::DOMNamedNodeMap* attributes = element.getAttributes();
        if (attributes == nullptr || attributes->getLength() == 0)
            return nullptr;
        return kind.read(context, element);
    }
    return nullptr;
}

} // namespace Orvik
