#include "remote/RemoteServer.h"

#include <algorithm>
#include <utility>

#include <boost/asio/ip/host_name.hpp>
#include <boost/asio/ip/v6_only.hpp>
#include <boost/asio/post.hpp>

#include "remote/RemoteEngine.h"
#include "remote/RemoteJson.h"

using namespace remote_net;

Engine::Engine(Shared& shared, std::string key) : shared_(shared), key_(std::move(key)) {}

Engine::~Engine() {
    ioc_.stop();
    if (thread_.joinable()) {
        thread_.join();
    }
    // A device running the text backward when the remote goes off would
    // leave it running: it pauses, as when the device drops.
    for (const auto& weak : lives_) {
        const auto session = weak.lock();
        if (session && session->RunsBackward()) {
            PauseFor(session->Id());
        }
    }
    // Sessions held by pending handlers go with the io_context; what else
    // holds one goes first.
    waiters_.clear();
    lives_.clear();
    acceptors_.clear();
}

boost::system::error_code Engine::Listen(const tcp::endpoint& endpoint) {
    boost::system::error_code ec;
    tcp::acceptor acceptor(ioc_);
    acceptor.open(endpoint.protocol(), ec);
    if (ec) {
        return ec;
    }
#ifndef _WIN32
    // A restart finds the port free although old connections linger. On
    // Windows this option would let another program take the port from us,
    // and the exclusive one would keep us out of our own port after a restart.
    acceptor.set_option(asio::socket_base::reuse_address(true), ec);
#endif
    if (endpoint.address().is_v6()) {
        acceptor.set_option(asio::ip::v6_only(true), ec);
    }
    acceptor.bind(endpoint, ec);
    if (!ec) {
        acceptor.listen(asio::socket_base::max_listen_connections, ec);
    }
    if (!ec) {
        acceptors_.push_back(std::move(acceptor));
    }
    return ec;
}

std::uint16_t Engine::BoundPort() const {
    boost::system::error_code ec;
    return acceptors_.empty() ? 0 : acceptors_.front().local_endpoint(ec).port();
}

std::vector<std::string> Engine::ListenAddresses() const {
    std::vector<std::string> out;
    for (const tcp::acceptor& acceptor : acceptors_) {
        boost::system::error_code ec;
        out.push_back(acceptor.local_endpoint(ec).address().to_string());
    }
    return out;
}

void Engine::Run() {
    for (tcp::acceptor& acceptor : acceptors_) {
        Accept(acceptor);
    }
    thread_ = std::thread([this] { ioc_.run(); });
}

void Engine::Accept(tcp::acceptor& acceptor) {
    acceptor.async_accept([this, &acceptor](beast::error_code ec, tcp::socket socket) {
        if (ec == asio::error::operation_aborted || !acceptor.is_open()) {
            return;
        }
        if (!ec) {
            Accepted(std::move(socket));
        }
        Accept(acceptor);
    });
}

void Engine::Accepted(tcp::socket socket) {
    if (*shared_.connections >= kMaxConnections) {
        boost::system::error_code ignored;
        socket.close(ignored);
        return;
    }
    boost::system::error_code ignored;
    socket.set_option(tcp::no_delay(true), ignored);
    StartHttpSession(std::move(socket), *this, CountToken(shared_.connections));
}

void Engine::Command(RemoteRequest request, Answer answer) {
    const RemoteState state = shared_.State();
    if (state.modal) {
        const RemoteResult busy{0, RemoteOutcome::Busy, "A dialog of the prompter is open"};
        answer(http::status::conflict, CommandAnswerJson(state, busy));
        return;
    }
    request.id = ++shared_.nextId;
    if (!shared_.host.PostCommand(request)) {
        answer(http::status::service_unavailable, ErrorJson("The prompter did not take the command"));
        return;
    }
    auto timer = std::make_shared<asio::steady_timer>(ioc_, kAnswerTime);
    const std::uint64_t id = request.id;
    timer->async_wait([this, id](beast::error_code ec) {
        if (!ec) {
            Expire(id);
        }
    });
    waiters_.emplace(id, Waiter{std::move(timer), std::move(answer)});
}

void Engine::Expire(std::uint64_t id) {
    const auto it = waiters_.find(id);
    if (it == waiters_.end()) {
        return;
    }
    Answer answer = std::move(it->second.answer);
    waiters_.erase(it);
    answer(http::status::service_unavailable, ErrorJson("The prompter did not answer in time"));
}

void Engine::Deliver(const RemoteResult& result) {
    const auto it = waiters_.find(result.id);
    if (it == waiters_.end()) {
        return; // too late, or a pause of our own
    }
    it->second.timer->cancel();
    Answer answer = std::move(it->second.answer);
    waiters_.erase(it);
    const http::status status =
        result.outcome == RemoteOutcome::Busy ? http::status::conflict : http::status::ok;
    answer(status, CommandAnswerJson(shared_.State(), result));
}

void Engine::PauseFor(std::uint64_t session) {
    RemoteRequest request;
    request.id = ++shared_.nextId;
    request.command = RemoteCommand::Pause;
    request.session = session;
    shared_.host.PostCommand(request);
}

void Engine::AddLive(const std::shared_ptr<LiveSession>& session) {
    lives_.erase(std::remove_if(lives_.begin(), lives_.end(),
                                [](const auto& weak) { return weak.expired(); }),
                 lives_.end());
    lives_.push_back(session);
}

void Engine::NotifyState() {
    if (!notifyPending_.exchange(true)) {
        asio::post(ioc_, [this] { StateChanged(); });
    }
}

// Changes closer together than the interval go out as one, the latest.
void Engine::StateChanged() {
    notifyPending_ = false;
    SendPositions();
    if (broadcastArmed_) {
        return;
    }
    const auto due = lastBroadcast_ + kStateInterval;
    if (std::chrono::steady_clock::now() >= due) {
        Broadcast();
        return;
    }
    broadcastArmed_ = true;
    broadcastTimer_.expires_at(due);
    broadcastTimer_.async_wait([this](beast::error_code ec) {
        broadcastArmed_ = false;
        if (!ec) {
            Broadcast();
        }
    });
}

void Engine::Broadcast() {
    lastBroadcast_ = std::chrono::steady_clock::now();
    std::string json = StateJson(shared_.State());
    if (json == lastState_) {
        return;
    }
    lastState_ = json;
    SendTo([](const LiveSession& s) { return !s.Talent(); }, json);
}

template <class Pick> void Engine::SendTo(Pick pick, const std::string& message) {
    for (const auto& weak : lives_) {
        const auto session = weak.lock();
        if (session && pick(*session)) {
            session->Send(message);
        }
    }
}

namespace {
std::int64_t AgeMs(const RemoteState& state) {
    return SteadyMs() - state.atMs;
}
} // namespace

// Talent views extrapolate from each reading: it goes out at once, with
// how old it is, rather than at the state's pace.
void Engine::SendPositions() {
    const RemoteState state = shared_.State();
    std::string same = PositionJson(state, 0);
    if (same == lastPosition_) {
        return;
    }
    lastPosition_ = std::move(same);
    SendTo([](const LiveSession& s) { return s.Talent(); }, PositionJson(state, AgeMs(state)));
}

void Engine::NotifyScript() {
    asio::post(ioc_, [this] { SendScript(); });
}

void Engine::SendScript() {
    const auto script = shared_.Script();
    std::string json = script ? ScriptJson(*script) : std::string();
    if (json == scriptJson_) {
        return;
    }
    scriptJson_ = std::move(json);
    if (!scriptJson_.empty()) {
        SendTo([](const LiveSession& s) { return s.Talent(); }, scriptJson_);
    }
}

void Engine::Greet(LiveSession& session) {
    if (scriptJson_.empty()) {
        const auto script = shared_.Script();
        scriptJson_ = script ? ScriptJson(*script) : std::string();
    }
    if (!scriptJson_.empty()) {
        session.Send(scriptJson_);
    }
    const RemoteState state = shared_.State();
    session.Send(PositionJson(state, AgeMs(state)));
}

// ---- The server's face ----

namespace {

// The machine's own addresses, as its name resolves; no network traffic
// beyond the system's own name lookup.
std::vector<std::string> MachineAddresses(const std::string& hostName) {
    std::vector<std::string> out;
    asio::io_context ioc;
    tcp::resolver resolver(ioc);
    boost::system::error_code ec;
    const auto results = resolver.resolve(hostName, "", ec);
    if (ec) {
        return out;
    }
    for (const auto& entry : results) {
        asio::ip::address address = entry.endpoint().address();
        if (address.is_v6() && address.to_v6().is_link_local()) {
            continue; // needs a scope a phone's browser cannot give
        }
        const std::string text = address.to_string();
        if (std::find(out.begin(), out.end(), text) == out.end()) {
            out.push_back(text);
        }
    }
    return out;
}

std::string UrlOf(const std::string& address, std::uint16_t port) {
    const bool v6 = address.find(':') != std::string::npos;
    return "http://" + (v6 ? "[" + address + "]" : address) + ":" + std::to_string(port) + "/";
}

std::string WhyNot(std::uint16_t port, const boost::system::error_code& ec) {
    const std::string name = "Port " + std::to_string(port);
    if (ec == asio::error::address_in_use) {
        return name + " is in use by another program";
    }
    if (ec == asio::error::access_denied) {
        return name + " may not be opened by this program (access denied)";
    }
    return name + " cannot be opened: " + ec.message();
}

} // namespace

struct RemoteServer::Impl {
    explicit Impl(RemoteHost& host) : shared(host) {}
    Shared shared;
    // Start and Stop against PublishState and CommandDone, should they come
    // from another thread; the network thread never takes it.
    mutable std::mutex engineMutex;
    std::unique_ptr<Engine> engine;
    std::vector<std::string> phoneAddresses;
    std::uint16_t port = 0;
};

RemoteServer::RemoteServer(RemoteHost& host) : impl_(std::make_unique<Impl>(host)) {}

RemoteServer::~RemoteServer() { Stop(); }

std::string RemoteServer::Start(const RemoteSettings& settings) {
    Stop();
    std::lock_guard lock(impl_->engineMutex);
    boost::system::error_code nameError;
    const std::string hostName = asio::ip::host_name(nameError);
    const std::vector<std::string> addresses =
        settings.network ? MachineAddresses(hostName) : std::vector<std::string>{};

    auto engine = std::make_unique<Engine>(impl_->shared, settings.accessKey);
    const asio::ip::address v4 = settings.network ? asio::ip::address(asio::ip::address_v4::any())
                                                   : asio::ip::address(asio::ip::address_v4::loopback());
    const asio::ip::address v6 = settings.network ? asio::ip::address(asio::ip::address_v6::any())
                                                   : asio::ip::address(asio::ip::address_v6::loopback());
    if (const auto ec = engine->Listen({v4, settings.port})) {
        return WhyNot(settings.port, ec);
    }
    // The port IPv4 got (the settings' own, unless 0) is IPv6's too; a
    // machine without IPv6 still serves on IPv4.
    const std::uint16_t port = engine->BoundPort();
    (void)engine->Listen({v6, port});
    engine->SetRules(MachineHostRules(port, hostName, addresses));
    engine->Run();

    impl_->port = port;
    impl_->phoneAddresses.clear();
    for (const std::string& address : addresses) {
        const auto parsed = asio::ip::make_address(address);
        if (!parsed.is_loopback()) {
            impl_->phoneAddresses.push_back(UrlOf(address, port));
        }
    }
    if (impl_->phoneAddresses.empty()) {
        impl_->phoneAddresses.push_back(UrlOf("127.0.0.1", port));
    }
    impl_->engine = std::move(engine);
    return {};
}

void RemoteServer::Stop() {
    std::unique_ptr<Engine> engine;
    {
        std::lock_guard lock(impl_->engineMutex);
        engine = std::move(impl_->engine);
        impl_->phoneAddresses.clear();
        impl_->port = 0;
    }
    // Outside the lock: the engine's last pauses go to the host, which may
    // be answering through CommandDone right now.
    engine.reset();
}

bool RemoteServer::Running() const {
    std::lock_guard lock(impl_->engineMutex);
    return impl_->engine != nullptr;
}

std::vector<std::string> RemoteServer::ListenAddresses() const {
    std::lock_guard lock(impl_->engineMutex);
    return impl_->engine ? impl_->engine->ListenAddresses() : std::vector<std::string>{};
}

std::uint16_t RemoteServer::Port() const {
    std::lock_guard lock(impl_->engineMutex);
    return impl_->port;
}

std::vector<std::string> RemoteServer::PhoneAddresses() const {
    std::lock_guard lock(impl_->engineMutex);
    return impl_->phoneAddresses;
}

int RemoteServer::ConnectedDevices() const { return *impl_->shared.devices; }

void RemoteServer::PublishState(const RemoteState& state) {
    {
        std::lock_guard lock(impl_->shared.mutex);
        impl_->shared.state = state;
    }
    std::lock_guard lock(impl_->engineMutex);
    if (impl_->engine) {
        impl_->engine->NotifyState();
    }
}

void RemoteServer::PublishScript(std::shared_ptr<const TalentScript> script) {
    {
        std::lock_guard lock(impl_->shared.mutex);
        impl_->shared.script = std::move(script);
    }
    std::lock_guard lock(impl_->engineMutex);
    if (impl_->engine) {
        impl_->engine->NotifyScript();
    }
}

void RemoteServer::CommandDone(const RemoteResult& result) {
    std::lock_guard lock(impl_->engineMutex);
    if (impl_->engine) {
        Engine* engine = impl_->engine.get();
        asio::post(engine->Io(), [engine, result] { engine->Deliver(result); });
    }
}
