#pragma once

#include "orvik/api/IDomainData.h"
#include "orvik/api/aec/OwnerHistoryData.h"

#include <memory>
#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;
class XMLAECObjectData;
class XMLAECTypeObjectData;

// Reads the AEC data that instances ("IAECObjectData") and groups ("IAECTypeObjectData")
// carry, with its owner history looked up in the universe's project context.
class AECDomainDataReader {
public:
    using DOMElement = xercesc::DOMElement;

    // On success the new object replaces what `out` held; otherwise `out` is left as it was.
    // An element of another name, or one lacking "DomainDataTypeId", "OwnerObjectId" or
    // "DomainDataSourceType", yields nothing.
    static bool Read(ReadContext& context, const DOMElement& element,
                     std::unique_ptr<IDomainData>& out);

private:
    static std::unique_ptr<XMLAECObjectData> ReadObjectData(ReadContext& context,
                                                            const DOMElement& element);
    static std::unique_ptr<XMLAECTypeObjectData> ReadTypeObjectData(ReadContext& context,
                                                                    const DOMElement& element);
    static void ReadSharedGeometryComponents(ReadContext& context, const DOMElement& set,
                                             XMLAECTypeObjectData& data);
    // Null, with a diagnostic, when the element names no owner history of the project context.
    static const OwnerHistoryData* LookUpOwnerHistory(ReadContext& context,
                                                      const DOMElement& ownerHistory);
};

} // namespace Orvik
