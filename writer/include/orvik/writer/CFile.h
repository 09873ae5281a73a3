#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace Orvik::Writer {

// Thin RAII wrapper over stdio so failures can report errno text, which iostreams hide.
class CFile {
public:
    CFile(std::string path, const char* mode);

    void WriteAll(std::string_view bytes);
    std::string ReadAll();
    // Explicit close surfaces flush errors that a destructor would have to swallow.
    void Close();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    [[noreturn]] void Fail(const std::string& action, int errorNumber) const;

    std::string path_;
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace Orvik::Writer
