#include "accessory/AboutTexts.h"

std::string AboutOutputSize(const Rect32& outputRect) {
    return std::to_string(std::int64_t{outputRect.right} - outputRect.left) + "  " +
           std::to_string(std::int64_t{outputRect.bottom} - outputRect.top);
}

std::string AboutTitle(const std::string& version) {
    return "Cuecraft " + version;
}
