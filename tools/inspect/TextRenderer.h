#pragma once

#include "Json.h"

#include <ostream>

namespace Orvik::Inspect {

// The readable form of the inspector's model: an indented tree, one value per line.
class TextRenderer {
public:
    static void Render(const Json& model, std::ostream& out);

private:
    static void RenderValue(const Json& value, std::ostream& out, int depth);
    static void RenderObjectEntry(const Json& object, std::ostream& out, int depth);
    static bool IsScalar(const Json& value);
    static bool IsScalarList(const Json& value);
    static void RenderInline(const Json& value, std::ostream& out);
};

} // namespace Orvik::Inspect
