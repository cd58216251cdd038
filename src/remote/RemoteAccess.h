#pragma once
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Who may steer the prompter: the access key a request carries, the names it
// may call this machine by, the sites it may come from, and how often a
// device may guess the key. No network here; the server asks these rules.

// The name of the cookie the page sets when opened with ?key=.
inline constexpr std::string_view kKeyCookie = "cuecraft_key";

// The value of one query parameter of a request target, as written.
std::string QueryValue(std::string_view target, std::string_view name);

// The key a request carries: "Authorization: Bearer KEY", else ?key=KEY,
// else the key cookie. Empty when none.
std::string KeyOfRequest(std::string_view authorization, std::string_view target,
                         std::string_view cookies);

// Equal keys, in a time that does not depend on where they differ.
bool KeysEqual(std::string_view given, std::string_view key);

// The bytes as lower-case hex digits.
std::string HexOf(const std::uint8_t* bytes, std::size_t count);

// The names a request's Host may give (lower case; IPv6 in brackets) and the
// port the server listens on.
struct HostRules {
    std::uint16_t port = 0;
    std::vector<std::string> names;
};

// The names of this machine for a server on the port: localhost, the
// loopback addresses, the host name and the given addresses.
HostRules MachineHostRules(std::uint16_t port, const std::string& hostName,
                           const std::vector<std::string>& addresses);

// Host header "name" or "name:port" naming this machine (DNS rebinding).
bool HostAllowed(const HostRules& rules, std::string_view host);

// An Origin header absent, or this server's own origin (http, one of the
// machine's names, the server's port).
bool OriginAllowed(const HostRules& rules, std::string_view origin);

// Five wrong keys from one address within a minute shut that address out
// for a minute. The caller gives the time, so tests can move it.
class WrongKeyLimiter {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kWrongKeys = 5;
    static constexpr Clock::duration kWindow = std::chrono::minutes(1);
    // Addresses remembered at most; beyond, the oldest news goes first.
    static constexpr std::size_t kMaxAddresses = 4096;

    bool Blocked(const std::string& address, Clock::time_point now);
    void Wrong(const std::string& address, Clock::time_point now);

  private:
    struct Record {
        std::vector<Clock::time_point> wrong; // within the last window
        Clock::time_point blockedUntil{};
    };
    static void DropOld(std::vector<Clock::time_point>& wrong, Clock::time_point now);
    void Sweep(Clock::time_point now);

    std::map<std::string, Record> records_;
    Clock::time_point lastSweep_{};
};
