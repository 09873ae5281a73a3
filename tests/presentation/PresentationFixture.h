#pragma once

#include "IdLists.h"
#include "LoaderFixture.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {

using TestSupport::Ids;

// Loads an assembly whose attribute set a test writes, and finds what it made.
class PresentationFixture : public LoaderFixture {
protected:
    XMLProducerImpl& LoadSet(const std::string& sets, const std::string& before = "") {
        return Load(before + R"(<IAssembly ID="asm"><AttributeSet>)" + sets +
                    "</AttributeSet></IAssembly>");
    }

    IObject* Find(const std::string& id) { return m_context->Context().Find(UTF8String(id)); }

    // Throwing fails the test where a missing object would crash it.
    template <typename Interface>
    Interface& Get(const std::string& id) {
        if (auto* object = dynamic_cast<Interface*>(Find(id)))
            return *object;
        throw std::runtime_error("no object \"" + id + "\" of the interface asked for");
    }

    const IAttributeSets& Sets() { return Get<IAttributeSets>("asm"); }

    // The messages the load recorded under the code, in order.
    std::vector<std::string> Diagnosed(DiagnosticCode code) const {
        std::vector<std::string> messages;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            if (entry.code == code)
                messages.push_back(entry.message.Value());
        return messages;
    }
};

// An optional answer as an optional, empty where the object leaves it unspecified.
template <typename Value, typename Object, typename Query>
std::optional<Value> Answer(const Object& object, Query query) {
    Value value{};
    if ((object.*query)(value) != IsValueSpecifiedEnum::kSpecified)
        return std::nullopt;
    return value;
}

} // namespace Orvik::Test
