#pragma once

#include "presentation/XMLProducerViewMemberWithFlatToScreenInfo.h"

#include <string>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// Reads one "ViewMemberChild" into a member record. An "OccurrencePath" without "Path" and an
// "EntityVisibility" without "Visibility" are skipped with a diagnostic.
class ViewMemberReader {
public:
    static void Read(const xercesc::DOMElement& member, ReadContext& context,
                     XMLProducerViewMemberOverrideInfo& record);
    // The same, and the "ViewWithFlatToScreenMemberChild" content.
    static void Read(const xercesc::DOMElement& member, ReadContext& context,
                     XMLProducerViewMemberWithFlatToScreenInfo& record);
    // A key equal for equal paths only.
    static std::string PathKey(const IdSet& path);

private:
    static bool ReadCommonChild(const xercesc::DOMElement& child, ReadContext& context,
                                XMLProducerViewMemberOverrideInfo& record);
};

} // namespace Orvik
