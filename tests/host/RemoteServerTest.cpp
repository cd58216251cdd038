// The remote control's server, started for real on the loopback address and
// spoken to over it, with a stand-in for the program that answers commands
// from a thread of its own as the GUI thread would.
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "remote/RemoteServer.h"

namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;

const std::string kKey = "00112233445566778899aabbccddeeff";
// Waits for something the server must do; only a fault ever takes this long.
constexpr auto kPatience = 10s;

// The program's side: takes commands, answers each from its own thread.
class FakeProgram : public RemoteHost {
  public:
    ~FakeProgram() override { Quit(); }
    // Ends the answering thread, before the server it answers goes.
    void Quit() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
        if (answerer_.joinable())
            answerer_.join();
    }
    void Serve(RemoteServer& server) {
        server_ = &server;
        answerer_ = std::thread([this] { Answer(); });
    }
    std::optional<std::int64_t> LiveRows() const override {
        if (rows < 0)
            return std::nullopt;
        return rows.load();
    }
    std::atomic<std::int64_t> rows = -1; // none until a test sets it
    bool PostCommand(const RemoteRequest& request) override {
        {
            std::lock_guard lock(mutex_);
            seen_.push_back(request);
            toAnswer_.push_back(request);
        }
        changed_.notify_all();
        return true;
    }
    // How commands are taken from now on; silent answers nothing.
    void TakeAs(RemoteOutcome outcome, bool silent = false) {
        std::lock_guard lock(mutex_);
        outcome_ = outcome;
        silent_ = silent;
    }
    // The next command seen after the first `after`, if one comes.
    std::optional<RemoteRequest> WaitCommand(std::size_t after) {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, kPatience, [&] { return seen_.size() > after; }))
            return std::nullopt;
        return seen_[after];
    }
    std::size_t Seen() {
        std::lock_guard lock(mutex_);
        return seen_.size();
    }

  private:
    void Answer() {
        std::unique_lock lock(mutex_);
        while (true) {
            changed_.wait(lock, [&] { return quit_ || !toAnswer_.empty(); });
            if (quit_)
                return;
            const RemoteRequest request = toAnswer_.front();
            toAnswer_.pop_front();
            if (silent_)
                continue;
            RemoteResult result{request.id, outcome_, ""};
            if (outcome_ == RemoteOutcome::NotApplicable)
                result.reason = "Nothing is playing";
            if (request.command == RemoteCommand::SetDelay)
                state_.delay = request.argument;
            const RemoteState state = state_;
            // As the GUI thread, answering without holding what the server's
            // threads may wait for.
            lock.unlock();
            server_->PublishState(state);
            server_->CommandDone(result);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<RemoteRequest> seen_;
    std::deque<RemoteRequest> toAnswer_;
    RemoteOutcome outcome_ = RemoteOutcome::Applied;
    bool silent_ = false;
    bool quit_ = false;
    RemoteState state_;
    RemoteServer* server_ = nullptr;
    std::thread answerer_;
};

struct Reply {
    int status = 0; // 0: the connection closed without an answer
    std::string body;
    std::string cookie; // Set-Cookie
};

class RemoteServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RemoteSettings settings;
        settings.enabled = true;
        settings.port = 0; // the system picks a free one
        settings.accessKey = kKey;
        ASSERT_EQ(server_.Start(settings), "");
        port_ = server_.Port();
        ASSERT_NE(port_, 0);
        program_.Serve(server_);
    }
    void TearDown() override { program_.Quit(); }

    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }

    tcp::socket Connect() {
        tcp::socket socket(ioc_);
        socket.connect({asio::ip::make_address("127.0.0.1"), port_});
        return socket;
    }

    Reply Ask(tcp::socket& socket, http::verb verb, const std::string& target,
              const std::map<std::string, std::string>& headers = {}) {
        http::request<http::string_body> req{verb, target, 11};
        req.set(http::field::host, Host());
        for (const auto& [name, value] : headers)
            req.set(name, value);
        req.prepare_payload();
        beast::error_code ec;
        http::write(socket, req, ec);
        beast::flat_buffer buffer;
        http::response<http::string_body> res;
        http::read(socket, buffer, res, ec);
        if (ec)
            return {};
        return {static_cast<int>(res.result_int()), res.body(),
                std::string(res[http::field::set_cookie])};
    }

    Reply Ask(http::verb verb, const std::string& target,
              const std::map<std::string, std::string>& headers = {}) {
        tcp::socket socket = Connect();
        return Ask(socket, verb, target, headers);
    }

    static std::map<std::string, std::string> Bearer(const std::string& key = kKey) {
        return {{"Authorization", "Bearer " + key}};
    }

    // A live socket with the key, or the handshake's failure.
    std::unique_ptr<websocket::stream<tcp::socket>> Live(const std::string& origin,
                                                         beast::error_code& ec,
                                                         const std::string& target = "/api/live") {
        auto ws = std::make_unique<websocket::stream<tcp::socket>>(Connect());
        ws->set_option(websocket::stream_base::decorator([origin](websocket::request_type& req) {
            req.set(http::field::authorization, "Bearer " + kKey);
            if (!origin.empty())
                req.set(http::field::origin, origin);
        }));
        ws->handshake(Host(), target, ec);
        return ws;
    }

    static nlohmann::json Json(const std::string& text) {
        return nlohmann::json::parse(text, nullptr, false);
    }

    asio::io_context ioc_;
    FakeProgram program_; // outlives the server: its thread calls the server
    RemoteServer server_{program_};
    std::uint16_t port_ = 0;
};

TEST_F(RemoteServerTest, KeyRulesCommandsAndAnswers) {
    EXPECT_EQ(Ask(http::verb::get, "/api/state").status, 401);
    EXPECT_EQ(Ask(http::verb::post, "/api/play").status, 401);
    EXPECT_EQ(Ask(http::verb::post, "/api/play", Bearer("ffeeddccbbaa99887766554433221100"))
                  .status,
              401);
    EXPECT_EQ(program_.Seen(), 0U) << "nothing happens without the key";

    const Reply state = Ask(http::verb::get, "/api/state", Bearer());
    EXPECT_EQ(state.status, 200);
    EXPECT_EQ(Json(state.body)["direction"], "forward");
    EXPECT_EQ(Ask(http::verb::get, "/api/state?key=" + kKey).status, 200);
    EXPECT_EQ(Ask(http::verb::get, "/api/state", {{"Cookie", "cuecraft_key=" + kKey}}).status, 200);

    const Reply pause = Ask(http::verb::post, "/api/pause", Bearer());
    EXPECT_EQ(pause.status, 200);
    EXPECT_EQ(Json(pause.body)["result"], "applied");
    ASSERT_EQ(program_.Seen(), 1U);
    EXPECT_EQ(program_.WaitCommand(0)->command, RemoteCommand::Pause);

    const Reply delay = Ask(http::verb::post, "/api/delay/7", Bearer());
    EXPECT_EQ(delay.status, 200);
    EXPECT_EQ(Json(delay.body)["delay"], 7) << "the answer shows the state the command left";
    EXPECT_EQ(Ask(http::verb::post, "/api/delay/31", Bearer()).status, 400);
    EXPECT_EQ(Ask(http::verb::get, "/api/nothing", Bearer()).status, 404);
    EXPECT_EQ(Ask(http::verb::get, "/etc/passwd", Bearer()).status, 404);

    program_.TakeAs(RemoteOutcome::NotApplicable);
    const Reply resume = Ask(http::verb::post, "/api/resume", Bearer());
    EXPECT_EQ(resume.status, 200);
    EXPECT_EQ(Json(resume.body)["result"], "not applicable");
    EXPECT_EQ(Json(resume.body)["reason"], "Nothing is playing");
    program_.TakeAs(RemoteOutcome::Busy);
    EXPECT_EQ(Ask(http::verb::post, "/api/play", Bearer()).status, 409);
    program_.TakeAs(RemoteOutcome::Applied, true);
    EXPECT_EQ(Ask(http::verb::post, "/api/stop", Bearer()).status, 503);

    // The page: the key field without the key, the whole page (and the
    // cookie) with it.
    const Reply keyPage = Ask(http::verb::get, "/");
    EXPECT_EQ(keyPage.status, 200);
    EXPECT_NE(keyPage.body.find("name=\"key\""), std::string::npos);
    EXPECT_EQ(keyPage.body.find("id=\"play\""), std::string::npos);
    EXPECT_TRUE(keyPage.cookie.empty());
    const Reply paired = Ask(http::verb::get, "/?key=" + kKey);
    EXPECT_NE(paired.body.find("id=\"play\""), std::string::npos);
    EXPECT_EQ(paired.cookie, "cuecraft_key=" + kKey + "; Path=/; HttpOnly; SameSite=Strict");
    EXPECT_NE(paired.body.find("history.replaceState"), std::string::npos);

    // Five wrong keys (the one above and four more) shut this address out,
    // the right key too.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Ask(http::verb::get, "/api/state?key=wrong" + std::to_string(i)).status, 401);
    EXPECT_EQ(Ask(http::verb::get, "/api/state", Bearer()).status, 429);
}

TEST_F(RemoteServerTest, RefusesOtherHostsAndOtherSites) {
    auto asHost = [&](const std::string& host) {
        return Ask(http::verb::get, "/api/state", {{"Authorization", "Bearer " + kKey},
                                                  {"Host", host}})
            .status;
    };
    EXPECT_EQ(asHost("evil.example:" + std::to_string(port_)), 403);
    EXPECT_EQ(asHost("localhost:" + std::to_string(port_)), 200);
    EXPECT_EQ(asHost("[::1]:" + std::to_string(port_)), 200);

    auto postFrom = [&](const std::string& origin) {
        return Ask(http::verb::post, "/api/faster",
                   {{"Authorization", "Bearer " + kKey}, {"Origin", origin}})
            .status;
    };
    EXPECT_EQ(postFrom("http://evil.example"), 403);
    EXPECT_EQ(postFrom("http://127.0.0.1:" + std::to_string(port_ + 1)), 403);
    const std::size_t before = program_.Seen();
    EXPECT_EQ(postFrom("http://127.0.0.1:" + std::to_string(port_)), 200);
    EXPECT_EQ(program_.Seen(), before + 1) << "only the own origin's command arrived";

    beast::error_code ec;
    Live("http://evil.example", ec);
    EXPECT_EQ(ec, websocket::error::upgrade_declined);
    Live("http://127.0.0.1:" + std::to_string(port_), ec);
    EXPECT_FALSE(ec) << ec.message();
}

TEST_F(RemoteServerTest, KeepsItsLimits) {
    // 32 connections kept open; the 33rd is closed unanswered.
    std::vector<tcp::socket> open;
    for (int i = 0; i < 32; ++i) {
        open.push_back(Connect());
        ASSERT_EQ(Ask(open.back(), http::verb::get, "/api/state", Bearer()).status, 200) << i;
    }
    EXPECT_EQ(Ask(http::verb::get, "/api/state", Bearer()).status, 0);
    open.clear();

    // Headers over 8 KB: refused, whatever else they say. (Connections the
    // server has not yet seen close may still count for a moment.)
    Reply big;
    for (int tries = 0; tries < 50 && big.status == 0; ++tries) {
        big = Ask(http::verb::get, "/api/state",
                  {{"Authorization", "Bearer " + kKey}, {"X-Padding", std::string(9000, 'a')}});
        if (big.status == 0)
            std::this_thread::sleep_for(20ms);
    }
    EXPECT_EQ(big.status, 431);
}

TEST_F(RemoteServerTest, ADroppedOrSilentDeviceRunningBackwardPauses) {
    beast::error_code ec;
    auto ws = Live("", ec);
    ASSERT_FALSE(ec) << ec.message();
    beast::flat_buffer buffer;
    ws->read(buffer);
    EXPECT_EQ(Json(beast::buffers_to_string(buffer.data()))["playing"], false);
    EXPECT_EQ(server_.ConnectedDevices(), 1);
    RemoteState changed;
    changed.playing = true;
    changed.line = 42;
    server_.PublishState(changed);
    buffer.clear();
    ws->read(buffer);
    EXPECT_EQ(Json(beast::buffers_to_string(buffer.data()))["line"], 42) << "a change goes out";

    ws->write(asio::buffer(std::string(R"({"command":"backward"})")));
    const auto backward = program_.WaitCommand(0);
    ASSERT_TRUE(backward);
    EXPECT_EQ(backward->command, RemoteCommand::Backward);
    EXPECT_NE(backward->session, 0U);
    // Gone without a word: the socket is cut, no closing handshake.
    ws->next_layer().close();
    const auto pause = program_.WaitCommand(1);
    ASSERT_TRUE(pause) << "no pause after the device dropped";
    EXPECT_EQ(pause->command, RemoteCommand::Pause);
    EXPECT_EQ(pause->session, backward->session);

    // Still connected but silent while backward.
    auto quiet = Live("", ec);
    ASSERT_FALSE(ec) << ec.message();
    quiet->write(asio::buffer(std::string(R"({"command":"backward"})")));
    ASSERT_TRUE(program_.WaitCommand(2));
    const auto silencePause = program_.WaitCommand(3);
    ASSERT_TRUE(silencePause) << "no pause after the device fell silent";
    EXPECT_EQ(silencePause->command, RemoteCommand::Pause);
}

TEST_F(RemoteServerTest, StopClosesEveryConnectionAndFreesThePort) {
    beast::error_code ec;
    auto ws = Live("", ec);
    ASSERT_FALSE(ec) << ec.message();
    tcp::socket idle = Connect();
    ASSERT_EQ(Ask(idle, http::verb::get, "/api/state", Bearer()).status, 200);

    // A second server cannot have the port, and says which and why.
    FakeProgram otherProgram;
    RemoteServer other(otherProgram);
    RemoteSettings same;
    same.port = port_;
    same.accessKey = kKey;
    EXPECT_EQ(other.Start(same), "Port " + std::to_string(port_) + " is in use by another program");
    EXPECT_FALSE(other.Running());

    beast::flat_buffer buffer;
    ws->read(buffer, ec);
    ASSERT_FALSE(ec) << "the state comes first";
    buffer.clear();

    server_.Stop();
    EXPECT_FALSE(server_.Running());
    ws->read(buffer, ec);
    EXPECT_TRUE(ec) << "the live socket is closed";
    char byte = 0;
    idle.read_some(asio::buffer(&byte, 1), ec);
    EXPECT_TRUE(ec) << "the idle connection is closed";
    EXPECT_EQ(server_.ConnectedDevices(), 0);
    EXPECT_EQ(other.Start(same), "") << "the port is free again";
}

TEST_F(RemoteServerTest, SwitchingOffWhileADeviceRunsBackwardPauses) {
    beast::error_code ec;
    auto ws = Live("", ec);
    ASSERT_FALSE(ec) << ec.message();
    ws->write(asio::buffer(std::string(R"({"command":"backward"})")));
    ASSERT_TRUE(program_.WaitCommand(0));
    ws->write(asio::buffer(std::string(R"({"command":"alive"})")));
    server_.Stop();
    const auto pause = program_.WaitCommand(1);
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->command, RemoteCommand::Pause);
}

TEST_F(RemoteServerTest, ListensOnLoopbackOnlyUnlessTheNetworkIsChosen) {
    auto has = [](const std::vector<std::string>& list, const std::string& item) {
        return std::find(list.begin(), list.end(), item) != list.end();
    };
    const std::vector<std::string> local = server_.ListenAddresses();
    EXPECT_TRUE(has(local, "127.0.0.1"));
    for (const std::string& address : local)
        EXPECT_TRUE(address == "127.0.0.1" || address == "::1") << address;
    EXPECT_EQ(server_.PhoneAddresses(),
              std::vector<std::string>{"http://127.0.0.1:" + std::to_string(port_) + "/"});

    RemoteSettings network;
    network.network = true;
    network.port = 0;
    network.accessKey = kKey;
    ASSERT_EQ(server_.Start(network), "");
    port_ = server_.Port();
    const std::vector<std::string> all = server_.ListenAddresses();
    EXPECT_TRUE(has(all, "0.0.0.0"));
    for (const std::string& address : all)
        EXPECT_TRUE(address == "0.0.0.0" || address == "::") << address;
    EXPECT_FALSE(server_.PhoneAddresses().empty());
    // Reached, as every test, over loopback only.
    EXPECT_EQ(Ask(http::verb::get, "/api/state", Bearer()).status, 200);
}

} // namespace

// A talent view: the page under the same key rules as the remote's, and on
// its live socket the lines at once and each reading of the position as it
// is published, unthrottled, while /api/state tells the rows as they are now.
TEST_F(RemoteServerTest, TalentViewsGetTheLinesAndEveryPosition) {
    const Reply keyPage = Ask(http::verb::get, "/prompter");
    EXPECT_EQ(keyPage.status, 200);
    EXPECT_EQ(keyPage.body.find("talentRows"), std::string::npos) << "only the key field";
    EXPECT_EQ(Ask(http::verb::get, "/prompter?key=wrong").status, 401);
    const Reply paired = Ask(http::verb::get, "/prompter?key=" + kKey);
    EXPECT_EQ(paired.status, 200);
    EXPECT_NE(paired.body.find("talentRows"), std::string::npos);
    EXPECT_NE(paired.cookie.find("cuecraft_key=" + kKey), std::string::npos);

    auto script = std::make_shared<TalentScript>();
    script->lines = {"one", "two", "three"};
    script->first = 1;
    server_.PublishScript(script);
    beast::error_code ec;
    auto ws = Live("", ec, "/api/live?view=prompter");
    ASSERT_FALSE(ec) << ec.message();
    auto next = [&] {
        beast::flat_buffer buffer;
        ws->read(buffer);
        return Json(beast::buffers_to_string(buffer.data()));
    };
    const auto lines = next();
    EXPECT_EQ(lines["type"], "script");
    EXPECT_EQ(lines["lines"], nlohmann::json::parse(R"(["one","two","three"])"));
    EXPECT_EQ(lines["first"], 1);
    EXPECT_EQ(next()["type"], "position");

    // Readings closer together than the state's pace all arrive, in order.
    RemoteState state;
    state.playing = true;
    state.stepMs = 15;
    for (int rows : {39, 78, 117}) {
        state.rows = rows;
        state.atMs = SteadyMs();
        server_.PublishState(state);
        const auto position = next();
        EXPECT_EQ(position["rows"], rows);
        EXPECT_EQ(position["stepMs"], 15);
        EXPECT_TRUE(position["running"]);
        EXPECT_GE(position["age"].get<int>(), 0);
        EXPECT_LT(position["age"].get<int>(), 10000);
    }
    script->lines.push_back("four");
    server_.PublishScript(script);
    EXPECT_EQ(next()["lines"].size(), 4U) << "a change of the lines goes out";

    program_.rows = 123;
    EXPECT_EQ(Json(Ask(http::verb::get, "/api/state", Bearer()).body)["rows"], 123)
        << "the rows as they are now, not as last published";
}
