#include <gtest/gtest.h>

#include "editor/BmpFile.h"
#include "editor/LineCount.h"
#include "editor/ScriptText.h"
#include "editor/StatusTexts.h"

namespace {

TEST(NormalizeLineEnds, EveryKindOfLineEndBecomesCrLf) {
    EXPECT_EQ(NormalizeLineEnds("a\nb\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(NormalizeLineEnds("a\rb\rc\r"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(NormalizeLineEnds("a\n\rb"), "a\r\nb") << "LF CR is one line end";
    EXPECT_EQ(NormalizeLineEnds("a\r\nb\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(NormalizeLineEnds("a\n\r\nb"), "a\r\n\r\nb");
    EXPECT_EQ(NormalizeLineEnds("\r\r"), "\r\n\r\n");
    EXPECT_EQ(NormalizeLineEnds(""), "");
    EXPECT_EQ(NormalizeLineEnds("no line end"), "no line end");
}

TEST(NormalizeLineEnds, KeepsEveryOtherByte) {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n')
            bytes.push_back(static_cast<char>(c));
    EXPECT_EQ(NormalizeLineEnds(bytes), bytes);
}

TEST(ScriptText, BinaryDataIsRecognisedByItsNul) {
    EXPECT_FALSE(HoldsBinaryData("plain\r\ntext"));
    EXPECT_TRUE(HoldsBinaryData(std::string("ab\0cd", 5)));
}

TEST(ScriptText, FolderAndFileNameParts) {
    EXPECT_EQ(FolderPart("C:\\scripts\\news.txt"), "C:\\scripts\\");
    EXPECT_EQ(FileNamePart("C:\\scripts\\news.txt"), "news.txt");
    EXPECT_EQ(FolderPart("news.txt"), "");
    EXPECT_EQ(FileNamePart("news.txt"), "news.txt");
    EXPECT_EQ(FolderPart("C:news.txt"), "C:");
}

TEST(StatusTexts, CaretReportRightAlignsInThreePlaces) {
    EXPECT_EQ(CaretReportText(1, 1), "Line:   1   Col:   1");
    EXPECT_EQ(CaretReportText(12, 345), "Line:  12   Col: 345");
    EXPECT_EQ(CaretReportText(1234, 5), "Line: 1234   Col:   5");
}

TEST(LineCount, AnEmptyLastLineIsNotALine) {
    EXPECT_EQ(DisplayedLineCount(1, 0), 0) << "empty editor";
    EXPECT_EQ(DisplayedLineCount(1, 5), 1);
    EXPECT_EQ(DisplayedLineCount(3, 0), 2) << "text ending in a line break";
    EXPECT_EQ(DisplayedLineCount(3, 2), 3);
}

TEST(BmpFile, HeadersDescribeAn8BitPicture) {
    const int width = 5, height = 2, stride = 8;
    std::vector<unsigned char> rows(stride * height, 7);
    std::uint8_t palette[1024] = {};
    palette[4] = 0x11;
    const std::string file = EncodeBmp8(width, height, palette, rows);
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(file[at])) |
               static_cast<unsigned char>(file[at + 1]) << 8 |
               static_cast<unsigned char>(file[at + 2]) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(file[at + 3])) << 24;
    };
    ASSERT_EQ(file.size(), 14u + 40u + 1024u + rows.size());
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(u32(2), file.size());
    EXPECT_EQ(u32(10), 14u + 40u + 1024u) << "offset of the pixels";
    EXPECT_EQ(u32(18), 5u);
    EXPECT_EQ(u32(22), 2u);
    EXPECT_EQ(static_cast<unsigned char>(file[28]), 8) << "bits per pixel";
    EXPECT_EQ(u32(46), 256u) << "colours used";
    EXPECT_EQ(static_cast<unsigned char>(file[54 + 4]), 0x11) << "palette follows the headers";
    EXPECT_EQ(static_cast<unsigned char>(file.back()), 7);
}

} // namespace
