// The remote control's rules that need no network: paths to commands, the
// access key, the wrong-key limit, Host and Origin, the state it sends.
#include <set>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "remote/QrCode.h"
#include "remote/RemoteAccess.h"
#include "remote/RemoteJson.h"
#include "remote/RemoteRoutes.h"
#include "remote/RemoteServer.h"

namespace {

TEST(RemoteRoutes, MapEveryCommandPathAndRefuseTheRest) {
    const std::pair<const char*, RemoteCommand> commands[] = {
        {"play", RemoteCommand::Play},       {"stop", RemoteCommand::Stop},
        {"toggle", RemoteCommand::Toggle},   {"pause", RemoteCommand::Pause},
        {"resume", RemoteCommand::Resume},   {"forward", RemoteCommand::Forward},
        {"backward", RemoteCommand::Backward}, {"faster", RemoteCommand::Faster},
        {"slower", RemoteCommand::Slower},   {"faster4", RemoteCommand::Faster4},
        {"slower4", RemoteCommand::Slower4},
    };
    for (const auto& [name, command] : commands) {
        const Route route = RouteOf("POST", std::string("/api/") + name + "?key=x");
        EXPECT_EQ(route.kind, RouteKind::Command) << name;
        EXPECT_EQ(route.command, command) << name;
        EXPECT_EQ(RouteOf("GET", std::string("/api/") + name).kind, RouteKind::WrongMethod)
            << name;
    }
    for (const char* delay : {"0", "7", "30", "07"}) {
        const Route route = RouteOf("POST", std::string("/api/delay/") + delay);
        EXPECT_EQ(route.kind, RouteKind::Command) << delay;
        EXPECT_EQ(route.command, RemoteCommand::SetDelay);
        EXPECT_EQ(route.argument, std::stoi(delay));
    }
    for (const char* bad : {"31", "-1", "", "100", "1a", "+1", " 1", "007"})
        EXPECT_EQ(RouteOf("POST", std::string("/api/delay/") + bad).kind, RouteKind::BadRequest)
            << bad;

    EXPECT_EQ(RouteOf("GET", "/").kind, RouteKind::Page);
    EXPECT_EQ(RouteOf("GET", "/?key=abc").kind, RouteKind::Page);
    EXPECT_EQ(RouteOf("GET", "/prompter?key=abc").kind, RouteKind::Prompter);
    EXPECT_EQ(RouteOf("POST", "/prompter").kind, RouteKind::WrongMethod);
    EXPECT_EQ(RouteOf("GET", "/prompter/").kind, RouteKind::NotFound);
    EXPECT_EQ(RouteOf("GET", "/api/state").kind, RouteKind::State);
    EXPECT_EQ(RouteOf("GET", "/api/live").kind, RouteKind::Live);
    EXPECT_EQ(RouteOf("POST", "/api/state").kind, RouteKind::WrongMethod);
    EXPECT_EQ(RouteOf("POST", "/").kind, RouteKind::WrongMethod);
    for (const char* other : {"/index.html", "/api", "/api/", "/api/PLAY", "/api/play/",
                              "/../etc/passwd", "//api/play", "/api/state/x", "/favicon.ico",
                              "*", ""})
        EXPECT_EQ(RouteOf("POST", other).kind, RouteKind::NotFound) << other;
}

TEST(RemoteRoutes, ReadLiveMessages) {
    const Route pause = LiveMessageRoute(R"({"command":"pause"})");
    EXPECT_EQ(pause.kind, RouteKind::Command);
    EXPECT_EQ(pause.command, RemoteCommand::Pause);
    const Route delay = LiveMessageRoute(R"({"command":"delay","value":12})");
    EXPECT_EQ(delay.kind, RouteKind::Command);
    EXPECT_EQ(delay.command, RemoteCommand::SetDelay);
    EXPECT_EQ(delay.argument, 12);
    EXPECT_EQ(LiveMessageRoute(R"({"command":"alive"})").kind, RouteKind::KeepAlive);
    for (const char* bad :
         {"", "pause", "[]", R"({"command":7})", R"({"command":"jump"})", R"({"cmd":"pause"})",
          R"({"command":"delay"})", R"({"command":"delay","value":31})",
          R"({"command":"delay","value":-1})", R"({"command":"delay","value":"5"})",
          R"({"command":"delay","value":1.5})", R"({"command":"delay","value":18446744073709551615})",
          R"({"command":"pause")"})
        EXPECT_EQ(LiveMessageRoute(bad).kind, RouteKind::BadRequest) << bad;
}

TEST(RemoteAccess, TakesTheKeyFromHeaderQueryOrCookieAndComparesWhole) {
    EXPECT_EQ(KeyOfRequest("Bearer abc123", "/api/state?key=other", "cuecraft_key=third"),
              "abc123");
    EXPECT_EQ(KeyOfRequest("", "/api/state?x=1&key=abc123", "cuecraft_key=third"), "abc123");
    EXPECT_EQ(KeyOfRequest("", "/api/state", "theme=dark; cuecraft_key=abc123; b=2"), "abc123");
    EXPECT_EQ(KeyOfRequest("Basic abc123", "/api/state", ""), "");
    EXPECT_EQ(KeyOfRequest("Bearer ", "/api/state?keys=abc", "xcuecraft_key=abc"), "");

    const std::string key = "0123456789abcdef0123456789abcdef";
    EXPECT_TRUE(KeysEqual(key, key));
    EXPECT_FALSE(KeysEqual(key.substr(0, 31), key));
    EXPECT_FALSE(KeysEqual(key + "0", key));
    EXPECT_FALSE(KeysEqual("1" + key.substr(1), key));
    EXPECT_FALSE(KeysEqual(key.substr(0, 31) + "0", key));
    EXPECT_FALSE(KeysEqual("", "")) << "a server without a key lets no one in";
    std::string withNul = key;
    withNul[5] = '\0';
    EXPECT_FALSE(KeysEqual(withNul, key));
}

TEST(RemoteAccess, NewKeysAre128RandomBitsInHex) {
    std::set<std::string> keys;
    for (int i = 0; i < 50; ++i) {
        const std::string key = NewAccessKey();
        ASSERT_EQ(key.size(), 32U);
        EXPECT_EQ(key.find_first_not_of("0123456789abcdef"), std::string::npos) << key;
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 50U);
    const std::uint8_t bytes[] = {0x00, 0x9f, 0xa0, 0xff};
    EXPECT_EQ(HexOf(bytes, 4), "009fa0ff");
}

TEST(RemoteAccess, FiveWrongKeysInAMinuteShutAnAddressOutForAMinute) {
    using namespace std::chrono;
    WrongKeyLimiter limiter;
    const auto t0 = WrongKeyLimiter::Clock::time_point{} + hours(1);
    for (int i = 0; i < 4; ++i)
        limiter.Wrong("127.0.0.2", t0 + seconds(i * 10));
    EXPECT_FALSE(limiter.Blocked("127.0.0.2", t0 + seconds(40)));
    limiter.Wrong("127.0.0.2", t0 + seconds(50));
    EXPECT_TRUE(limiter.Blocked("127.0.0.2", t0 + seconds(50)));
    EXPECT_TRUE(limiter.Blocked("127.0.0.2", t0 + seconds(109)));
    EXPECT_FALSE(limiter.Blocked("127.0.0.3", t0 + seconds(60))) << "other addresses go on";
    EXPECT_FALSE(limiter.Blocked("127.0.0.2", t0 + seconds(110)));

    // Spread wider than a minute, wrong keys never add up to five.
    for (int i = 0; i < 10; ++i)
        limiter.Wrong("127.0.0.4", t0 + seconds(i * 16));
    EXPECT_FALSE(limiter.Blocked("127.0.0.4", t0 + seconds(160)));

    // A flood of addresses does not free a shut-out one.
    limiter.Wrong("127.0.0.5", t0);
    for (int i = 0; i < 4; ++i)
        limiter.Wrong("127.0.0.5", t0);
    for (std::size_t i = 0; i < WrongKeyLimiter::kMaxAddresses + 10; ++i)
        limiter.Wrong("127.1." + std::to_string(i / 256) + "." + std::to_string(i % 256),
                      t0 + seconds(1));
    EXPECT_TRUE(limiter.Blocked("127.0.0.5", t0 + seconds(2)));
}

TEST(RemoteAccess, HostAndOriginMustNameThisMachineAndPort) {
    const HostRules rules = MachineHostRules(8765, "Studio-PC", {"127.0.1.20", "::5"});
    for (const char* host : {"localhost", "LOCALHOST:8765", "127.0.0.1", "127.0.0.1:8765",
                             "[::1]", "[::1]:8765", "studio-pc:8765", "127.0.1.20:8765",
                             "[::5]:8765", " localhost "})
        EXPECT_TRUE(HostAllowed(rules, host)) << host;
    for (const char* host : {"", "evil.example", "evil.example:8765", "localhost:8766",
                             "127.0.0.1:", "::1", "[::1", "localhost.evil.example", "127.0.0.2",
                             "127.0.1.200", "localhost:8765:1", "studio-pc.evil.example"})
        EXPECT_FALSE(HostAllowed(rules, host)) << host;

    EXPECT_TRUE(OriginAllowed(rules, "")) << "no Origin: not a browser's cross-site request";
    for (const char* origin : {"http://localhost:8765", "http://127.0.0.1:8765",
                               "http://[::1]:8765", "http://127.0.1.20:8765"})
        EXPECT_TRUE(OriginAllowed(rules, origin)) << origin;
    for (const char* origin : {"null", "http://evil.example", "http://evil.example:8765",
                               "http://127.0.0.1:8766", "http://127.0.0.1", "https://localhost:8765",
                               "file://", "http://localhost:8765.evil.example"})
        EXPECT_FALSE(OriginAllowed(rules, origin)) << origin;
}

TEST(RemoteJson, SendsTheStateWithExactlyItsFields) {
    RemoteState state;
    state.playing = true;
    state.paused = false;
    state.backward = true;
    state.delay = 15;
    state.line = 12;
    state.lines = 340;
    state.script = "Evening \"news\".txt";
    state.dual = true;
    state.mirror = true;
    state.rows = -40;
    const auto json = nlohmann::json::parse(StateJson(state));
    EXPECT_EQ(json, nlohmann::json::parse(R"({"playing":true,"paused":false,
        "direction":"backward","delay":15,"line":12,"lines":340,"script":"Evening \"news\".txt",
        "screen":"dual","mirror":true,"rows":-40})"));

    RemoteState stopped;
    stopped.script = std::string("bad\xff") + "name";
    const auto answer = nlohmann::json::parse(
        CommandAnswerJson(stopped, {1, RemoteOutcome::NotApplicable, "Nothing is playing"}));
    EXPECT_EQ(answer["direction"], "forward");
    EXPECT_EQ(answer["screen"], "single");
    EXPECT_EQ(answer["result"], "not applicable");
    EXPECT_EQ(answer["reason"], "Nothing is playing");
    EXPECT_EQ(answer["script"], "bad\xEF\xBF\xBDname") << "an odd byte, replaced";
    const auto applied =
        nlohmann::json::parse(CommandAnswerJson(state, {2, RemoteOutcome::Applied, ""}));
    EXPECT_EQ(applied["result"], "applied");
    EXPECT_FALSE(applied.contains("reason"));
}

// What a talent view draws from: the lines untouched and in order, the look
// as CSS takes it, and a reading with its age.
TEST(RemoteJson, SendsTheTalentViewsLinesLookAndPosition) {
    TalentScript script;
    script.lines = {"First line", "", std::string("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"), "  spaced  "};
    script.first = 2;
    script.face = "Segoe \"UI\"";
    script.fontPx = 48;
    script.pitch = 55;
    script.bold = true;
    script.textColor = 0x00336699; // red 0x99, green 0x66, blue 0x33
    script.backColor = 0x00010203;
    script.align = "center";
    script.rightToLeft = true;
    script.mirror = true;
    script.outputWidth = 1280;
    script.bandHeight = 660;
    const auto json = nlohmann::json::parse(ScriptJson(script));
    EXPECT_EQ(json, nlohmann::json::parse(R"({"type":"script",
        "lines":["First line","","\u05e9\u05dc\u05d5\u05dd","  spaced  "],"first":2,
        "face":"Segoe \"UI\"","fontPx":48,"pitch":55,"bold":true,"italic":false,
        "underline":false,"color":"#996633","background":"#030201","align":"center",
        "rtl":true,"mirror":true,"outputWidth":1280,"bandHeight":660})"));
    script.lines = {std::string("bad\xff")};
    EXPECT_EQ(nlohmann::json::parse(ScriptJson(script))["lines"][0], "bad\xEF\xBF\xBD");

    RemoteState state;
    state.playing = true;
    state.paused = true;
    state.backward = true;
    state.rows = -17;
    state.entering = 9;
    state.stepMs = 7;
    EXPECT_EQ(nlohmann::json::parse(PositionJson(state, 12)), nlohmann::json::parse(R"({
        "type":"position","rows":-17,"entering":9,"stepMs":7,"running":false,"backward":true,
        "playing":true,"paused":true,"mirror":false,"age":12})"));
    state.paused = false;
    const auto running = nlohmann::json::parse(PositionJson(state, -3));
    EXPECT_TRUE(running["running"]);
    EXPECT_EQ(running["age"], 0) << "a clock read a hair apart is no reading from the future";
}

TEST(QrCode, EncodesTheAddressAsASquareOfModules) {
    const QrModules qr = EncodeQr("http://127.0.1.20:8765/?key=0123456789abcdef0123456789abcdef");
    ASSERT_GT(qr.size, 21);
    EXPECT_EQ(qr.size % 4, 1) << "versions grow by four modules";
    ASSERT_EQ(qr.dark.size(), static_cast<std::size_t>(qr.size * qr.size));
    // The three finder patterns: dark corners with a light ring inside.
    for (auto [x, y] : {std::pair{0, 0}, {qr.size - 7, 0}, {0, qr.size - 7}}) {
        EXPECT_TRUE(qr.Dark(x, y));
        EXPECT_FALSE(qr.Dark(x + 1, y + 1));
        EXPECT_TRUE(qr.Dark(x + 3, y + 3));
    }
    EXPECT_EQ(EncodeQr(std::string(5000, 'x')).size, 0) << "too long for any version";
}

} // namespace
