#pragma once

#include "Json.h"

#include <ostream>

namespace Orvik::Inspect {

// The readable form of a whole inspection: the document and its universe, the hierarchy as a
// tree, every object in detail when all were listed, and the load's diagnostics when the model
// holds them.
class TextReport {
public:
    static void Print(const Json& model, bool allObjects, std::ostream& out);

private:
    static void PrintDiagnostics(const Json& diagnostics, std::ostream& out);
};

} // namespace Orvik::Inspect
