#include "loader/XMLUniverse.h"

#include "aec/XMLAECDomainProjectContext.h"
#include "loader/CheckedIndex.h"
#include "loader/CustomDataReader.h"
#include "loader/DomainProjectContextReader.h"
#include "loader/ReadContext.h"
#include "loader/XMLDomainProjectContext.h"
#include "orvik/api/StringUtil.h"
#include "orvik/api/Vector.h"
#include "xml_util/XMLChName.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <stdexcept>
#include <string_view>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {

namespace {

using xercesc::DOMElement;
using xercesc::DOMNode;

constexpr XMLChName kViewData{"ViewData"};
constexpr XMLChName kUpVector{"UpVector"};
constexpr XMLChName kFrontVector{"FrontVector"};
constexpr XMLChName kNorthVector{"NorthVector"};
constexpr XMLChName kDefaultCurveColor{"DefaultCurveColor"};
constexpr XMLChName kDefaultSurfaceColor{"DefaultSurfaceColor"};
constexpr XMLChName kTextureUVOriginTypeNode{"TextureUVOriginTypeNode"};
constexpr XMLChName kTextureUVOriginType{"TextureUVOriginType"};
constexpr XMLChName kCustomData{"CustomData"};
constexpr XMLChName kAECProjectContext{"IAECProjectContext"};
constexpr XMLChName kDomainProjectContext{"IDomainProjectContext"};
constexpr XMLChName kFractionRed{"FractionRed"};
constexpr XMLChName kFractionGreen{"FractionGreen"};
constexpr XMLChName kFractionBlue{"FractionBlue"};
constexpr XMLChName kFractionAlpha{"FractionAlpha"};

constexpr std::u16string_view kBottomLeft = u"kTextureUVOriginType_BottomLeft";
constexpr std::u16string_view kTopLeft = u"kTextureUVOriginType_TopLeft";
constexpr std::uint32_t kBottomLeftOrigin = 1;
constexpr std::uint32_t kTopLeftOrigin = 2;

bool IsElementNamed(const DOMNode* node, const XMLCh* name) {
    return node->getNodeType() == DOMNode::ELEMENT_NODE &&
           xercesc::XMLString::equals(node->getNodeName(), name);
}

// Exactly three comma-separated parts; a part that is no number counts as 0.
bool ParseVector(const DOMNode* element, Vector& vector) {
    const std::vector<UTF16String> parts =
        StringUtil::Split(XMLStrUtil::XMLStrToWStr(element->getTextContent()), u',');
    if (parts.size() != 3)
        return false;
    double xyz[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < 3; ++i)
        StringUtil::ToDouble(parts[i], xyz[i]);
    vector.Set(xyz[0], xyz[1], xyz[2]);
    return true;
}

} // namespace

XMLUniverse::XMLUniverse(ReadContext& context)
    : m_context(&context)
    , m_propertyDatabase(std::make_unique<Orvik::PropertyDatabase>())
    , m_documentPath(context.DocumentPath()) {}

XMLUniverse::~XMLUniverse() = default;

bool XMLUniverse::ReadUniverse(const DOMElement* element) {
    if (element == nullptr)
        return false;
    for (const DOMNode* child = element->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        if (child->getNodeType() != DOMNode::ELEMENT_NODE)
            continue;
        const auto* childElement = static_cast<const DOMElement*>(child);
        if (IsElementNamed(child, kViewData))
            ReadViewData(child);
        else if (IsElementNamed(child, kDefaultCurveColor))
            ReadColor(child, m_defaultCurveColor, m_hasDefaultCurveColor);
        else if (IsElementNamed(child, kDefaultSurfaceColor))
            ReadColor(child, m_defaultSurfaceColor, m_hasDefaultSurfaceColor);
        else if (IsElementNamed(child, kTextureUVOriginTypeNode))
            ReadTextureUVOrigin(child);
        else if (IsElementNamed(child, kCustomData))
            CustomDataReader::ReadCustomData(*m_context, this, childElement);
        else if (IsElementNamed(child, kAECProjectContext))
            ReadAECProjectContext(childElement);
        else if (IsElementNamed(child, kDomainProjectContext))
            ReadDomainProjectContext(childElement);
    }
    return true;
}

void XMLUniverse::ReadViewData(const DOMNode* viewData) {
    if (!m_viewingData)
        m_viewingData = std::make_unique<Orvik::ViewingData>();
    for (const DOMNode* child = viewData->getFirstChild(); child != nullptr;
         child = child->getNextSibling()) {
        Vector vector;
        if (IsElementNamed(child, kUpVector) && ParseVector(child, vector))
            m_viewingData->SetUpVector(vector);
        else if (IsElementNamed(child, kFrontVector) && ParseVector(child, vector))
            m_viewingData->SetFrontVector(vector);
        else if (IsElementNamed(child, kNorthVector) && ParseVector(child, vector))
            m_viewingData->SetNorthVector(vector);
    }
}

void XMLUniverse::ReadColor(const DOMNode* element, Color& color, bool& hasColor) {
    UTF16String red, green, blue, alpha;
    if (!XMLUtils::GetNodeAttribute(element, kFractionRed.CStr(), red) ||
        !XMLUtils::GetNodeAttribute(element, kFractionGreen.CStr(), green) ||
        !XMLUtils::GetNodeAttribute(element, kFractionBlue.CStr(), blue))
        return;
    double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
    XMLStrUtil::XMLStrToDouble(red, r);
    XMLStrUtil::XMLStrToDouble(green, g);
    XMLStrUtil::XMLStrToDouble(blue, b);
    if (XMLUtils::GetNodeAttribute(element, kFractionAlpha.CStr(), alpha)) {
        XMLStrUtil::XMLStrToDouble(alpha, a);
        color.SetFractionalRGBA(r, g, b, a);
    } else {
        color.SetFractionalRGB(r, g, b);
    }
    hasColor = true;
}

void XMLUniverse::ReadTextureUVOrigin(const DOMNode* element) {
    UTF16String origin;
    if (!XMLUtils::GetNodeAttribute(element, kTextureUVOriginType.CStr(), origin))
        return;
    if (origin.Value() == kBottomLeft)
        m_textureUVOrigin = kBottomLeftOrigin;
    else if (origin.Value() == kTopLeft)
        m_textureUVOrigin = kTopLeftOrigin;
    else
        return;
    m_hasTextureUVOrigin = true;
}

// The first project context decides its kind; an element of the other kind is passed over.
void XMLUniverse::ReadAECProjectContext(const DOMElement* element) {
    if (!m_domainProjectContext)
        m_domainProjectContext = std::make_unique<XMLAECDomainProjectContext>();
    if (auto* context = dynamic_cast<XMLAECDomainProjectContext*>(m_domainProjectContext.get()))
        DomainProjectContextReader::ReadAECProjectContext(element, context);
}

void XMLUniverse::ReadDomainProjectContext(const DOMElement* element) {
    if (!m_domainProjectContext)
        m_domainProjectContext = std::make_unique<XMLDomainProjectContext>();
    if (auto* context = dynamic_cast<XMLDomainProjectContext*>(m_domainProjectContext.get()))
        DomainProjectContextReader::ReadDomainProjectContext(element, context);
}

bool XMLUniverse::DefaultCurveColor(Color& out) const {
    if (m_hasDefaultCurveColor)
        out = m_defaultCurveColor;
    return m_hasDefaultCurveColor;
}

bool XMLUniverse::DefaultSurfaceColor(Color& out) const {
    if (m_hasDefaultSurfaceColor)
        out = m_defaultSurfaceColor;
    return m_hasDefaultSurfaceColor;
}

bool XMLUniverse::ViewingData(Orvik::ViewingData& out) const {
    if (!m_viewingData)
        return false;
    out = *m_viewingData;
    return true;
}

std::uint64_t XMLUniverse::CustomDataCount() const {
    return m_customDataKeys.size();
}

bool XMLUniverse::CustomDataAt(std::uint64_t index, UTF8String& key, Variant& value) const {
    key = m_customDataKeys[CheckedIndex::Of(index, m_customDataKeys.size())];
    const auto found = m_customDataValues.find(key);
    if (found == m_customDataValues.end())
        return false;
    value = found->second;
    return true;
}

Orvik::PropertyDatabase* XMLUniverse::PropertyDatabase() const {
    return m_propertyDatabase.get();
}

bool XMLUniverse::TextureUVOriginType(unsigned& out) const {
    if (m_hasTextureUVOrigin)
        out = m_textureUVOrigin;
    return m_hasTextureUVOrigin;
}

IDomainProjectContext* XMLUniverse::DomainProjectContext() const {
    return m_domainProjectContext.get();
}

void XMLUniverse::AppendCustomDataKey(const UTF8String& key) {
    m_customDataKeys.push_back(key);
}

void XMLUniverse::InsertCustomDataValue(const UTF8String& key, Variant value) {
    m_customDataValues.try_emplace(key, std::move(value));
}

} // namespace Orvik
