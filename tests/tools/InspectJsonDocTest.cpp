#include "DocumentInspector.h"
#include "SampleDocument.h"
#include "TempDirectory.h"

#include <cctype>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>

namespace Orvik::Inspect {
namespace {

// One headed part of docs/inspect-json.md: its own field rows, and the parts (by anchor) whose
// fields print before and after them.
struct DocSection {
    std::string title;
    std::vector<std::string> first, own, last;
    std::set<std::string> optional;
};

using DocSections = std::map<std::string, DocSection>;

// The anchor a Markdown renderer gives a heading: "`IFile`" -> "ifile".
std::string Anchor(const std::string& title) {
    std::string anchor;
    for (const char c : title) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-')
            anchor += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (c == ' ')
            anchor += '-';
    }
    return anchor;
}

DocSections ReadDoc(const std::string& path) {
    std::ifstream in(path);
    const std::regex heading(R"(^#+ +(.*)$)");
    const std::regex row(R"(^\| `(\w+)` \|)");
    const std::regex link(R"(\]\(#([a-z0-9-]+)\))");
    DocSections sections;
    DocSection* current = nullptr;
    std::vector<std::string>* includes = nullptr;
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, match, heading)) {
            current = &sections[Anchor(match[1])];
            current->title = match[1];
            includes = nullptr;
        } else if (current == nullptr) {
            continue;
        } else if (line.rfind("Starts with", 0) == 0 || line.rfind("Ends with", 0) == 0) {
            includes = line[0] == 'S' ? &current->first : &current->last;
        } else if (line.empty()) {
            includes = nullptr;
        } else if (std::regex_search(line, match, row)) {
            current->own.push_back(match[1]);
            if (line.find("left out") != std::string::npos)
                current->optional.insert(match[1]);
        }
        for (auto it = std::sregex_iterator(line.begin(), line.end(), link);
             includes && it != std::sregex_iterator(); ++it)
            includes->push_back((*it)[1]);
    }
    return sections;
}

// Every field a section documents, in printing order, and which of them may be left out.
void Resolve(const DocSections& sections, const std::string& anchor,
             std::vector<std::string>& fields, std::set<std::string>& optional, int depth = 0) {
    const auto found = sections.find(anchor);
    if (found == sections.end() || depth > 8) {
        ADD_FAILURE() << "no section #" << anchor << " (or a cycle of includes)";
        return;
    }
    const DocSection& section = found->second;
    for (const std::string& before : section.first)
        Resolve(sections, before, fields, optional, depth + 1);
    fields.insert(fields.end(), section.own.begin(), section.own.end());
    optional.insert(section.optional.begin(), section.optional.end());
    for (const std::string& after : section.last)
        Resolve(sections, after, fields, optional, depth + 1);
}

using Subjects = std::map<std::string, std::vector<const Json*>>;

// Every described thing of the output under the anchor of the section that documents it:
// objects and curve-data records by interface, wherever they are nested.
void CollectNested(const Json& value, Subjects& subjects) {
    if (value.is_object()) {
        if (const auto found = value.find("interface"); found != value.end() && found->is_string())
            subjects[Anchor(found->get<std::string>())].push_back(&value);
        if (const auto found = value.find("FileProperties");
            found != value.end() && found->is_object())
            subjects["file-properties"].push_back(&*found);
    }
    if (value.is_structured())
        for (const Json& item : value)
            CollectNested(item, subjects);
}

Subjects CollectSubjects(const Json& model) {
    Subjects subjects;
    subjects["top-level"].push_back(&model);
    subjects["universe"].push_back(&model.at("universe"));
    for (const Json& entry : model.at("diagnostics"))
        subjects["diagnostics"].push_back(&entry);
    CollectNested(model.at("objects"), subjects);
    // An interface the inspector does not describe yet carries the fields of every object.
    if (const auto fallback = subjects.find("iobject"); fallback != subjects.end()) {
        subjects["every-object"] = fallback->second;
        subjects.erase(fallback);
    }
    return subjects;
}

void CheckSubject(const DocSections& sections, const std::string& anchor,
                  const std::vector<const Json*>& instances) {
    std::vector<std::string> fields;
    std::set<std::string> optional;
    Resolve(sections, anchor, fields, optional);
    std::map<std::string, std::size_t> position;
    for (const std::string& field : fields)
        EXPECT_TRUE(position.emplace(field, position.size()).second)
            << "#" << anchor << " documents " << field << " twice";
    std::set<std::string> undocumented, outOfOrder, lacking;
    for (const Json* instance : instances) {
        std::size_t previous = 0;
        for (const auto& [name, value] : instance->items()) {
            const auto found = position.find(name);
            if (found == position.end())
                undocumented.insert(name);
            else if (found->second < previous)
                outOfOrder.insert(name);
            else
                previous = found->second;
        }
        for (const std::string& field : fields)
            if (!optional.count(field) && !instance->contains(field))
                lacking.insert(field);
    }
    const std::set<std::string> none;
    EXPECT_EQ(undocumented, none) << "#" << anchor << " does not document these";
    EXPECT_EQ(outOfOrder, none) << "#" << anchor << " has these out of order";
    EXPECT_EQ(lacking, none) << "#" << anchor << " documents these as always there";
}

TEST(InspectJsonDocTest, DocumentedFieldsMatchTheSampleOutputInNameAndOrder) {
    TestSupport::TempDirectory dir;
    Sample::SampleDocument(Sample::SampleOptions{}).WriteTo(dir.Root().string(), "s");
    InspectOptions options;
    options.path = dir.PathOf("s.zip");
    options.allObjects = true;
    options.diagnostics = true;
    const Json model = DocumentInspector(options).Inspect();

    const DocSections sections = ReadDoc(ORVIK_INSPECT_JSON_DOC);
    ASSERT_FALSE(sections.empty()) << ORVIK_INSPECT_JSON_DOC;
    const Subjects subjects = CollectSubjects(model);
    for (const auto& [anchor, instances] : subjects)
        CheckSubject(sections, anchor, instances);
    // The sample holds every kind the inspector describes, so a documented interface missing
    // from its output is a misspelt or stale section.
    for (const auto& [anchor, section] : sections) {
        if (section.title.front() != '`')
            continue;
        const auto found = subjects.find(anchor);
        const std::string name = section.title.substr(1, section.title.size() - 2);
        EXPECT_TRUE(found != subjects.end() && found->second.front()->at("interface") == name)
            << section.title << " is documented but not in the sample's output";
    }
}

} // namespace
} // namespace Orvik::Inspect
