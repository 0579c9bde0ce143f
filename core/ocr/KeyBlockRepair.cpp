#include "ocr/KeyBlockRepair.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>
#include <string_view>


namespace tarnveil::KeyBlockRepair {

namespace {

/// A body row is never further below its opening marker than this many rows.
constexpr std::size_t maxBodyRows = 128;

bool isBase64(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '/' || c == '=';
}

bool marker(const std::string& text, std::string_view kind)
{
    return text.find(std::string("-----") + std::string(kind)) != std::string::npos &&
           text.find("PRIVATE KEY-----") != std::string::npos;
}

/// Whether at least 80 % of the row's characters (spaces aside) are base64, and it is long
/// enough to be a line of a key.
bool mostlyBase64(const std::string& text)
{
    std::size_t total = 0;
    std::size_t base64 = 0;
    for (const char c : text) {
        if (c != ' ') {
            ++total;
            base64 += isBase64(c) ? 1 : 0;
        }
    }
    return total >= 16 && base64 * 5 >= total * 4;
}

/// A base64 letter for a symbol the engine read as something else.
std::string base64For(const std::string& symbol)
{
    if (symbol.size() == 1 && isBase64(symbol[0])) {
        return symbol;
    }
    static const std::pair<std::string_view, std::string_view> lookAlikes[] = {
        {"|", "l"}, {"!", "l"}, {"\\", "/"}, {")", "J"}, {"]", "J"}, {"}", "J"}, {"(", "C"}, {"[", "I"},
        {"{", "f"}, {"$", "S"}, {"£", "E"}, {"¢", "c"}, {"@", "0"}, {"é", "e"}, {"€", "E"}, {"¥", "Y"},
    };
    for (const auto& [read, meant] : lookAlikes) {
        if (symbol == read) {
            return std::string(meant);
        }
    }
    return "A";
}

void makeBase64(RecognizedRow& row)
{
    RecognizedWord joined;
    for (auto& word : row.words) {
        std::erase_if(word.symbols, [](const RecognizedWord::Symbol& symbol) { return symbol.text.empty(); });
        for (auto& symbol : word.symbols) {
            symbol.text = base64For(symbol.text);
        }
        joined.absorb(std::move(word));
    }
    row.words.clear();
    if (!joined.symbols.empty()) {
        row.words.push_back(std::move(joined));
    }
}

} // namespace

void repair(std::vector<RecognizedRow>& rows)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].box.minY() < rows[b].box.minY(); });
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!marker(rows[order[i]].text(), "BEGIN")) {
            continue;
        }
        for (std::size_t j = i + 1; j < order.size() && j <= i + maxBodyRows; ++j) {
            RecognizedRow& row = rows[order[j]];
            const std::string text = row.text();
            if (marker(text, "END") || !mostlyBase64(text)) {
                break;
            }
            makeBase64(row);
        }
    }
}

} // namespace tarnveil::KeyBlockRepair
