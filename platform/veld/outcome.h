#pragma once

namespace Orvik::Veld {

// Result of a kernel operation; error number 0 is success.
class outcome {
public:
    enum : int {
        kOk = 0,
        kMalformedFile = 1,
        kInsecureRestoreRefused = 2,
        kReadFailed = 3,
        kNoEdge = 4,
    };

    explicit outcome(int errorNumber = kOk)
        : m_error(errorNumber) {}

    int error_number() const { return m_error; }
    bool ok() const { return m_error == kOk; }

private:
    int m_error;
};

} // namespace Orvik::Veld
