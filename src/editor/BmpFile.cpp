#include "editor/BmpFile.h"

#include <cstring>

namespace {
void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
} // namespace

std::string EncodeBmp8(int width, int height, const std::uint8_t* palette1024,
                       const std::vector<unsigned char>& rows) {
    constexpr std::uint32_t kHeaders = 14 + 40 + 1024;
    std::string out;
    out.reserve(kHeaders + rows.size());
    out += "BM";
    Put32(out, static_cast<std::uint32_t>(kHeaders + rows.size()));
    Put32(out, 0);
    Put32(out, kHeaders);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0); // uncompressed
    Put32(out, static_cast<std::uint32_t>(rows.size()));
    Put32(out, 3780); // 96 dpi in pixels per metre
    Put32(out, 3780);
    Put32(out, 256);
    Put32(out, 0);
    out.append(reinterpret_cast<const char*>(palette1024), 1024);
    out.append(reinterpret_cast<const char*>(rows.data()), rows.size());
    return out;
}
