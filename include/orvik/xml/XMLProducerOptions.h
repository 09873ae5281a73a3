#pragma once

#include "orvik/api/BaseOptions.h"
#include "orvik/xml/XMLDocumentLimits.h"

#include <memory>

namespace Orvik {

// Options of the XML producer. The producer keeps a pointer to them: the host keeps them alive.
class XMLProducerOptions : public BaseOptions {
public:
    XMLProducerOptions();
    ~XMLProducerOptions() override;
    XMLProducerOptions(const XMLProducerOptions& other);
    XMLProducerOptions& operator=(const XMLProducerOptions& other);

    // Lets the kernel restore body files that it flags as insecure.
    void SetWantRestoreInsecureVeldFiles(bool want);
    bool WantRestoreInsecureVeldFiles() const;

    // For a host that trusts its documents: side files may lie outside the document's folder
    // and the extraction folder. They must still be regular files within the limits. Off by
    // default.
    void SetAllowSideFilesOutsideDocumentFolder(bool allow);
    bool AllowSideFilesOutsideDocumentFolder() const;

    // Bounds a document must keep to be parsed at all.
    void SetDocumentLimits(const XMLDocumentLimits& limits);
    const XMLDocumentLimits& DocumentLimits() const;

private:
    struct Record;
    std::unique_ptr<Record> m_record;
};

} // namespace Orvik
