#include "remote/RemoteAccess.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// "name=value" pairs separated by sep; the value of the first named one.
std::string PairValue(std::string_view pairs, char sep, std::string_view name, bool* found) {
    while (!pairs.empty()) {
        const auto end = pairs.find(sep);
        const std::string_view pair = Trimmed(pairs.substr(0, end));
        const auto eq = pair.find('=');
        if (eq != std::string_view::npos && pair.substr(0, eq) == name) {
            *found = true;
            return std::string(pair.substr(eq + 1));
        }
        if (end == std::string_view::npos) {
            break;
        }
        pairs.remove_prefix(end + 1);
    }
    return {};
}

// "host" or "host:port" or "[v6]" or "[v6]:port" -> host (lower case, v6 in
// brackets) and port text; false when it is neither.
bool SplitHostPort(std::string_view text, std::string* host, std::string_view* port) {
    std::size_t hostEnd = 0;
    if (!text.empty() && text.front() == '[') {
        hostEnd = text.find(']');
        if (hostEnd == std::string_view::npos) {
            return false;
        }
        ++hostEnd;
    } else {
        hostEnd = std::min(text.find(':'), text.size());
    }
    *host = Lower(text.substr(0, hostEnd));
    const std::string_view rest = text.substr(hostEnd);
    if (rest.empty()) {
        *port = {};
        return !host->empty();
    }
    if (rest.front() != ':' || rest.size() == 1) {
        return false;
    }
    *port = rest.substr(1);
    return !host->empty();
}

bool IsPort(std::string_view text, std::uint16_t port) {
    return text == std::to_string(port);
}

bool KnownName(const HostRules& rules, const std::string& host) {
    return std::find(rules.names.begin(), rules.names.end(), host) != rules.names.end();
}

} // namespace

std::string QueryValue(std::string_view target, std::string_view name) {
    const auto question = target.find('?');
    if (question == std::string_view::npos) {
        return {};
    }
    std::string_view query = target.substr(question + 1);
    query = query.substr(0, query.find('#'));
    bool found = false;
    return PairValue(query, '&', name, &found);
}

std::string KeyOfRequest(std::string_view authorization, std::string_view target,
                         std::string_view cookies) {
    constexpr std::string_view kBearer = "Bearer ";
    const std::string_view auth = Trimmed(authorization);
    if (auth.size() > kBearer.size() && auth.substr(0, kBearer.size()) == kBearer) {
        return std::string(Trimmed(auth.substr(kBearer.size())));
    }
    std::string fromQuery = QueryValue(target, "key");
    if (!fromQuery.empty()) {
        return fromQuery;
    }
    bool found = false;
    return PairValue(cookies, ';', kKeyCookie, &found);
}

bool KeysEqual(std::string_view given, std::string_view key) {
    // Every byte of the longer one is looked at, whatever matches.
    const std::size_t n = std::max(given.size(), key.size());
    unsigned diff = given.size() == key.size() ? 0U : 1U;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned a = i < given.size() ? static_cast<unsigned char>(given[i]) : 0U;
        const unsigned b = i < key.size() ? static_cast<unsigned char>(key[i]) : 0U;
        diff |= a ^ b;
    }
    return diff == 0 && !key.empty();
}

std::string HexOf(const std::uint8_t* bytes, std::size_t count) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0x0f];
    }
    return out;
}

HostRules MachineHostRules(std::uint16_t port, const std::string& hostName,
                           const std::vector<std::string>& addresses) {
    HostRules rules;
    rules.port = port;
    rules.names = {"localhost", "127.0.0.1", "[::1]"};
    const auto add = [&rules](std::string name) {
        if (!name.empty() && !KnownName(rules, name)) {
            rules.names.push_back(std::move(name));
        }
    };
    add(Lower(hostName));
    for (const std::string& address : addresses) {
        const bool v6 = address.find(':') != std::string::npos;
        add(Lower(v6 ? "[" + address + "]" : address));
    }
    return rules;
}

bool HostAllowed(const HostRules& rules, std::string_view host) {
    std::string name;
    std::string_view port;
    if (!SplitHostPort(Trimmed(host), &name, &port)) {
        return false;
    }
    return KnownName(rules, name) && (port.empty() || IsPort(port, rules.port));
}

bool OriginAllowed(const HostRules& rules, std::string_view origin) {
    origin = Trimmed(origin);
    if (origin.empty()) {
        return true;
    }
    constexpr std::string_view kHttp = "http://";
    if (Lower(origin.substr(0, kHttp.size())) != kHttp) {
        return false;
    }
    std::string name;
    std::string_view port;
    if (!SplitHostPort(origin.substr(kHttp.size()), &name, &port)) {
        return false;
    }
    const bool samePort = port.empty() ? rules.port == 80 : IsPort(port, rules.port);
    return KnownName(rules, name) && samePort;
}

bool WrongKeyLimiter::Blocked(const std::string& address, Clock::time_point now) {
    const auto it = records_.find(address);
    return it != records_.end() && now < it->second.blockedUntil;
}

void WrongKeyLimiter::Wrong(const std::string& address, Clock::time_point now) {
    if (records_.size() >= kMaxAddresses || now - lastSweep_ >= kWindow) {
        Sweep(now);
    }
    Record& record = records_[address];
    DropOld(record.wrong, now);
    record.wrong.push_back(now);
    if (static_cast<int>(record.wrong.size()) >= kWrongKeys) {
        record.blockedUntil = now + kWindow;
        record.wrong.clear();
    }
}

void WrongKeyLimiter::DropOld(std::vector<Clock::time_point>& wrong, Clock::time_point now) {
    wrong.erase(std::remove_if(wrong.begin(), wrong.end(),
                               [now](Clock::time_point t) { return now - t >= kWindow; }),
                wrong.end());
}

// Drops what a minute has made stale, and keeps the table bounded against a
// flood of addresses; an address that is only guessing goes before a
// shut-out one.
void WrongKeyLimiter::Sweep(Clock::time_point now) {
    lastSweep_ = now;
    for (auto it = records_.begin(); it != records_.end();) {
        DropOld(it->second.wrong, now);
        const bool stale = it->second.wrong.empty() && now >= it->second.blockedUntil;
        it = stale ? records_.erase(it) : std::next(it);
    }
    while (records_.size() >= kMaxAddresses) {
        auto victim = std::find_if(records_.begin(), records_.end(), [now](const auto& entry) {
            return now >= entry.second.blockedUntil;
        });
        records_.erase(victim != records_.end() ? victim : records_.begin());
    }
}
