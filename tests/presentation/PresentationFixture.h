#pragma once

#include "IdLists.h"
#include "LoaderFixture.h"
#include "loader/LoadDiagnostics.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {

using TestSupport::Ids;

// Loads an owner whose attribute set a test writes, and finds what it made.
class PresentationFixture : public LoaderFixture {
protected:
    // An assembly holding the sets.
    XMLProducerImpl& LoadSet(const std::string& sets, const std::string& before = "") {
        return Load(before + R"(<IAssembly ID="asm"><AttributeSet>)" + sets +
                    "</AttributeSet></IAssembly>");
    }

    // A root file holding the sets.
    XMLProducerImpl& LoadSets(const std::string& sets, const std::string& before = "",
                              const char* prefix = nullptr) {
        return Load(before + R"(<IFile ID="f" IsRoot="True"><AttributeSet>)" + sets +
                        "</AttributeSet></IFile>",
                    prefix);
    }

    // The same, with the document written to a path below the test's folder ("doc/doc.xml").
    XMLProducerImpl& LoadSetsAt(const std::string& name, const std::string& sets) {
        std::filesystem::create_directories(
            std::filesystem::path(m_dir.PathOf(name)).parent_path());
        const std::string path = Write(
            [&sets](Writer::XmlDocumentBuilder& b) {
                b.Raw(R"(<IFile ID="f" IsRoot="True"><AttributeSet>)" + sets +
                      "</AttributeSet></IFile>");
            },
            name);
        m_context = std::make_unique<XMLProducerImpl>(UTF16String(path), &m_options);
        m_context->BeginProcess(IdSet(), &m_filter, nullptr);
        return *m_context;
    }

    IObject* Find(const std::string& id) { return m_context->Context().Find(UTF8String(id)); }

    template <typename Interface>
    Interface* Find(const std::string& id) {
        return dynamic_cast<Interface*>(Find(id));
    }

    // Throwing fails the test where a missing object would crash it.
    template <typename Interface>
    Interface& Get(const std::string& id) {
        if (auto* object = Find<Interface>(id))
            return *object;
        throw std::runtime_error("no object \"" + id + "\" of the interface asked for");
    }

    const IAttributeSets& Sets() { return Get<IAttributeSets>("asm"); }
    const IFile& RootFile() { return Get<IFile>("f"); }

    // The messages the load recorded under the code, in order.
    std::vector<std::string> Diagnosed(DiagnosticCode code) const {
        std::vector<std::string> messages;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            if (entry.code == code)
                messages.push_back(entry.message.Value());
        return messages;
    }

    std::size_t Count(DiagnosticCode code) const { return Diagnosed(code).size(); }
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
