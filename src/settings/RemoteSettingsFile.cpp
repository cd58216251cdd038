#include "settings/RemoteSettingsFile.h"

#include <string>

#include "settings/ProfileCodec.h"

namespace {
bool ReadFlag(IProfileFile& file, std::string_view key) {
    const std::optional<std::string> text = file.Read(kRemoteSection, key);
    const std::optional<std::int64_t> value = text ? ParseProfileNumber(*text) : std::nullopt;
    return value && *value != 0;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
} // namespace

std::optional<std::uint16_t> ParseRemotePort(std::string_view text) {
    const std::optional<std::int64_t> value = ParseProfileNumber(TrimBlanks(text));
    if (!value || *value < 1024 || *value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(*value);
}

bool IsAccessKey(std::string_view text) {
    if (text.size() != 32)
        return false;
    for (const char c : text)
        if (!IsHexDigit(c))
            return false;
    return true;
}

RemoteSettings ReadRemoteSettings(IProfileFile& file) {
    RemoteSettings settings;
    settings.enabled = ReadFlag(file, "Enabled");
    settings.network = ReadFlag(file, "Network");
    const std::optional<std::string> port = file.Read(kRemoteSection, "Port");
    settings.port = port ? ParseRemotePort(*port).value_or(kDefaultRemotePort) : kDefaultRemotePort;
    const std::optional<std::string> key = file.Read(kRemoteSection, "AccessKey");
    if (key && IsAccessKey(*key))
        settings.accessKey = *key;
    return settings;
}

bool WriteRemoteSettings(IProfileFile& file, const RemoteSettings& settings) {
    return file.Write(kRemoteSection, "Enabled", settings.enabled ? "1" : "0") &&
           file.Write(kRemoteSection, "Network", settings.network ? "1" : "0") &&
           file.Write(kRemoteSection, "Port", FormatProfileNumber(settings.port)) &&
           file.Write(kRemoteSection, "AccessKey", settings.accessKey);
}

bool RemoteSettingsReadBack(IProfileFile& file, const RemoteSettings& settings) {
    file.Flush();
    const RemoteSettings read = ReadRemoteSettings(file);
    return read.enabled == settings.enabled && read.network == settings.network &&
           read.port == settings.port && read.accessKey == settings.accessKey;
}
