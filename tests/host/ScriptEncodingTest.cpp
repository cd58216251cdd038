#include <gtest/gtest.h>

#include "Utf8CodePage.h"
#include "editor/ScriptEncoding.h"

using namespace std::string_literals;

namespace {

const Windows1252CodePage cp1252{};

// "Café “quoted”" as the editor holds it and as each encoding stores it.
const std::string cafeAnsi = "Caf\xE9 \x93quoted\x94";
const std::string cafeUtf8 = "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D";
const std::string cafeUtf16Le = "\xFF\xFE"
                                "C\0a\0f\0\xE9\0 \0\x1C\x20q\0u\0o\0t\0e\0d\0\x1D\x20"s;
const std::string cafeUtf16Be = "\xFE\xFF"
                                "\0C\0a\0f\0\xE9\0 \x20\x1C\0q\0u\0o\0t\0e\0d\x20\x1D"s;

TEST(ScriptEncodingDetect, ByteOrderMarkOrMultiByteUtf8Decides) {
    EXPECT_EQ(DetectScriptEncoding("\xEF\xBB\xBFtext"), ScriptEncoding::Utf8Bom);
    EXPECT_EQ(DetectScriptEncoding("\xFF\xFE"), ScriptEncoding::Utf16Le);
    EXPECT_EQ(DetectScriptEncoding("\xFF\xFE\0\0"s), ScriptEncoding::Utf16Le);
    EXPECT_EQ(DetectScriptEncoding("\xFE\xFF\0A"s), ScriptEncoding::Utf16Be);
    EXPECT_EQ(DetectScriptEncoding(cafeUtf8), ScriptEncoding::Utf8);
    EXPECT_EQ(DetectScriptEncoding("\xF0\x9F\x98\x80"), ScriptEncoding::Utf8) << "four bytes";

    EXPECT_EQ(DetectScriptEncoding(""), ScriptEncoding::Ansi);
    EXPECT_EQ(DetectScriptEncoding("plain ASCII\r\n"), ScriptEncoding::Ansi);
    EXPECT_EQ(DetectScriptEncoding(cafeAnsi), ScriptEncoding::Ansi);
    EXPECT_EQ(DetectScriptEncoding("Caf\xE9"), ScriptEncoding::Ansi) << "Latin-1 byte";
    EXPECT_EQ(DetectScriptEncoding("Caf\xC3\xA9\xE9"), ScriptEncoding::Ansi) << "valid, then not";
    EXPECT_EQ(DetectScriptEncoding("Caf\xC3"), ScriptEncoding::Ansi) << "cut off";
    EXPECT_EQ(DetectScriptEncoding("\xC0\xAF"), ScriptEncoding::Ansi) << "overlong";
    EXPECT_EQ(DetectScriptEncoding("\xE0\x80\xAF"), ScriptEncoding::Ansi) << "overlong";
    EXPECT_EQ(DetectScriptEncoding("\xED\xA0\x80"), ScriptEncoding::Ansi) << "surrogate";
    EXPECT_EQ(DetectScriptEncoding("\xF4\x90\x80\x80"), ScriptEncoding::Ansi) << "past U+10FFFF";
}

TEST(ScriptEncodingRoundTrip, EachEncodingLoadsAsUnicodeTextAndSavesBack) {
    const struct {
        ScriptEncoding encoding;
        std::string file;
    } cases[] = {
        {ScriptEncoding::Ansi, cafeAnsi},
        {ScriptEncoding::Utf8, cafeUtf8},
        {ScriptEncoding::Utf8Bom, "\xEF\xBB\xBF" + cafeUtf8},
        {ScriptEncoding::Utf16Le, cafeUtf16Le},
        {ScriptEncoding::Utf16Be, cafeUtf16Be},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.encoding));
        const ScriptLoad load = DecodeScript(c.file, cp1252);
        EXPECT_EQ(load.status, ScriptLoadStatus::Loaded);
        EXPECT_EQ(load.encoding, c.encoding);
        EXPECT_EQ(load.text, cafeUtf8);
        const ScriptFileForm saved = EncodeScript(load.text, load.encoding, cp1252);
        EXPECT_EQ(saved.encoding, c.encoding);
        EXPECT_EQ(saved.bytes, c.file);
    }
}

TEST(ScriptEncodingRoundTrip, EmptyFileAndBareMarkLoadEmpty) {
    const ScriptLoad empty = DecodeScript("", cp1252);
    EXPECT_EQ(empty.status, ScriptLoadStatus::Loaded);
    EXPECT_EQ(empty.encoding, ScriptEncoding::Ansi);
    EXPECT_EQ(empty.text, "");

    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        const ScriptLoad load = DecodeScript(mark, cp1252);
        EXPECT_EQ(load.status, ScriptLoadStatus::Loaded) << mark;
        EXPECT_EQ(load.text, "");
        EXPECT_EQ(EncodeScript("", load.encoding, cp1252).bytes, mark) << "a save keeps the mark";
    }
}

TEST(ScriptEncodingUnicode, SurrogatePairsAndIllFormedBodies) {
    const std::u16string smiley = u"a\U0001F600b";
    EXPECT_EQ(EncodeUnicode(smiley, ScriptEncoding::Utf8), "a\xF0\x9F\x98\x80"s + 'b');
    EXPECT_EQ(EncodeUnicode(smiley, ScriptEncoding::Utf16Be), "\xFE\xFF\0a\xD8\x3D\xDE\0\0b"s);
    for (ScriptEncoding e : {ScriptEncoding::Utf8, ScriptEncoding::Utf8Bom, ScriptEncoding::Utf16Le,
                             ScriptEncoding::Utf16Be})
        EXPECT_EQ(DecodeUnicode(EncodeUnicode(smiley, e), e), smiley) << static_cast<int>(e);
    EXPECT_EQ(EncodeUnicode(u"\xD800x", ScriptEncoding::Utf8), "\xEF\xBF\xBDx") << "lone surrogate";

    for (const std::string body :
         {"\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xBF\xBF",
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\x80", "ab\xE2\x80", "\xE2\x28\xA1"})
        EXPECT_FALSE(DecodeUnicode("\xEF\xBB\xBF" + body, ScriptEncoding::Utf8Bom)) << body;
    EXPECT_FALSE(DecodeUnicode("\xFF\xFE"s + 'A', ScriptEncoding::Utf16Le)) << "odd length";
    // Lone halves are kept as the units they are, in any order.
    EXPECT_EQ(DecodeUnicode("\xFF\xFE\x3D\xD8"s, ScriptEncoding::Utf16Le), u"\xD83D");
    EXPECT_EQ(DecodeUnicode("\xFF\xFE\x00\xDE\x3D\xD8"s, ScriptEncoding::Utf16Le),
              std::u16string({0xDE00, 0xD83D}));
    EXPECT_FALSE(DecodeUnicode(cafeUtf8, ScriptEncoding::Utf8Bom)) << "mark missing";
    EXPECT_FALSE(DecodeUnicode(cafeUtf16Le, ScriptEncoding::Utf16Be)) << "other mark";
    EXPECT_FALSE(DecodeUnicode("text", ScriptEncoding::Ansi));
}

// Hands out '?' for what it lacks, as a careless conversion would.
class QuestionMarkCodePage : public CodePage {
  public:
    std::optional<std::string> FromUnicode(std::u16string_view text) const override {
        std::string out;
        for (char16_t u : text)
            out += u < 0x100 ? static_cast<char>(u) : '?';
        return out;
    }
    std::u16string ToUnicode(std::string_view text) const override {
        std::u16string out;
        for (char c : text)
            out += static_cast<unsigned char>(c);
        return out;
    }
};

const std::string cyrillic = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"; // Привет

TEST(ScriptEncodingUnicode, AnyScriptLoadsWhateverTheCodePage) {
    for (const std::string& file : {cyrillic, "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xC2\x80"s}) {
        const ScriptLoad load = DecodeScript(file, cp1252);
        EXPECT_EQ(load.status, ScriptLoadStatus::Loaded);
        const ScriptFileForm saved = EncodeScript(load.text, load.encoding, cp1252);
        EXPECT_EQ(saved.bytes, file) << "a Unicode script saves in its own encoding";
    }
    EXPECT_EQ(DecodeScript("\xFF\xFE\x3D\xD8\x00\xDE"s, cp1252).text, "\xF0\x9F\x98\x80");
}

TEST(ScriptEncodingUnicode, CodePageScriptBecomesUtf8OnlyWhenItNoLongerFits) {
    const ScriptFileForm western = EncodeScript(cafeUtf8, ScriptEncoding::Ansi, cp1252);
    EXPECT_EQ(western.encoding, ScriptEncoding::Ansi);
    EXPECT_EQ(western.bytes, cafeAnsi);

    const ScriptFileForm typed = EncodeScript(cafeUtf8 + cyrillic, ScriptEncoding::Ansi, cp1252);
    EXPECT_EQ(typed.encoding, ScriptEncoding::Utf8Bom);
    EXPECT_EQ(typed.bytes, "\xEF\xBB\xBF" + cafeUtf8 + cyrillic);
    // A code page that answers with '?' is caught on the way back.
    const ScriptFileForm careless =
        EncodeScript(cyrillic, ScriptEncoding::Ansi, QuestionMarkCodePage());
    EXPECT_EQ(careless.encoding, ScriptEncoding::Utf8Bom);
    EXPECT_EQ(careless.bytes, "\xEF\xBB\xBF" + cyrillic);
}

TEST(ScriptEncodingRefusals, NothingIsLoadedLossily) {
    const auto statusOf = [](const std::string& file, const CodePage& cp = cp1252) {
        return DecodeScript(file, cp).status;
    };

    EXPECT_EQ(statusOf("ab\0cd"s), ScriptLoadStatus::Binary);
    EXPECT_EQ(statusOf(cafeUtf8 + '\0'), ScriptLoadStatus::Binary);
    EXPECT_EQ(statusOf("\xFF\xFE\0\0"s), ScriptLoadStatus::Binary) << "UTF-32 LE mark";
    EXPECT_EQ(statusOf("\0\0\xFE\xFF"s), ScriptLoadStatus::Binary) << "UTF-32 BE mark";
    EXPECT_EQ(statusOf("\xFE\xFF\0A\0\0"s), ScriptLoadStatus::Binary);

    EXPECT_EQ(statusOf(cafeUtf16Le.substr(0, cafeUtf16Le.size() - 1)), ScriptLoadStatus::Invalid);
    EXPECT_EQ(statusOf("\xEF\xBB\xBF" + cafeAnsi), ScriptLoadStatus::Invalid) << "code page body";
}

// On a system whose code page cannot read every byte, the reading says so,
// and an unedited script still goes back byte for byte.
TEST(ScriptEncodingRefusals, BytesTheCodePageCannotReadAreFlaggedAndKept) {
    const Utf8CodePage utf8System;
    const std::string file = "Caf\xE9 \x93quoted\x94\r\n"; // code page 1252 bytes
    const ScriptLoad load = DecodeScript(file, utf8System);
    ASSERT_EQ(load.status, ScriptLoadStatus::Loaded);
    EXPECT_EQ(load.encoding, ScriptEncoding::Ansi);
    EXPECT_TRUE(load.replaced);
    EXPECT_EQ(load.text, "Caf\xEF\xBF\xBD \xEF\xBF\xBDquoted\xEF\xBF\xBD\r\n");

    const ScriptFileForm unedited = ScriptSaveForm(load.text, {load.encoding, file, true}, utf8System);
    EXPECT_EQ(unedited.bytes, file);
    const ScriptFileForm edited = ScriptSaveForm(load.text, {load.encoding, "", true}, utf8System);
    EXPECT_TRUE(edited.replaced) << "the save must ask before writing the stand-ins";
    EXPECT_NE(edited.bytes, file);

    EXPECT_FALSE(DecodeScript("plain text", utf8System).replaced);
    std::string every;
    for (int b = 1; b < 256; ++b)
        every += static_cast<char>(b);
    EXPECT_FALSE(DecodeScript(every, cp1252).replaced) << "code page 1252 reads every byte";
}

// UTF-16 holds a lone half of a surrogate pair and keeps it through a load
// and a save; UTF-8 and the code page cannot, and the save counts what it
// replaces so the user can be asked.
TEST(ScriptEncodingUnicode, LoneHalvesOfSurrogatePairsStayInUtf16Only) {
    const std::string file = "\xFE\xFF\xDC\0\0A"s; // big endian: a lone low half, then A
    const ScriptLoad load = DecodeScript(file, cp1252);
    ASSERT_EQ(load.status, ScriptLoadStatus::Loaded);
    const ScriptFileForm saved = EncodeScript(load.text, load.encoding, cp1252);
    EXPECT_EQ(saved.bytes, file);
    EXPECT_EQ(saved.loneHalves, 0u);

    const std::string typed = Utf16ToUtf8(u"Hi \xD83D"); // half an emoji
    for (ScriptEncoding e : {ScriptEncoding::Ansi, ScriptEncoding::Utf8, ScriptEncoding::Utf8Bom}) {
        const ScriptFileForm form = EncodeScript(typed, e, cp1252);
        EXPECT_EQ(form.loneHalves, 1u);
        EXPECT_NE(form.bytes.find("Hi \xEF\xBF\xBD"), std::string::npos) << "U+FFFD in UTF-8";
    }
    const ScriptFileForm utf16 = EncodeScript(typed, ScriptEncoding::Utf16Le, cp1252);
    EXPECT_EQ(utf16.bytes, "\xFF\xFEH\0i\0 \0\x3D\xD8"s);
    EXPECT_EQ(DecodeScript(utf16.bytes, cp1252).text, typed);
}

TEST(Windows1252CodePage, EveryByteHasOneCharacterAndBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::u16string unicode = cp1252.ToUnicode(bytes);
    ASSERT_EQ(unicode.size(), 256u);
    EXPECT_EQ(cp1252.FromUnicode(unicode), bytes);

    EXPECT_EQ(unicode[0x80], u'\u20AC');
    EXPECT_EQ(unicode[0x81], u'\u0081') << "unassigned, as Windows maps it";
    EXPECT_EQ(unicode[0x8A], u'\u0160');
    EXPECT_EQ(unicode[0x93], u'\u201C');
    EXPECT_EQ(unicode[0x9D], u'\u009D');
    EXPECT_EQ(unicode[0x9F], u'\u0178');
    EXPECT_EQ(unicode[0xE9], u'\u00E9');
    for (char16_t missing : {u'\u0080', u'\u009F', u'\u0100', u'\u041F', u'\uFFFD'})
        EXPECT_FALSE(cp1252.FromUnicode(std::u16string(u"a") + missing)) << int(missing);
}

} // namespace
