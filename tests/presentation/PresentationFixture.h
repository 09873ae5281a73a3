#pragma once

#include "LoaderFixture.h"
#include "loader/LoadDiagnostics.h"

#include <filesystem>
#include <string>

namespace Orvik::Test {

// Loads a root file whose attribute set holds the markup, and finds what it made.
class PresentationFixture : public LoaderFixture {
protected:
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

    template <typename Interface>
    Interface* Find(const std::string& id) {
        return dynamic_cast<Interface*>(m_context->Context().Find(UTF8String(id)));
    }

    const IFile& RootFile() { return *Find<IFile>("f"); }

    // How many entries of the code the load recorded.
    std::size_t Count(DiagnosticCode code) const {
        std::size_t count = 0;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            count += entry.code == code ? 1 : 0;
        return count;
    }
};

} // namespace Orvik::Test
