// Settings files through the system's private-profile functions, one call
// per key.
#include <cstring>

#include <windows.h>

#include "settings/ProfileCodec.h"
#include "settings/ProfileFile.h"

namespace {
class Win32ProfileFile final : public IProfileFile {
  public:
    explicit Win32ProfileFile(std::string path) : path_(std::move(path)) {}

    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
        // A default no file holds tells an absent key from an empty one.
        static constexpr char kAbsent[] = "\x01";
        char buffer[kProfileTextMax + 1] = {0};
        GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), kAbsent,
                                 buffer, sizeof buffer, path_.c_str());
        if (std::strcmp(buffer, kAbsent) == 0)
            return std::nullopt;
        return std::string(buffer);
    }
    bool Write(std::string_view section, std::string_view key, std::string_view value) override {
        return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                          std::string(value).c_str(), path_.c_str()) != FALSE;
    }
    bool EraseSection(std::string_view section) override {
        return WritePrivateProfileStringA(std::string(section).c_str(), nullptr, nullptr,
                                          path_.c_str()) != FALSE;
    }
    void Flush() override { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

  private:
    std::string path_;
};
} // namespace

std::unique_ptr<IProfileFile> OpenProfileFile(const std::string& path) {
    return std::make_unique<Win32ProfileFile>(path);
}
