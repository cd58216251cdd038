// Any file bytes: loading must not fault, and whatever loads must save back
// to the very bytes it came from. Any editor text: what a marked encoding
// saves must load back unchanged.
#include <cstdio>
#include <cstdlib>

#include "Utf8CodePage.h"
#include "editor/ScriptEncoding.h"

namespace {

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

const Windows1252CodePage cp1252{};
const Utf8CodePage utf8System{};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const ScriptEncoding detected = DetectScriptEncoding(bytes);
    if (const auto unicode = DecodeUnicode(bytes, detected))
        Check(EncodeUnicode(*unicode, detected) == bytes, "EncodeUnicode inverts DecodeUnicode");

    const ScriptLoad load = DecodeScript(bytes, cp1252);
    Check(load.encoding == detected, "DecodeScript reports the detected encoding");
    if (load.status == ScriptLoadStatus::Loaded)
        Check(EncodeScript(load.text, load.encoding, cp1252).bytes == bytes, "a load saves back as is");
    else
        Check(load.text.empty(), "a refused file leaves no text");

    // A code page that cannot read every byte: whatever would not save back
    // as it came is flagged, and the unedited script goes back byte for byte.
    const ScriptLoad lossy = DecodeScript(bytes, utf8System);
    if (lossy.status == ScriptLoadStatus::Loaded) {
        const ScriptFileForm again = EncodeScript(lossy.text, lossy.encoding, utf8System);
        Check(again.bytes == bytes || lossy.replaced, "no reading loses bytes unflagged");
        const ScriptFileForm kept{lossy.encoding, std::string(bytes), lossy.replaced};
        Check(bytes.empty() || ScriptSaveForm(lossy.text, kept, utf8System).bytes == bytes,
              "an unedited script saves back byte for byte");
    }

    // The same bytes as editor text (UTF-8, what is not made whole), saved in
    // each encoding that marks itself.
    if (bytes.find('\0') == std::string_view::npos) {
        const std::string text = Utf16ToUtf8(Utf8ToUtf16(bytes));
        for (ScriptEncoding e :
             {ScriptEncoding::Utf8Bom, ScriptEncoding::Utf16Le, ScriptEncoding::Utf16Be}) {
            const ScriptFileForm saved = EncodeScript(text, e, cp1252);
            const ScriptLoad again = DecodeScript(saved.bytes, cp1252);
            Check(again.status == ScriptLoadStatus::Loaded && again.encoding == saved.encoding &&
                      (again.text == text || saved.loneHalves > 0),
                  "a save loads back unchanged, but for the halves it counts");
        }
    }
    return 0;
}
