#include <cstring>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "msgbank/MsgBankApi.h"
#include "msgbank/MsgText.h"

namespace {

const std::map<int, std::string>& Expected() {
    static const std::map<int, std::string> texts = {
#include "host/ExpectedCatalogue.inc"
    };
    return texts;
}

std::string Raw(std::int32_t number, std::uint8_t selector = 1) {
    unsigned char buffer[256];
    std::memset(buffer, 0xCC, sizeof buffer);
    GETZEBMSG(number, selector, buffer);
    return std::string(reinterpret_cast<const char*>(buffer + 1), buffer[0]);
}

TEST(Catalogue, EveryNumberUpTo590ReadsItsTextOrTheDefault) {
    for (int n = 0; n <= 590; ++n) {
        const auto it = Expected().find(n);
        const std::string want = it != Expected().end() ? it->second : "Unknown Message";
        EXPECT_EQ(Raw(n), want) << "message " << n;
    }
}

TEST(Catalogue, NumbersWithoutTextReadUnknownMessage) {
    for (int n : {1, 2, 4, 5, 12, 13, 14, 15, 16, 17, 18, 591, 1000, 65535, -1})
        EXPECT_EQ(Raw(n), "Unknown Message") << "message " << n;
}

TEST(Catalogue, TrailingBlanksAreKept) {
    EXPECT_EQ(Raw(28), "Open A ");
    EXPECT_EQ(Raw(28).size(), 7u);
    EXPECT_EQ(Raw(103), "Line ");
    EXPECT_EQ(Raw(449), "Rich Text Format Error: ");
}

TEST(Catalogue, MessageZeroIsTheOneEmptyText) {
    EXPECT_EQ(Raw(0), "");
    for (int n = 1; n <= 600; ++n)
        EXPECT_FALSE(Raw(n).empty()) << "message " << n;
}

TEST(Catalogue, SelectorHasNoEffect) {
    EXPECT_EQ(Raw(32, 0), Raw(32, 1));
    EXPECT_EQ(Raw(32, 255), "Font color and background color are the same.");
}

TEST(Catalogue, LengthByteMatchesTheBytesWritten) {
    unsigned char buffer[256];
    std::memset(buffer, 0xCC, sizeof buffer);
    GETZEBMSG(440, 1, buffer);
    const std::string text =
        "Wrong Version of ComCtrls.dll(4.70), please upgrade to 4.70 or greater for improved "
        "interface.";
    ASSERT_EQ(buffer[0], text.size());
    EXPECT_EQ(std::memcmp(buffer + 1, text.data(), text.size()), 0);
    EXPECT_EQ(buffer[1 + text.size()], 0xCC) << "no terminator is written";
}

TEST(GetMsgText, FallsBackOnlyForTheEmptyMessage) {
    EXPECT_EQ(GetMsgText(0), "No Msg From DLL 0");
    EXPECT_EQ(GetMsgText(95), "Quit");
    EXPECT_EQ(GetMsgText(96), "Now?");
    EXPECT_EQ(GetMsgText(591), "Unknown Message");
    EXPECT_EQ(GetMsgText(65535), "Unknown Message");
}

TEST(GetMsgText, CatalogueMessageHasNoFallback) {
    EXPECT_EQ(CatalogueMessage(0), "");
    EXPECT_EQ(CatalogueMessage(403), "Do you want to revert to the startup Display Mode?");
}

} // namespace
