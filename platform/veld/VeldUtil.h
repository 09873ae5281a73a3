#pragma once

#include "orvik/api/UTF8String.h"

#include <cstdio>
#include <memory>

namespace Orvik {

namespace Veld {
class ENTITY;
} // namespace Veld

// The binding's helpers around kernel files and entities.
class VeldUtil {
public:
    struct FileCloser {
        void operator()(std::FILE* file) const { CloseVeldFile(file); }
    };
    using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

    // Null when the file cannot be opened.
    static std::FILE* OpenVeldFile(const UTF8String& path, const UTF8String& mode);
    static void CloseVeldFile(std::FILE* file);
    // Empty for null or an entity without one.
    static UTF8String EntityDxid(const Veld::ENTITY* entity);
};

} // namespace Orvik
