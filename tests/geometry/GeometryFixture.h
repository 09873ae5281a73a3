#pragma once

#include "IdLists.h"
#include "LoaderFixture.h"
#include "geometry/GeomFileContext.h"
#include "orvik/api/ICurve.h"
#include "orvik/writer/GeometryStreamWriter.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMNodeList.hpp>

namespace Orvik::Test {

using Builder = Writer::XmlDocumentBuilder;
using TestSupport::Ids;
using Xyz = std::array<double, 3>;
// Id, type code and payload of one curve record.
using CurveRecord = std::tuple<std::string, std::uint64_t, std::string>;

inline const std::string kGeometryInfo =
    R"(<GeometryInfo GenerateGeometry="True" Path="geom.bin"/>)";

// Loads documents and finds the objects they made.
class GeometryFixture : public LoaderFixture {
protected:
    XMLProducerImpl& LoadXml(const std::string& markup, const char* prefix = nullptr) {
        return Load([&](Builder& b) { b.Raw(markup); }, prefix);
    }

    // Writes the curve stream kGeometryInfo names.
    void WriteCurves(std::initializer_list<CurveRecord> records) {
        Writer::GeometryStreamWriter stream(true, false);
        for (const auto& [id, type, payload] : records)
            stream.AddCurveRecord(id, type, payload);
        stream.WriteTo(m_dir.PathOf("geom.bin"));
    }

    ReadContext& Context() { return m_context->Context(); }
    IObject* Find(const std::string& id) { return Context().Find(UTF8String(id)); }

    // The first element of that name in the loaded document.
    const xercesc::DOMElement* Element(const char16_t* name) {
        const auto* elements =
            WrittenDocumentElement()->getOwnerDocument()->getElementsByTagName(name);
        return static_cast<const xercesc::DOMElement*>(elements->item(0));
    }

    // Side files and elements read by hand, for a document that is never loaded.
    ReadContext& Reader() { return m_reader.Context(); }
    GeomFileContext SideFiles(bool legacy = false) {
        return GeomFileContext(Reader(), UTF16String(m_dir.PathOf("doc.xml")), legacy);
    }

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

    XMLProducerImpl m_reader{UTF16String(m_dir.PathOf("doc.xml")), &m_options};
};

template <typename Container>
std::vector<std::string> ChildIds(const Container& container) {
    std::vector<std::string> ids;
    for (std::uint64_t i = 0; i < container.ChildCount(); ++i)
        ids.push_back(container.ChildAt(i).Id().Value());
    return ids;
}

// The message of the exception a child index not below the count throws.
template <typename Container>
std::string ChildAtMessage(const Container& container, std::uint64_t index) {
    try {
        container.ChildAt(index);
    } catch (const GeneralException& error) {
        return error.Message().Value();
    }
    return "no exception";
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

inline std::size_t KernelCurveCount(const IObject* curve) {
    std::vector<const Veld::curve*> curves;
    dynamic_cast<const ICurve&>(*curve).KernelCurves(curves);
    return curves.size();
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
