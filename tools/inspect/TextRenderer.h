#pragma once

#include "JsonValue.h"

#include <ostream>

namespace Orvik::Inspect {

// The readable form of the inspector's model: an indented tree, one value per line.
class TextRenderer {
public:
    static void Render(const JsonValue& model, std::ostream& out);

private:
    static void RenderValue(const JsonValue& value, std::ostream& out, int depth);
    static void RenderObjectEntry(const JsonValue& object, std::ostream& out, int depth);
    static bool IsScalar(const JsonValue& value);
    static bool IsScalarList(const JsonValue& value);
    static void RenderInline(const JsonValue& value, std::ostream& out);
};

} // namespace Orvik::Inspect
