#pragma once

#include "orvik/api/IObject.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class IXMLView;
class ReadContext;

// One member of a "ViewSet": a flat-to-screen view when the element has an
// "IViewWithFlatToScreen" child, a plain view otherwise.
class ViewReader {
public:
    static std::unique_ptr<IObject> Read(ReadContext& context, const xercesc::DOMElement& element,
                                         const UTF8String& id);
    // Fills a view of either kind from its element.
    static void ReadViewElement(const xercesc::DOMElement& element, ReadContext& context,
                                IXMLView& view);
};

} // namespace Orvik
