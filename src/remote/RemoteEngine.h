#pragma once
// The network side of the remote control, shared by the server and its
// sessions. Only the remote's own Boost files include this.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include "remote/RemoteAccess.h"
#include "remote/RemoteTypes.h"

namespace remote_net {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

inline constexpr int kMaxConnections = 32;
inline constexpr std::size_t kHeaderLimit = 8 * 1024;
inline constexpr std::size_t kBodyLimit = 4 * 1024;
inline constexpr std::size_t kMessageLimit = 4 * 1024;
inline constexpr auto kHeaderTime = std::chrono::seconds(10);
inline constexpr auto kIdleTime = std::chrono::seconds(60);
inline constexpr auto kAnswerTime = std::chrono::seconds(2);
// A device running the text backward that is silent this long is gone.
inline constexpr auto kBackwardSilence = std::chrono::seconds(1);
// At most ten state messages a second.
inline constexpr auto kStateInterval = std::chrono::milliseconds(100);

// One live count (connections, devices): held while a session lives.
class CountToken {
  public:
    explicit CountToken(std::shared_ptr<std::atomic<int>> count) : count_(std::move(count)) {
        ++*count_;
    }
    CountToken(CountToken&&) = default;
    CountToken& operator=(CountToken&&) = delete;
    CountToken(const CountToken&) = delete;
    ~CountToken() {
        if (count_) {
            --*count_;
        }
    }

  private:
    std::shared_ptr<std::atomic<int>> count_;
};

// What the GUI thread and the network thread share; it outlives every
// session.
struct Shared {
    explicit Shared(RemoteHost& h) : host(h) {}
    RemoteState State() {
        std::lock_guard lock(mutex);
        return state;
    }
    // The state with the rows as they stand now, where the host can tell.
    RemoteState StateNow() {
        RemoteState now = State();
        if (const auto rows = host.LiveRows()) {
            now.rows = *rows;
        }
        return now;
    }
    std::shared_ptr<const TalentScript> Script() {
        std::lock_guard lock(mutex);
        return script;
    }

    RemoteHost& host;
    std::mutex mutex;
    RemoteState state;
    std::shared_ptr<const TalentScript> script; // under mutex
    std::atomic<std::uint64_t> nextId{0};
    std::shared_ptr<std::atomic<int>> connections = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<int>> devices = std::make_shared<std::atomic<int>>(0);
};

class LiveSession;

// A command's answer: the HTTP status and the JSON body.
using Answer = std::function<void(http::status, std::string)>;

// One run of the server: its io_context, thread and listeners. Everything
// but the io_context and the atomics is touched only on its own thread.
class Engine {
  public:
    Engine(Shared& shared, std::string key);
    ~Engine(); // stops the thread; every connection closes with the io_context
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Before Run: a listener on the endpoint; the error when it cannot be.
    boost::system::error_code Listen(const tcp::endpoint& endpoint);
    std::uint16_t BoundPort() const;
    std::vector<std::string> ListenAddresses() const;
    void SetRules(HostRules rules) { rules_ = std::move(rules); }
    void Run();

    asio::io_context& Io() { return ioc_; }
    Shared& shared() { return shared_; }
    const HostRules& Rules() const { return rules_; }
    const std::string& Key() const { return key_; }
    WrongKeyLimiter& Limiter() { return limiter_; }

    // Network thread.
    void Command(RemoteRequest request, Answer answer);
    void Deliver(const RemoteResult& result);
    void PauseFor(std::uint64_t session);
    void AddLive(const std::shared_ptr<LiveSession>& session);
    std::uint64_t NewSessionId() { return ++nextSession_; }

    // GUI thread: the published state changed.
    void NotifyState();
    // GUI thread: the display lines or their look changed.
    void NotifyScript();
    // Network thread: what a talent view gets on arrival.
    void Greet(LiveSession& session);

  private:
    struct Waiter {
        std::shared_ptr<asio::steady_timer> timer;
        Answer answer;
    };
    void Accept(tcp::acceptor& acceptor);
    void Accepted(tcp::socket socket);
    void Expire(std::uint64_t id);
    void StateChanged();
    void Broadcast();
    void SendPositions();
    void SendScript();
    template <class Pick> void SendTo(Pick pick, const std::string& message);

    asio::io_context ioc_; // first: destroyed last, with the handlers that hold sessions
    Shared& shared_;
    HostRules rules_;
    std::string key_;
    WrongKeyLimiter limiter_;
    std::list<tcp::acceptor> acceptors_;
    std::map<std::uint64_t, Waiter> waiters_;
    std::vector<std::weak_ptr<LiveSession>> lives_;
    asio::steady_timer broadcastTimer_{ioc_};
    bool broadcastArmed_ = false;
    std::chrono::steady_clock::time_point lastBroadcast_{};
    std::string lastState_;
    std::string lastPosition_;
    std::string scriptJson_;
    std::atomic<bool> notifyPending_{false};
    std::uint64_t nextSession_ = 0;
    std::thread thread_;
};

// A connection's HTTP side, from its first byte: reads requests and hands
// each to the routing, until it closes or becomes a live socket.
void StartHttpSession(tcp::socket socket, Engine& engine, CountToken token);

// A live socket (/api/live): the state at every change, commands back.
class LiveSession : public std::enable_shared_from_this<LiveSession> {
  public:
    // A talent view gets the lines and every position, the remote page the state.
    LiveSession(beast::tcp_stream&& stream, Engine& engine, CountToken token, bool talent);
    void Accept(http::request<http::string_body> request);
    // Queues a message; a client too slow to take its queue is dropped.
    void Send(std::string message);
    std::uint64_t Id() const { return id_; }
    bool RunsBackward() const { return backward_; }
    bool Talent() const { return talent_; }

  private:
    void Accepted(beast::error_code ec);
    void Read();
    void Received(beast::error_code ec);
    void Take(const std::string& message);
    void ArmSilence();
    void Gone();
    void Write();
    void Written(beast::error_code ec);

    websocket::stream<beast::tcp_stream> ws_;
    beast::flat_buffer buffer_;
    Engine& engine_;
    CountToken connection_;
    CountToken device_;
    std::uint64_t id_;
    std::deque<std::string> queue_;
    asio::steady_timer silence_;
    bool backward_ = false; // this device has the text running backward
    bool talent_ = false;
};

} // namespace remote_net
