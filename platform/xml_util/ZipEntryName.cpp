#include "xml_util/ZipEntryName.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace Orvik {

ZipEntryName::ZipEntryName(std::string_view raw) {
    m_problem = FindProblem(raw);
}

std::string ZipEntryName::FindProblem(std::string_view raw) {
    if (raw.empty()) {
        return "empty name";
    }
    if (raw.find('\0') != std::string_view::npos) {
        return "embedded NUL character";
    }
    if (IsSeparator(raw.front())) {
        return "absolute path";
    }
    m_isDirectory = IsSeparator(raw.back());
    std::size_t start = 0;
    while (start < raw.size()) {
        const auto end =
            std::find_if(raw.begin() + static_cast<std::ptrdiff_t>(start), raw.end(), IsSeparator) -
            raw.begin();
        const std::string_view component = raw.substr(start, static_cast<std::size_t>(end) - start);
        start = static_cast<std::size_t>(end) + 1;
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            return "parent folder reference";
        }
        // A colon is a drive in the first component and an alternate stream anywhere else.
        if (component.find(':') != std::string_view::npos) {
            return "drive or stream name";
        }
        if (IsDeviceName(component)) {
            return "device name";
        }
        m_components.emplace_back(component);
    }
    if (m_components.empty() && !m_isDirectory) {
        return "empty name";
    }
    return {};
}

bool ZipEntryName::IsDeviceName(std::string_view component) {
    // Windows ignores the extension and trailing blanks and dots when it looks for devices.
    std::string_view stem = component.substr(0, component.find('.'));
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) {
        stem.remove_suffix(1);
    }
    if (stem.size() > 7) {
        return false;
    }
    std::string upper(stem);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr std::array<std::string_view, 6> kDevices{"CON", "PRN",    "AUX",
                                                              "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end()) {
        return true;
    }
    const bool numbered =
        upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0);
    return numbered && upper[3] >= '1' && upper[3] <= '9';
}

} // namespace Orvik
