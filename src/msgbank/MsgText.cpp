#include "msgbank/MsgText.h"
#include "msgbank/MsgBankApi.h"

namespace {
std::string FromShortString(const unsigned char* buffer) {
    return std::string(reinterpret_cast<const char*>(buffer + 1), buffer[0]);
}
} // namespace

std::string CatalogueMessage(std::uint16_t number) {
    unsigned char buffer[256] = {0};
    GETZEBMSG(number, 1, buffer);
    return FromShortString(buffer);
}

std::string GetMsgText(std::uint16_t number) {
    std::string text = CatalogueMessage(number);
    if (text.empty()) {
        text = "No Msg From DLL " + std::to_string(number);
        if (text.size() > 255)
            text.resize(255);
    }
    return text;
}
