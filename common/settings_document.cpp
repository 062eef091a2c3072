#include "common/settings_document.h"

#include "common/settings_text.h"

#include <cstddef>
#include <vector>

namespace zolvik::settings {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct Line {
    std::string_view text;  // without its line end
    std::string_view end;   // "\r\n", "\n", or empty for a last line without one
};

struct Document {
    std::string_view bom;
    std::vector<Line> lines;
};

Document Split(std::string_view content)
{
    Document doc;
    if (content.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.bom = content.substr(0, kUtf8Bom.size());
        content.remove_prefix(kUtf8Bom.size());
    }
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        if (lf == std::string_view::npos) {
            doc.lines.push_back({content, {}});
            break;
        }
        const std::size_t textEnd = (lf > 0 && content[lf - 1] == '\r') ? lf - 1 : lf;
        doc.lines.push_back(
            {content.substr(0, textEnd), content.substr(textEnd, lf + 1 - textEnd)});
        content.remove_prefix(lf + 1);
    }
    return doc;
}

std::string_view NewlineOf(const Document &doc)
{
    for (const Line &line : doc.lines)
        if (!line.end.empty())
            return line.end;
    return "\r\n";
}

struct Location {
    bool sectionFound = false;
    std::size_t lastLineOfSection = 0;  // header or last key line: where a new key goes after
    std::optional<std::size_t> keyLine;
    LineInfo keyInfo;
};

Location Locate(const Document &doc, std::string_view section, std::string_view key)
{
    Location where;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const LineInfo info = ClassifyLine(doc.lines[i].text);
        if (info.kind == LineKind::Section) {
            if (where.sectionFound)
                break;
            if (SameName(info.name, section)) {
                where.sectionFound = true;
                where.lastLineOfSection = i;
            }
        } else if (info.kind == LineKind::Key && where.sectionFound) {
            where.lastLineOfSection = i;
            if (!where.keyLine && SameName(info.name, key)) {
                where.keyLine = i;
                where.keyInfo = info;
            }
        }
    }
    return where;
}

std::string Join(const Document &doc, const std::vector<std::string> &extraAfter,
                 std::size_t insertAfter, std::string_view newline)
{
    std::string out(doc.bom);
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        out += doc.lines[i].text;
        const bool inserting = i == insertAfter && !extraAfter.empty();
        out += (inserting && doc.lines[i].end.empty()) ? newline : doc.lines[i].end;
        if (inserting)
            for (const std::string &extra : extraAfter) {
                out += extra;
                out += newline;
            }
    }
    return out;
}

}  // namespace

std::optional<std::string> FindRawValue(std::string_view content, std::string_view section,
                                        std::string_view key)
{
    const Document doc = Split(content);
    const Location where = Locate(doc, section, key);
    if (!where.keyLine)
        return std::nullopt;
    return std::string(doc.lines[*where.keyLine].text.substr(where.keyInfo.valueStart));
}

std::string WithValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value)
{
    Document doc = Split(content);
    const std::string_view newline = NewlineOf(doc);
    const Location where = Locate(doc, section, key);
    const std::string keyLine = std::string(TrimBlanks(key)) + "=" + std::string(value);

    if (where.keyLine) {
        Line &line = doc.lines[*where.keyLine];
        const std::string replaced =
            std::string(line.text.substr(0, where.keyInfo.valueStart)) + std::string(value);
        line.text = replaced;
        return Join(doc, {}, 0, newline);
    }
    if (where.sectionFound)
        return Join(doc, {keyLine}, where.lastLineOfSection, newline);

    std::vector<std::string> added;
    if (!doc.lines.empty() && !TrimBlanks(doc.lines.back().text).empty())
        added.emplace_back();
    added.push_back("[" + std::string(TrimBlanks(section)) + "]");
    added.push_back(keyLine);
    if (doc.lines.empty()) {
        std::string out(doc.bom);
        for (const std::string &line : added)
            out += line + std::string(newline);
        return out;
    }
    return Join(doc, added, doc.lines.size() - 1, newline);
}

}  // namespace zolvik::settings
