#include "DocumentInspector.h"

#include "DiagnosticsDescriber.h"
#include "ObjectDescriber.h"
#include "UniverseDescriber.h"
#include "ValueFormatter.h"
#include "orvik/xml_producer.h"

#include <deque>
#include <unordered_set>

namespace Orvik::Inspect {
namespace {

constexpr const char* kSubdivisionMeshMarker = "0C46B962-76AE-431F-AA0C-5F2398F534CE";

// Ends the process on every path out, as a host must.
class ProcessGuard {
public:
    explicit ProcessGuard(XMLProducer& producer)
        : m_producer(producer) {}
    ~ProcessGuard() { m_producer.EndProcess(); }
    ProcessGuard(const ProcessGuard&) = delete;
    ProcessGuard& operator=(const ProcessGuard&) = delete;

private:
    XMLProducer& m_producer;
};

Json DescribeQuery(XMLProducer& producer) {
    Json query = Json::object();
    const FileQueryResult* result = producer.QueryFile();
    bool valid = false;
    bool assembly = false;
    if (result) {
        result->IsFileValid(valid);
        result->IsAssembly(assembly);
    }
    query["IsFileValid"] = valid;
    query["IsAssembly"] = assembly;
    return query;
}

bool FindRootId(const XMLProducer& producer, UTF8String& rootId) {
    try {
        rootId = producer.RootObjectId().Id();
        return true;
    } catch (const GeneralException&) {
        return false;
    }
}

// Each object once, in the order a host meets them walking from the root; the queue keeps
// deep or cyclic references from recursing.
Json WalkFromRoot(XMLProducer& producer, const UTF8String& rootId) {
    Json objects = Json::array();
    std::unordered_set<UTF8String> seen{rootId};
    std::deque<UTF8String> pending{rootId};
    ObjectDescriber describer(producer.LoadUniverse());
    while (!pending.empty()) {
        const UTF8String id = pending.front();
        pending.pop_front();
        IObject* object = producer.Load(id);
        if (object == nullptr)
            continue;
        objects.push_back(describer.Describe(*object));
        for (const UTF8String& referenced : describer.ReferencedIds())
            if (seen.insert(referenced).second)
                pending.push_back(referenced);
    }
    return objects;
}

Json ListAll(XMLProducer& producer) {
    Json objects = Json::array();
    ObjectDescriber describer(producer.LoadUniverse());
    producer.ForEachObject([&](IObject& object) { objects.push_back(describer.Describe(object)); });
    return objects;
}

} // namespace

Json DocumentInspector::Inspect() const {
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(m_options.path), &options);
    if (m_options.hasIdPrefix)
        producer.SetNewObjectIdPrefix(UTF8String(m_options.idPrefix));

    Json model = Json::object();
    model["document"] = m_options.path;
    model["query"] = DescribeQuery(producer);

    ProcessGuard guard(producer);
    // A viewer wants everything, subdivision meshes included.
    FilterOptions filter;
    filter.SetWantSubdivMesh(true);
    producer.BeginProcess(IdSet{UTF8String(kSubdivisionMeshMarker)}, &filter, nullptr);

    UTF8String rootId;
    const bool hasRoot = FindRootId(producer, rootId);
    model["rootId"] = hasRoot ? ValueFormatter::Text(rootId) : Json(nullptr);
    const IUniverse* universe = producer.LoadUniverse();
    model["universe"] = universe ? UniverseDescriber::Describe(*universe) : Json(nullptr);
    if (m_options.allObjects)
        model["objects"] = ListAll(producer);
    else
        model["objects"] = hasRoot ? WalkFromRoot(producer, rootId) : Json::array();
    // Read after the walk: loads on demand record entries too.
    if (m_options.diagnostics)
        model["diagnostics"] = DiagnosticsDescriber::Describe(producer.Diagnostics());
    return model;
}

} // namespace Orvik::Inspect
