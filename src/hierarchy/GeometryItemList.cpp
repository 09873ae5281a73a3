#include "hierarchy/GeometryItemList.h"

#include "loader/ReadContext.h"
#include "xml_util/XMLStrUtil.h"

namespace Orvik {

std::vector<UTF8String> GeometryItemList::Ids(ReadContext& context, const UTF8String& text) {
    std::vector<UTF8String> ids = XMLStrUtil::SplitStr(text.Trim(), ',');
    if (context.HasIdPrefix())
        for (UTF8String& id : ids)
            id = context.ReferenceId(id);
    return ids;
}

} // namespace Orvik
