#pragma once

#include "orvik/api/Exception.h"
#include "orvik/api/UTF16String.h"

namespace Orvik {

// A file that could not be opened, extracted or parsed.
class FileException : public Exception {
public:
    explicit FileException(UTF8String message = UTF8String("File could not be read."))
        : Exception(std::move(message)) {}

    void SetErrorCode(int code) { m_errorCode = code; }
    int ErrorCode() const { return m_errorCode; }
    void SetFileName(UTF16String name) { m_fileName = std::move(name); }
    const UTF16String& FileName() const { return m_fileName; }

    std::unique_ptr<Exception> Clone() const override {
        return std::make_unique<FileException>(*this);
    }

private:
    int m_errorCode = 0;
    UTF16String m_fileName;
};

} // namespace Orvik
