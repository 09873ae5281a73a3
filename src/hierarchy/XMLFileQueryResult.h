#pragma once

#include "orvik/api/FileQueryResult.h"

#include <xercesc/parsers/XercesDOMParser.hpp>

namespace Orvik {

// The answer to QueryFile: whether the document parsed and whether it holds an assembly
// structure, decided by a scan of the raw DOM without building objects.
class XMLFileQueryResult : public FileQueryResult {
public:
    IsValueSpecifiedEnum IsFileValid(bool& valid) const override;
    IsValueSpecifiedEnum IsAssembly(bool& assembly) const override;

    // Takes the parser after a successful parse; a null parser leaves the result unfilled.
    void Fill(const xercesc::XercesDOMParser* parser);

    static bool ScanForAssembly(const xercesc::DOMDocument& document);

private:
    bool m_isAssembly = false;
    bool m_isFileValid = false;
};

} // namespace Orvik
