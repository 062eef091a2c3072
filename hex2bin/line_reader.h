#pragma once
// The lines of a record file, read in pieces through a buffer of fixed size, so that neither a
// huge file nor one without line ends takes more memory than the buffer.
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace hex2bin {

// Fills up to `count` bytes of `buffer` with the next part of a text; returns 0 at its end.
using TextSource = std::function<std::size_t(char *buffer, std::size_t count)>;

// A source that hands out `text`, which must outlive it.
TextSource StringSource(std::string_view text);

// Lines longer than this, blanks around the record included, are cut here: no record needs a
// tenth of it.
inline constexpr std::size_t kMaxLineLength = 4096;

class LineReader {
public:
    explicit LineReader(TextSource source);

    // The first character of the text after a UTF-8 byte-order mark; '\0' for an empty text.
    char First();

    // The next line without its line end and the blanks and tabs around it; false at the end.
    // A line longer than kMaxLineLength comes back cut to that length with Cut() set, and
    // nothing after it can be read.
    bool Next(std::string_view &line);

    // The number of the line Next() returned last, counted from 1.
    std::size_t LineNumber() const { return line_; }
    bool Cut() const { return cut_; }

private:
    // Reads more text behind what is buffered; false when the text has ended.
    bool Fill();

    TextSource source_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first byte not yet handed out
    std::size_t end_ = 0;    // one past the last byte read
    std::size_t line_ = 0;
    bool started_ = false;  // the byte-order mark was looked for
    bool ended_ = false;
    bool cut_ = false;
};

}  // namespace hex2bin
