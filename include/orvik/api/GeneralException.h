#pragma once

#include "orvik/api/Exception.h"

namespace Orvik {

class GeneralException : public Exception {
public:
    using Exception::Exception;
    std::unique_ptr<Exception> Clone() const override {
        return std::make_unique<GeneralException>(*this);
    }
};

} // namespace Orvik
