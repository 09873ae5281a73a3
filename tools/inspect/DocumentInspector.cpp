#include "DocumentInspector.h"

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

JsonValue DescribeQuery(XMLProducer& producer) {
    JsonValue query = JsonValue::Object();
    const FileQueryResult* result = producer.QueryFile();
    bool valid = false;
    bool assembly = false;
    if (result) {
        result->IsFileValid(valid);
        result->IsAssembly(assembly);
    }
    query.Set("IsFileValid", valid);
    query.Set("IsAssembly", assembly);
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
JsonValue WalkFromRoot(XMLProducer& producer, const UTF8String& rootId) {
    JsonValue objects = JsonValue::Array();
    std::unordered_set<UTF8String> seen{rootId};
    std::deque<UTF8String> pending{rootId};
    ObjectDescriber describer;
    while (!pending.empty()) {
        const UTF8String id = pending.front();
        pending.pop_front();
        IObject* object = producer.Load(id);
        if (object == nullptr)
            continue;
        objects.Append(describer.Describe(*object));
        for (const UTF8String& referenced : describer.ReferencedIds())
            if (seen.insert(referenced).second)
                pending.push_back(referenced);
    }
    return objects;
}

JsonValue ListAll(const XMLProducer& producer) {
    JsonValue objects = JsonValue::Array();
    ObjectDescriber describer;
    producer.ForEachObject([&](IObject& object) { objects.Append(describer.Describe(object)); });
    return objects;
}

} // namespace

JsonValue DocumentInspector::Inspect() const {
    XMLProducerOptions options;
    XMLProducer producer(UTF16String(m_options.path), &options);
    if (m_options.hasIdPrefix)
        producer.SetNewObjectIdPrefix(UTF8String(m_options.idPrefix));

    JsonValue model = JsonValue::Object();
    model.Set("document", m_options.path);
    model.Set("query", DescribeQuery(producer));

    ProcessGuard guard(producer);
    // A viewer wants everything, subdivision meshes included.
    FilterOptions filter;
    filter.SetWantSubdivMesh(true);
    producer.BeginProcess(IdSet{UTF8String(kSubdivisionMeshMarker)}, &filter, nullptr);

    UTF8String rootId;
    const bool hasRoot = FindRootId(producer, rootId);
    model.Set("rootId", hasRoot ? ValueFormatter::Text(rootId) : JsonValue(nullptr));
    const IUniverse* universe = producer.LoadUniverse();
    model.Set("universe", universe ? UniverseDescriber::Describe(*universe) : JsonValue(nullptr));
    if (m_options.allObjects)
        model.Set("objects", ListAll(producer));
    else
        model.Set("objects", hasRoot ? WalkFromRoot(producer, rootId) : JsonValue::Array());
    return model;
}

} // namespace Orvik::Inspect
