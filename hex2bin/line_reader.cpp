#include "hex2bin/line_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace hex2bin {
namespace {

constexpr std::size_t kBufferSize = 256 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view line)
{
    while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    return line;
}

}  // namespace

TextSource StringSource(std::string_view text)
{
    auto rest = std::make_shared<std::string_view>(text);
    return [rest](char *buffer, std::size_t count) {
        const std::size_t n = std::min(count, rest->size());
        std::memcpy(buffer, rest->data(), n);
        rest->remove_prefix(n);
        return n;
    };
}

LineReader::LineReader(TextSource source) : source_(std::move(source)), buffer_(kBufferSize) {}

bool LineReader::Fill()
{
    if (ended_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const std::size_t got = source_(buffer_.data() + end_, buffer_.size() - end_);
    end_ += got;
    ended_ = got == 0;
    return !ended_;
}

char LineReader::First()
{
    if (!started_) {
        started_ = true;
        while (end_ - begin_ < kByteOrderMark.size() && Fill()) {
        }
        const std::string_view head(buffer_.data() + begin_, end_ - begin_);
        if (head.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            begin_ += kByteOrderMark.size();
        if (begin_ == end_)
            Fill();
    }
    return begin_ < end_ ? buffer_[begin_] : '\0';
}

bool LineReader::Next(std::string_view &line)
{
    First();
    if (cut_)
        return false;
    std::size_t searched = begin_;
    for (;;) {
        const void *found = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        if (found) {
            const auto at =
                static_cast<std::size_t>(static_cast<const char *>(found) - buffer_.data());
            if (at - begin_ <= kMaxLineLength) {
                line = Trim(std::string_view(buffer_.data() + begin_, at - begin_));
                begin_ = at + 1;
                ++line_;
                return true;
            }
        }
        if (end_ - begin_ > kMaxLineLength) {
            line = Trim(std::string_view(buffer_.data() + begin_, kMaxLineLength));
            cut_ = true;
            ++line_;
            return true;
        }
        searched = end_ - begin_;
        if (!Fill()) {
            if (begin_ == end_)
                return false;
            line = Trim(std::string_view(buffer_.data() + begin_, end_ - begin_));
            begin_ = end_;
            ++line_;
            return true;
        }
    }
}

}  // namespace hex2bin
