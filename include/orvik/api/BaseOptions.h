#pragma once

namespace Orvik {

class BaseOptions {
public:
    virtual ~BaseOptions() = default;
};

} // namespace Orvik
