#pragma once

#include "IdLists.h"
#include "LoaderFixture.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Orvik::Test {

using Builder = Writer::XmlDocumentBuilder;
using TestSupport::Ids;
using Xyz = std::array<double, 3>;

// Loads documents and finds the objects they made.
class GeometryFixture : public LoaderFixture {
protected:
    XMLProducerImpl& LoadXml(const std::string& markup, const char* prefix = nullptr) {
        return Load([&](Builder& b) { b.Raw(markup); }, prefix);
    }

    ReadContext& Context() { return m_context->Context(); }
    IObject* Find(const std::string& id) { return Context().Find(UTF8String(id)); }

    // Throwing fails the test where a missing object would crash it.
    template <typename Interface>
    Interface& Get(const std::string& id) {
        if (auto* object = dynamic_cast<Interface*>(Find(id)))
            return *object;
        throw std::runtime_error("no object \"" + id + "\" of the interface asked for");
    }

    // The ids of the elements the load recorded under the code, in order.
    std::vector<std::string> Diagnosed(DiagnosticCode code) const {
        std::vector<std::string> ids;
        for (const XMLLoadDiagnostic& entry : m_context->Diagnostics().Entries())
            if (entry.code == code)
                ids.push_back(entry.id.Value());
        return ids;
    }
};

template <typename Container>
std::vector<std::string> ChildIds(const Container& container) {
    std::vector<std::string> ids;
    for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
        ids.push_back(container.ChildAt(i).Id().Value());
    return ids;
}

// Answers as optionals, empty where the object leaves the value unspecified.
inline std::optional<std::string> ChangeKeyOf(const IObject& object) {
    UTF16String key;
    if (object.ChangeKey(key) != IsValueSpecifiedEnum::kSpecified)
        return std::nullopt;
    return key.ToUTF8();
}

inline std::optional<std::string> VersionOf(const IObject& object) {
    UTF8String version;
    if (object.VersionPersistentId(version) != IsValueSpecifiedEnum::kSpecified)
        return std::nullopt;
    return version.Value();
}

inline std::optional<UnitTypeEnum>
UnitOf(const IUnit& object, IsValueSpecifiedEnum (IUnit::*query)(UnitTypeEnum&) const) {
    // No geometry answers hours: a query that writes nothing shows.
    UnitTypeEnum unit = UnitTypeEnum::kUnitType_Hour;
    if ((object.*query)(unit) != IsValueSpecifiedEnum::kSpecified)
        return std::nullopt;
    return unit;
}

// Angular, linear and parameter tolerance.
inline Xyz Tolerances(const IGeometry& geometry) {
    return {geometry.AngularTolerance(), geometry.LinearTolerance(), geometry.ParamTolerance()};
}

// Untouched outputs stay -7, so a query that writes nothing shows.
template <typename Object, typename Query>
Xyz Answer(const Object& object, Query query) {
    Xyz xyz{-7.0, -7.0, -7.0};
    (object.*query)(xyz[0], xyz[1], xyz[2]);
    return xyz;
}

} // namespace Orvik::Test
