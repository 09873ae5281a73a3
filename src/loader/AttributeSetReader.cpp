#include "loader/AttributeSetReader.h"

#include "loader/ReadContext.h"
#include "loader/SceneSetReaders.h"
#include "orvik/api/ObjectCollector.h"
#include "xml_util/XMLUtils.h"

#include <array>
#include <memory>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;
using IdList = AttributeSetReader::IdList;

// Creates and reads the object of one inline set child; null while the kind is not loaded yet.
using InlineObjectReader = void (*)(ReadContext& context, const DOMElement& child,
                                    const UTF8String& id);

// The attributes a member of the set must carry besides "ID"; null ends the list.
using RequiredAttributes = std::array<const XMLCh*, 2>;

bool HasRequired(ReadContext& context, const DOMElement& child,
                 const RequiredAttributes& required) {
    for (const XMLCh* name : required) {
        if (name != nullptr && !child.hasAttribute(name)) {
            context.Report(DiagnosticCode::kReadFailed, DiagnosticSeverity::kWarning, &child,
                           UTF8String("a set member without \"" + UTF16String(name).ToUTF8() +
                                      "\" is skipped"));
            return false;
        }
    }
    return true;
}

bool ReadInlineSet(ReadContext& context, const DOMElement* set, IdList& ids,
                   InlineObjectReader readObject, const RequiredAttributes& required = {}) {
    if (set == nullptr)
        return false;
    for (const DOMNode* node = set->getFirstChild(); node; node = node->getNextSibling()) {
        if (node->getNodeType() != DOMNode::ELEMENT_NODE)
            continue;
        const auto& child = static_cast<const DOMElement&>(*node);
        UTF8String id;
        // A child without an id names nothing; it is passed over.
        if (!XMLUtils::GetNodeAttribute(&child, "ID", id)) {
            context.Report(DiagnosticCode::kMissingId, DiagnosticSeverity::kWarning, &child,
                           UTF8String("a set member without \"ID\" is skipped"));
            continue;
        }
        if (!HasRequired(context, child, required))
            continue;
        id = context.ReferenceId(id);
        ids.push_back(id);
        if (readObject && !context.Holds(id))
            readObject(context, child, id);
    }
    return true;
}

bool CameraSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&, IdList& ids) {
    return AttributeSetReader::ReadCameraSet(context, &set, ids);
}

bool ViewSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&, IdList& ids) {
    return AttributeSetReader::ReadViewSet(context, &set, ids);
}

bool LightSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&, IdList& ids) {
    return AttributeSetReader::ReadLightSet(context, &set, ids);
}

bool MaterialSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&, IdList& ids) {
    return AttributeSetReader::ReadMaterialSet(context, &set, ids);
}

bool AnimationSet(ReadContext& context, const DOMElement& set, AmbrelAssetTable&, IdList& ids) {
    return AttributeSetReader::ReadAnimationSet(context, &set, ids);
}

struct SetRow {
    const XMLCh* name;
    int walk;
    IdSet AttributeSets::*target;
    AttributeSetReader::SetReader reader; // null while the kind is not loaded yet
};

// The three walks matter only through objects created in place: cameras and materials may
// refer to what the first walk made, views and lights to what the second made.
const std::array<SetRow, 10>& SetRows() {
    static const std::array<SetRow, 10> rows{{
        {u"GroupSet", 1, &AttributeSets::groups, ReadGroupSet},
        {u"LayerSet", 1, &AttributeSets::layers, ReadLayerSet},
        {u"TextureSet", 1, &AttributeSets::textures, ReadTextureSetMembers},
        {u"StyleSet", 1, &AttributeSets::styles, ReadStyleSetMembers},
        {u"LodSet", 1, &AttributeSets::lods, ReadLodSet},
        {u"CameraSet", 2, &AttributeSets::cameras, CameraSet},
        {u"MaterialSet", 2, &AttributeSets::materials, MaterialSet},
        {u"ViewSet", 3, &AttributeSets::views, ViewSet},
        {u"LightSet", 3, &AttributeSets::lights, LightSet},
        {u"AnimationSet", 3, &AttributeSets::animations, AnimationSet},
    }};
    return rows;
}

void ReadWalk(ReadContext& context, const DOMElement& element, int walk, AttributeSets& sets,
              AmbrelAssetTable& assets) {
    for (const DOMNode* node = element.getFirstChild(); node; node = node->getNextSibling()) {
        if (node->getNodeType() != DOMNode::ELEMENT_NODE)
            continue;
        for (const SetRow& row : SetRows()) {
            if (row.walk != walk || row.reader == nullptr ||
                !xercesc::XMLString::equals(node->getNodeName(), row.name))
                continue;
            IdList ids;
            row.reader(context, static_cast<const DOMElement&>(*node), assets, ids);
            for (const UTF8String& id : ids)
                (sets.*row.target).AddWithUniquenessCheck(id);
        }
    }
}

} // namespace

bool AttributeSetReader::ReadAttributeSet(ReadContext& context, const DOMElement* element,
                                          AttributeSets& sets, AmbrelAssetTable& assets) {
    if (element == nullptr)
        return false;
    for (int walk = 1; walk <= 3; ++walk)
        ReadWalk(context, *element, walk, sets, assets);
    return true;
}

bool AttributeSetReader::ReadCameraSet(ReadContext& context, const DOMElement* set, IdList& ids) {
    return ReadInlineSet(context, set, ids, SceneSetReaders::ReadCamera, {u"Label", u"Type"});
}

bool AttributeSetReader::ReadViewSet(ReadContext& context, const DOMElement* set, IdList& ids) {
    return ReadInlineSet(context, set, ids, SceneSetReaders::ReadView, {u"Label"});
}

bool AttributeSetReader::ReadLightSet(ReadContext& context, const DOMElement* set, IdList& ids) {
    return ReadInlineSet(context, set, ids, SceneSetReaders::ReadLight, {u"Label"});
}

bool AttributeSetReader::ReadMaterialSet(ReadContext& context, const DOMElement* set, IdList& ids) {
    return ReadInlineSet(context, set, ids,
                         [](ReadContext& c, const DOMElement& child, const UTF8String& id) {
                             ReadMaterialSetMember(c, child, id);
                         });
}

bool AttributeSetReader::ReadAnimationSet(ReadContext& context, const DOMElement* set,
                                          IdList& ids) {
    return ReadInlineSet(context, set, ids, SceneSetReaders::ReadAnimation, {u"Label"});
}

} // namespace Orvik
