#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A QR code as its grid of modules, for a window to draw.
struct QrModules {
    int size = 0;                    // modules per side; 0 when the text does not fit
    std::vector<std::uint8_t> dark;  // size * size, row by row, 1 = dark
    bool Dark(int x, int y) const { return dark[static_cast<std::size_t>(y) * size + x] != 0; }
};

// The text (an address with its access key) as a QR code, medium error
// correction, in the smallest version that holds it.
QrModules EncodeQr(const std::string& text);
