#include "msgbank/MsgBankApi.h"
#include "msgbank/Catalogue.h"

extern "C" MSGBANK_API void MSGBANK_CALL GETZEBMSG(std::int32_t number, std::uint8_t,
                                                   unsigned char* buffer) {
    // Negative numbers compare as large unsigned values and read the default text.
    msgbank::WriteShortString(msgbank::CatalogueText(static_cast<std::uint32_t>(number)), buffer);
}
