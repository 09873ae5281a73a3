#include "veld/VeldUtil.h"

#include "veld/ENTITY.h"

namespace Orvik {

std::FILE* VeldUtil::OpenVeldFile(const UTF8String& path, const UTF8String& mode) {
    if (path.IsEmpty() || mode.IsEmpty())
        return nullptr;
    return std::fopen(path.CStr(), mode.CStr());
}

void VeldUtil::CloseVeldFile(std::FILE* file) {
    if (file != nullptr)
        std::fclose(file);
}

UTF8String VeldUtil::EntityDxid(const Veld::ENTITY* entity) {
    if (entity == nullptr)
        return UTF8String();
    return UTF8String(entity->dxid());
}

} // namespace Orvik
