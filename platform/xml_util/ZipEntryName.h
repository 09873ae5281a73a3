#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Orvik {

// An archive entry name checked for a place inside the extraction folder on every platform the
// archive may come from: both separators count, and names a Windows host would turn into a
// drive, a stream or a device are refused as well.
class ZipEntryName {
public:
    explicit ZipEntryName(std::string_view raw);

    bool IsSafe() const { return m_problem.empty(); }
    // Why the name was refused; empty when it is safe.
    const std::string& Problem() const { return m_problem; }
    bool IsDirectory() const { return m_isDirectory; }
    bool IsTopLevel() const { return m_components.size() == 1; }
    // Without empty and "." components.
    const std::vector<std::string>& Components() const { return m_components; }

private:
    std::string FindProblem(std::string_view raw);
    static bool IsSeparator(char c) { return c == '/' || c == '\\'; }
    static bool IsDeviceName(std::string_view component);

    std::vector<std::string> m_components;
    bool m_isDirectory = false;
    std::string m_problem;
};

} // namespace Orvik
