#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A BMP file of an 8-bit picture: file header, info header, 256 palette
// entries (blue, green, red, 0) and the bottom-up rows padded to 4 bytes.
std::string EncodeBmp8(int width, int height, const std::uint8_t* palette1024,
                       const std::vector<unsigned char>& rows);
