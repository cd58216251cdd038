#pragma once
#include <cstdint>
#include <string>

// Catalogue lookup with the program's fallback: never returns an empty text.
std::string GetMsgText(std::uint16_t number);

// Raw catalogue text as the library returns it, without the fallback.
std::string CatalogueMessage(std::uint16_t number);
