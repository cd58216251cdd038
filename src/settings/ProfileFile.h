#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// One settings file as the private-profile functions see it: each read is
// one lookup, each write one update. The production version works on a real
// file; tests hand in versions that keep it in memory or fail half-way.
class IProfileFile {
  public:
    virtual ~IProfileFile() = default;
    // The value of a key, or nothing when the key is absent.
    virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;
    // False when the value did not reach the file.
    virtual bool Write(std::string_view section, std::string_view key, std::string_view value) = 0;
    virtual bool EraseSection(std::string_view section) = 0;
    // Puts every cached change on disk and drops the cache, so later reads
    // see the file itself.
    virtual void Flush() = 0;
};

using ProfileOpener = std::function<std::unique_ptr<IProfileFile>(const std::string& path)>;

// The production version: the private-profile functions on the file at
// `path` (Windows only).
std::unique_ptr<IProfileFile> OpenProfileFile(const std::string& path);
