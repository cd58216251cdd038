// Settings files through the system's private-profile functions, one call
// per key.
#include <windows.h>

#include "settings/ProfileCodec.h"
#include "settings/ProfileFile.h"
#include "win/FileIo.h"
#include "win/SystemCodePage.h"
#include "win/Wide.h"

namespace {
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// Whether the system's code page holds the text exactly.
bool FitsCodePage(std::string_view text) {
    const SystemCodePage page;
    const std::u16string unicode = Utf8ToUtf16(text);
    const std::optional<std::string> bytes = page.FromUnicode(unicode);
    return bytes && page.ToUnicode(*bytes) == unicode;
}

class Win32ProfileFile final : public IProfileFile {
  public:
    explicit Win32ProfileFile(std::string path)
        : path_(std::move(path)), widePath_(FileSystemPath(path_)) {}

    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
        // A default no file holds tells an absent key from an empty one.
        static constexpr wchar_t kAbsent[] = L"\x01";
        std::wstring buffer(kProfileTextMax + 2, L'\0');
        const DWORD length = GetPrivateProfileStringW(
            Widen(section).c_str(), Widen(key).c_str(), kAbsent, buffer.data(),
            static_cast<DWORD>(buffer.size()), widePath_.c_str());
        buffer.resize(length);
        if (buffer == kAbsent)
            return std::nullopt;
        return Narrow(buffer);
    }
    bool Write(std::string_view section, std::string_view key, std::string_view value) override {
        if (!unicode_ && !(FitsCodePage(section) && FitsCodePage(key) && FitsCodePage(value)))
            MakeUnicode();
        return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                          Widen(value).c_str(), widePath_.c_str()) != FALSE;
    }
    bool EraseSection(std::string_view section) override {
        return WritePrivateProfileStringW(Widen(section).c_str(), nullptr, nullptr,
                                          widePath_.c_str()) != FALSE;
    }
    void Flush() override { WritePrivateProfileStringW(nullptr, nullptr, nullptr, widePath_.c_str()); }

  private:
    // A file in the code page cannot hold this text: the whole file becomes
    // UTF-16 with its mark, the one Unicode form the profile functions of
    // every Windows read and keep (they write a marked file in its own form).
    void MakeUnicode() {
        unicode_ = true;
        Flush();
        std::string bytes = FileExists(path_) ? ReadWholeFile(path_) : std::string();
        if (bytes.starts_with(kUtf16LeMark))
            return;
        const std::u16string text = bytes.starts_with("\xEF\xBB\xBF")
                                        ? Utf8ToUtf16(std::string_view(bytes).substr(3))
                                        : SystemCodePage().ToUnicode(bytes);
        std::string marked(kUtf16LeMark);
        for (const char16_t unit : text) {
            marked += static_cast<char>(unit & 0xFF);
            marked += static_cast<char>(unit >> 8);
        }
        ReplaceFileContents(path_, marked);
    }

    std::string path_;
    std::wstring widePath_;
    bool unicode_ = false;
};
} // namespace

std::unique_ptr<IProfileFile> OpenProfileFile(const std::string& path) {
    return std::make_unique<Win32ProfileFile>(path);
}
