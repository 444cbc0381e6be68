#include "vantmods/lang_table.h"

#include <optional>
#include <set>

namespace vantmods {

namespace {

std::vector<std::string_view> split(std::string_view line, char separator)
{
    std::vector<std::string_view> cells;
    for (;;) {
        const std::size_t at = line.find(separator);
        cells.push_back(line.substr(0, at));
        if (at == std::string_view::npos)
            return cells;
        line.remove_prefix(at + 1);
    }
}

std::optional<std::string> unescape(std::string_view cell)
{
    std::string out;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\') {
            out.push_back(cell[i]);
            continue;
        }
        if (++i == cell.size())
            return std::nullopt;
        switch (cell[i]) {
        case 't': out.push_back('\t'); break;
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        case '\\': out.push_back('\\'); break;
        default: return std::nullopt;
        }
    }
    return out;
}

// Decimal digits only, at most `limit`.
std::optional<uint32_t> parse_number(std::string_view text, uint32_t limit)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > limit)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

class TableParser {
public:
    LanguageTable run(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1); // the last line's end starts no line
        int number = 0;
        for (std::string_view line : split(text, '\n')) {
            ++number;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (line.empty() || line.front() == '#')
                continue;
            const bool ok = languages_.empty() ? header(line) : row(line);
            if (!ok)
                return fail(number);
        }
        if (languages_.empty()) {
            error_ = "no header line";
            return fail(number);
        }
        table_.records.insert(table_.records.begin(), std::move(list_));
        return std::move(table_);
    }

private:
    bool header(std::string_view line)
    {
        const std::vector<std::string_view> cells = split(line, '\t');
        if (cells[0] != "id" || cells.size() < 2)
            return error("the header must be \"id\" followed by ATTRID:Name cells");
        list_.type = kLanguageListType;
        std::set<uint16_t> seen;
        for (std::size_t i = 1; i < cells.size(); ++i) {
            const std::size_t colon = cells[i].find(':');
            const auto id = parse_number(cells[i].substr(0, colon), kLastLanguageId);
            if (colon == std::string_view::npos || !id || *id < kFirstLanguageId)
                return error("language cell \"" + std::string(cells[i]) + "\" is not ATTRID:Name with ATTRID 1501 to 1599");
            if (!seen.insert(static_cast<uint16_t>(*id)).second)
                return error("language " + std::to_string(*id) + " given twice");
            std::optional<std::string> name = unescape(cells[i].substr(colon + 1));
            if (!name || name->empty())
                return error("bad language name in \"" + std::string(cells[i]) + "\"");
            languages_.push_back(static_cast<uint16_t>(*id));
            list_.attributes.push_back({static_cast<uint16_t>(*id), std::move(*name)});
        }
        return true;
    }

    bool row(std::string_view line)
    {
        const std::vector<std::string_view> cells = split(line, '\t');
        const auto id = parse_number(cells[0], UINT32_MAX);
        if (!id)
            return error("text id \"" + std::string(cells[0]) + "\" is not a number");
        if (!ids_.insert(*id).second)
            return error("text id " + std::to_string(*id) + " given twice");
        if (cells.size() > languages_.size() + 1)
            return error("more cells than languages");
        Record record;
        record.type = kTextRecordType;
        record.key = *id;
        for (std::size_t i = 1; i < cells.size(); ++i) {
            std::optional<std::string> text = unescape(cells[i]);
            if (!text)
                return error("bad escape in cell " + std::to_string(i + 1));
            if (!text->empty())
                record.attributes.push_back({languages_[i - 1], std::move(*text)});
        }
        table_.records.push_back(std::move(record));
        return true;
    }

    bool error(std::string message)
    {
        error_ = std::move(message);
        return false;
    }

    LanguageTable fail(int line)
    {
        LanguageTable failed;
        failed.error_line = line;
        failed.error = std::move(error_);
        return failed;
    }

    LanguageTable table_;
    Record list_;
    std::vector<uint16_t> languages_;
    std::set<uint32_t> ids_;
    std::string error_;
};

} // namespace

LanguageTable parse_language_table(std::string_view text)
{
    return TableParser().run(text);
}

} // namespace vantmods
