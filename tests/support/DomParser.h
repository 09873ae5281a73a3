#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace Orvik::TestSupport {

// Keeps Xerces up while it lives, and every document it parsed valid until then.
class DomParser {
public:
    DomParser() { xercesc::XMLPlatformUtils::Initialize(); }
    ~DomParser();
    DomParser(const DomParser&) = delete;
    DomParser& operator=(const DomParser&) = delete;

    // The document element; a parse error fails the running test.
    const xercesc::DOMElement* Parse(const std::string& xml);

private:
    std::vector<std::unique_ptr<xercesc::XercesDOMParser>> m_parsers;
};

// Xerces stays up for the whole suite, so tests do not pay for starting it each time.
class XercesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { xercesc::XMLPlatformUtils::Initialize(); }
    static void TearDownTestSuite() { xercesc::XMLPlatformUtils::Terminate(); }

    const xercesc::DOMElement* Parse(const std::string& xml) { return m_dom.Parse(xml); }

    DomParser m_dom;
};

} // namespace Orvik::TestSupport
