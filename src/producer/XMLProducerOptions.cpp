#include "orvik/xml/XMLProducerOptions.h"

namespace Orvik {

struct XMLProducerOptions::Record {
    bool wantRestoreInsecureVeldFiles = false;
    bool allowSideFilesOutsideDocumentFolder = false;
    XMLDocumentLimits documentLimits;
};

XMLProducerOptions::XMLProducerOptions()
    : m_record(std::make_unique<Record>()) {}

XMLProducerOptions::~XMLProducerOptions() = default;

XMLProducerOptions::XMLProducerOptions(const XMLProducerOptions& other)
    : BaseOptions(other)
    , m_record(std::make_unique<Record>(*other.m_record)) {}

XMLProducerOptions& XMLProducerOptions::operator=(const XMLProducerOptions& other) {
    *m_record = *other.m_record;
    return *this;
}

void XMLProducerOptions::SetWantRestoreInsecureVeldFiles(bool want) {
    m_record->wantRestoreInsecureVeldFiles = want;
}

bool XMLProducerOptions::WantRestoreInsecureVeldFiles() const {
    return m_record->wantRestoreInsecureVeldFiles;
}

void XMLProducerOptions::SetAllowSideFilesOutsideDocumentFolder(bool allow) {
    m_record->allowSideFilesOutsideDocumentFolder = allow;
}

bool XMLProducerOptions::AllowSideFilesOutsideDocumentFolder() const {
    return m_record->allowSideFilesOutsideDocumentFolder;
}

void XMLProducerOptions::SetDocumentLimits(const XMLDocumentLimits& limits) {
    m_record->documentLimits = limits;
}

const XMLDocumentLimits& XMLProducerOptions::DocumentLimits() const {
    return m_record->documentLimits;
}

} // namespace Orvik
