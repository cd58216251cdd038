#pragma once
#include <cstdint>
#include <string_view>

namespace msgbank {

// Highest number the table covers; everything above reads the default text.
inline constexpr std::uint32_t kLastMessage = 590;
inline constexpr std::string_view kDefaultText = "Unknown Message";

// Text of a message number as the library hands it out.
std::string_view CatalogueText(std::uint32_t number);

// Writes the text as a length-prefixed string: one length byte, then the bytes.
void WriteShortString(std::string_view text, unsigned char* buffer256);

} // namespace msgbank
