#pragma once
// Builds and runs a small C99 program in a fresh folder with gcc -std=c99 -Wall -Wextra -Werror,
// so the C the tools write is checked by a real compiler.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zolvik::test {

// The bytes as upper-case hex digits, two to a byte.
inline std::string Hex(const std::vector<std::uint8_t> &bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
    }
    return text;
}

// A C function dump(data, size) printing an object's bytes as upper-case hex and a newline, as
// the program's memory holds them (the test machine is little-endian, as the targets are).
inline constexpr const char *kDumpFunction =
    "#include <stdio.h>\n"
    "static void dump(const void *data, size_t size)\n"
    "{\n"
    "    const unsigned char *p = (const unsigned char *)data;\n"
    "    size_t i;\n"
    "    for (i = 0; i < size; ++i)\n"
    "        printf(\"%02X\", p[i]);\n"
    "    printf(\"\\n\");\n"
    "}\n";

inline bool HaveGcc()
{
    return std::system("command -v gcc > /dev/null 2>&1") == 0;
}

struct CRun {
    bool compiled = false;
    std::string diagnostics;  // the compiler's messages
    std::string output;       // what the program printed
};

// Writes the headers (name, text) and main.c, compiles and runs the program.
inline CRun CompileAndRun(const std::vector<std::pair<std::string, std::string>> &headers,
                          const std::string &program)
{
    std::random_device entropy;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("zolvik c " + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directories(folder);
    for (const auto &[name, text] : headers)
        std::ofstream(folder / name, std::ios::binary) << text;
    std::ofstream(folder / "main.c", std::ios::binary) << program;
    const auto quoted = [](const std::filesystem::path &path) { return "'" + path.string() + "'"; };
    const auto read = [](const std::filesystem::path &path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    CRun run;
    run.compiled =
        std::system(("gcc -std=c99 -Wall -Wextra -Werror -o " + quoted(folder / "main") + " " +
                     quoted(folder / "main.c") + " 2> " + quoted(folder / "diagnostics"))
                        .c_str()) == 0;
    run.diagnostics = read(folder / "diagnostics");
    if (run.compiled &&
        std::system((quoted(folder / "main") + " > " + quoted(folder / "output")).c_str()) == 0)
        run.output = read(folder / "output");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return run;
}

}  // namespace zolvik::test
