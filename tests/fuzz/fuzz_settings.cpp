// The settings store on any bytes as a file: after writing a set of keys, reading them gives
// the written values, and every line that was not a written key is still there, in order.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "common/settings_document.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

const char *const kSections[] = {"APP", "app", "EDIT", "RG", "Foreign"};
const char *const kKeys[] = {"PC", "pc", "COL", "EDT_T1", "BYTE", "key"};
const char *const kValues[] = {"0", "-1", "hello world", "'quoted'", "", "$FF", "a=b"};

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// Every old line appears in the new lines in order, except at most `changed` of them (the
// written keys' own lines, whose values changed): the longest common subsequence of the two
// line lists covers all other old lines.
bool KeptInOrder(const std::vector<std::string> &old, const std::vector<std::string> &now,
                 std::size_t changed)
{
    std::vector<std::size_t> previous(now.size() + 1, 0), current(now.size() + 1, 0);
    for (const std::string &line : old) {
        for (std::size_t k = 0; k < now.size(); ++k)
            current[k + 1] =
                line == now[k] ? previous[k] + 1 : std::max(previous[k + 1], current[k]);
        std::swap(previous, current);
    }
    return previous[now.size()] + changed >= old.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t kWrites = 3;
    if (size < kWrites)
        return 0;
    const std::string before(reinterpret_cast<const char *>(data + kWrites), size - kWrites);
    std::string content = before;

    struct Write {
        std::string section, key, value;
    };
    std::vector<Write> writes;
    for (std::size_t i = 0; i < kWrites; ++i) {
        const std::uint8_t choice = data[i];
        writes.push_back(
            {kSections[choice % 5], kKeys[(choice / 5) % 6], kValues[(choice / 30) % 7]});
        content = zolvik::settings::WithValue(content, writes.back().section, writes.back().key,
                                              writes.back().value);
    }

    // Reading gives the written values; the last write of a key wins (names ignore case).
    for (std::size_t i = 0; i < kWrites; ++i) {
        std::string expected = writes[i].value;
        for (std::size_t later = i + 1; later < kWrites; ++later) {
            const auto same = [](std::string a, std::string b) {
                for (auto *t : {&a, &b})
                    for (char &c : *t)
                        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                return a == b;
            };
            if (same(writes[later].section, writes[i].section) &&
                same(writes[later].key, writes[i].key))
                expected = writes[later].value;
        }
        const auto raw = zolvik::settings::FindRawValue(content, writes[i].section, writes[i].key);
        FUZZ_CHECK(raw.has_value());
        FUZZ_CHECK(*raw == expected);
    }
    FUZZ_CHECK(KeptInOrder(Lines(before), Lines(content), kWrites));
    return 0;
}
