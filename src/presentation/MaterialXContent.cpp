#include "presentation/MaterialXContent.h"

#include "loader/ElementWalk.h"
#include "loader/ReadContext.h"
#include "orvik/api/IOUtil.h"
#include "orvik/api/StringUtil.h"
#include "presentation/HandedOverPath.h"
#include "xml_util/XMLMaterialXStyle.h"
#include "xml_util/XMLStrUtil.h"
#include "xml_util/XMLUtils.h"

#include <memory>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMImplementation.hpp>
#include <xercesc/dom/DOMLSSerializer.hpp>
#include <xercesc/util/XMLString.hpp>

namespace Orvik {
namespace {

using xercesc::DOMElement;

struct SerializerRelease {
    void operator()(xercesc::DOMLSSerializer* serializer) const { serializer->release(); }
};

struct TextRelease {
    void operator()(XMLCh* text) const { xercesc::XMLString::release(&text); }
};

} // namespace

void MaterialXContent::Read(ReadContext& context, const DOMElement& info,
                            XMLMaterialXStyle& style) {
    ElementWalk::ForEachChildElement(info, [&](const DOMElement& child) {
        if (ElementWalk::IsNamed(child, u"materialx"))
            ReadDocument(child, style);
        else if (ElementWalk::IsNamed(child, u"FilesReference"))
            ReadFileReference(context, child, style);
    });
}

void MaterialXContent::ReadDocument(const DOMElement& materialx, XMLMaterialXStyle& style) {
    const xercesc::DOMDocument* document = materialx.getOwnerDocument();
    if (document == nullptr)
        return;
    const std::unique_ptr<xercesc::DOMLSSerializer, SerializerRelease> serializer(
        document->getImplementation()->createLSSerializer());
    const std::unique_ptr<XMLCh, TextRelease> text(serializer->writeToString(&materialx));
    if (!text)
        return;
    const std::string narrow = XMLStrUtil::XMLStrToAStr(text.get()).Value();
    style.SetMaterialXContent(Blob(narrow.size(), narrow.data()));
}

void MaterialXContent::ReadFileReference(ReadContext& context, const DOMElement& reference,
                                         XMLMaterialXStyle& style) {
    UTF16String source;
    UTF16String resolved;
    XMLUtils::GetNodeAttribute(&reference, u"SourceFilePath", source);
    if (XMLUtils::GetNodeAttribute(&reference, u"ResolvedFilePath", resolved) &&
        !StringUtil::IsAbsolutePath(resolved))
        resolved = IOUtil::AppendFilePath(context.SideFileDirectory(), resolved);
    HandedOverPath::ReportIfOutside(context, reference, resolved, "file reference");
    style.AddFileReference(source, resolved);
}

} // namespace Orvik
