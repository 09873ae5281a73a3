#pragma once

#include "Json.h"

#include <ostream>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace Orvik::Inspect {

// Prints the model's objects as the tree a host walks from the root: each object on one line
// with its key values, its children (and an instance's placed object) indented below. An
// object met a second time is named, not expanded again, so shared parts and reference
// cycles print once. A document can chain objects as deep as it likes, so the tree stops at a
// fixed depth with a note, which keeps the recursion and the indentation bounded.
class HierarchyTreeRenderer {
public:
    static constexpr int kMaxDepth = 256;
    static constexpr const char* kDeeperNote = "(deeper levels not shown)";

    static void Render(const Json& model, std::ostream& out);

private:
    HierarchyTreeRenderer(const Json& objects, std::ostream& out);

    void RenderObject(const std::string& id, int depth);
    void RenderSummary(const Json& object);
    void RenderChildren(const Json& object, int depth);

    std::unordered_map<std::string, const Json*> m_byId;
    std::unordered_set<std::string> m_printed;
    std::ostream& m_out;
};

} // namespace Orvik::Inspect
