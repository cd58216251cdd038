#include "msgbank/Catalogue.h"

#include <array>
#include <cstring>

namespace msgbank {
namespace {

struct Entry {
    std::uint32_t number;
    std::string_view text;
};

constexpr Entry kEntries[] = {
#include "msgbank/CatalogueTexts.inc"
};

// A dense table makes the lookup one index; built once at compile time.
constexpr auto kTable = [] {
    std::array<std::string_view, kLastMessage + 1> table{};
    for (auto& slot : table)
        slot = kDefaultText;
    for (const auto& e : kEntries)
        table[e.number] = e.text;
    return table;
}();

} // namespace

std::string_view CatalogueText(std::uint32_t number) {
    return number <= kLastMessage ? kTable[number] : kDefaultText;
}

void WriteShortString(std::string_view text, unsigned char* buffer256) {
    const std::size_t n = text.size() < 255 ? text.size() : 255;
    buffer256[0] = static_cast<unsigned char>(n);
    std::memcpy(buffer256 + 1, text.data(), n);
}

} // namespace msgbank
