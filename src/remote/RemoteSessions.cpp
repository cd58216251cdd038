#include <optional>
#include <utility>

#include "remote/RemoteEngine.h"
#include "remote/RemoteJson.h"
#include "remote/RemotePage.h"
#include "remote/RemoteRoutes.h"
#include "remote/TalentPage.h"

using namespace remote_net;

namespace {

using Request = http::request<http::string_body>;
using Response = http::response<http::string_body>;

Response MakeResponse(http::status status, unsigned version, std::string_view type,
                      std::string body) {
    Response res{status, version};
    res.set(http::field::content_type, type);
    res.set(http::field::cache_control, "no-store");
    res.set("X-Content-Type-Options", "nosniff");
    res.set("Referrer-Policy", "no-referrer");
    res.body() = std::move(body);
    return res;
}

Response JsonResponse(http::status status, unsigned version, std::string body) {
    return MakeResponse(status, version, "application/json", std::move(body));
}

Response ErrorResponse(http::status status, unsigned version, const std::string& message) {
    Response res = JsonResponse(status, version, ErrorJson(message));
    if (status == http::status::unauthorized) {
        res.set(http::field::www_authenticate, "Bearer");
    }
    return res;
}

Response PageResponse(http::status status, unsigned version, std::string_view html) {
    Response res = MakeResponse(status, version, "text/html; charset=utf-8", std::string(html));
    res.set("Content-Security-Policy", "default-src 'none'; style-src 'unsafe-inline'; "
                                       "script-src 'unsafe-inline'; connect-src 'self'; "
                                       "form-action 'self'; frame-ancestors 'none'");
    res.set("X-Frame-Options", "DENY");
    return res;
}

// A request's key against the server's: none, wrong or right.
enum class KeyCheck { None, Wrong, Right };

class HttpSession : public std::enable_shared_from_this<HttpSession> {
  public:
    HttpSession(tcp::socket socket, Engine& engine, CountToken token)
        : stream_(std::move(socket)), engine_(engine), token_(std::move(token)) {
        boost::system::error_code ec;
        address_ = stream_.socket().remote_endpoint(ec).address().to_string();
    }

    void Read() {
        parser_.emplace();
        parser_->header_limit(kHeaderLimit);
        parser_->body_limit(kBodyLimit);
        stream_.expires_after(kHeaderTime);
        http::async_read(stream_, buffer_, *parser_,
                         [self = shared_from_this()](beast::error_code ec, std::size_t) {
                             self->Received(ec);
                         });
    }

  private:
    // Between requests a connection may idle; its next request, once begun,
    // has the header time again.
    void WaitForNext() {
        if (buffer_.size() > 0) {
            Read();
            return;
        }
        stream_.expires_after(kIdleTime);
        stream_.async_read_some(buffer_.prepare(1024),
                                [self = shared_from_this()](beast::error_code ec, std::size_t n) {
                                    if (ec) {
                                        self->Close();
                                        return;
                                    }
                                    self->buffer_.commit(n);
                                    self->Read();
                                });
    }

    void Received(beast::error_code ec) {
        if (ec == http::error::header_limit) {
            Reply(ErrorResponse(http::status::request_header_fields_too_large, 11,
                                "Headers too large"), false);
            return;
        }
        if (ec == http::error::body_limit) {
            Reply(ErrorResponse(http::status::payload_too_large, 11, "Body too large"), false);
            return;
        }
        if (ec) {
            Close(); // the peer left, was too slow, or sent no HTTP
            return;
        }
        Handle(parser_->release());
    }

    KeyCheck CheckKey(const Request& req) {
        const std::string key = KeyOfRequest(req[http::field::authorization], req.target(),
                                             req[http::field::cookie]);
        if (key.empty()) {
            return KeyCheck::None;
        }
        if (KeysEqual(key, engine_.Key())) {
            return KeyCheck::Right;
        }
        engine_.Limiter().Wrong(address_, std::chrono::steady_clock::now());
        return KeyCheck::Wrong;
    }

    // The one routing of a finished request: who asks, then what.
    void Handle(Request req) {
        const unsigned v = req.version();
        const bool keep = req.keep_alive();
        if (!HostAllowed(engine_.Rules(), req[http::field::host])) {
            Reply(ErrorResponse(http::status::forbidden, v, "Unknown host"), keep);
            return;
        }
        if (engine_.Limiter().Blocked(address_, std::chrono::steady_clock::now())) {
            Reply(ErrorResponse(http::status::too_many_requests, v, "Too many wrong keys"), false);
            return;
        }
        const Route route = RouteOf(std::string_view(req.method_string()), req.target());
        if (route.kind == RouteKind::NotFound) {
            Reply(ErrorResponse(http::status::not_found, v, "Not found"), keep);
            return;
        }
        if (route.kind == RouteKind::WrongMethod) {
            Reply(ErrorResponse(http::status::method_not_allowed, v, "Method not allowed"), keep);
            return;
        }
        const bool acts = req.method() == http::verb::post || route.kind == RouteKind::Live;
        if (acts && !OriginAllowed(engine_.Rules(), req[http::field::origin])) {
            Reply(ErrorResponse(http::status::forbidden, v, "Another site may not steer"), keep);
            return;
        }
        const KeyCheck key = CheckKey(req);
        if (route.kind == RouteKind::Page || route.kind == RouteKind::Prompter) {
            ServePage(req, key, route.kind == RouteKind::Page ? RemotePageHtml() : TalentPageHtml());
            return;
        }
        if (key != KeyCheck::Right) {
            Reply(ErrorResponse(http::status::unauthorized, v, "Access key needed"), keep);
            return;
        }
        switch (route.kind) {
        case RouteKind::State:
            Reply(JsonResponse(http::status::ok, v, StateJson(engine_.shared().StateNow())), keep);
            return;
        case RouteKind::Command:
            RunCommand(route, v, keep);
            return;
        case RouteKind::Live:
            GoLive(std::move(req));
            return;
        default:
            Reply(ErrorResponse(http::status::bad_request, v, "Bad request"), keep);
            return;
        }
    }

    // The page to a paired device (pairing it by cookie when the key came in
    // the address); only the key field to anyone else.
    void ServePage(const Request& req, KeyCheck key, std::string_view html) {
        const unsigned v = req.version();
        if (key == KeyCheck::Wrong) {
            Reply(PageResponse(http::status::unauthorized, v, KeyPageHtml()), req.keep_alive());
            return;
        }
        if (key == KeyCheck::None) {
            Reply(PageResponse(http::status::ok, v, KeyPageHtml()), req.keep_alive());
            return;
        }
        Response res = PageResponse(http::status::ok, v, html);
        if (!QueryValue(req.target(), "key").empty()) {
            res.set(http::field::set_cookie, std::string(kKeyCookie) + "=" + engine_.Key() +
                                                 "; Path=/; HttpOnly; SameSite=Strict");
        }
        Reply(std::move(res), req.keep_alive());
    }

    void RunCommand(const Route& route, unsigned version, bool keep) {
        RemoteRequest request;
        request.command = route.command;
        request.argument = route.argument;
        engine_.Command(request, [self = shared_from_this(), version, keep](http::status status,
                                                                          std::string body) {
            self->Reply(JsonResponse(status, version, std::move(body)), keep);
        });
    }

    void GoLive(Request req) {
        if (!websocket::is_upgrade(req)) {
            Reply(ErrorResponse(http::status::upgrade_required, req.version(), "WebSocket only"),
                  false);
            return;
        }
        stream_.expires_never();
        const bool talent = QueryValue(req.target(), "view") == "prompter";
        std::make_shared<LiveSession>(std::move(stream_), engine_, std::move(token_), talent)
            ->Accept(std::move(req));
    }

    void Reply(Response res, bool keep) {
        res.keep_alive(keep);
        res.prepare_payload();
        response_ = std::move(res);
        stream_.expires_after(kHeaderTime);
        http::async_write(stream_, response_,
                          [self = shared_from_this()](beast::error_code ec, std::size_t) {
                              if (ec || self->response_.need_eof()) {
                                  self->Close();
                                  return;
                              }
                              self->WaitForNext();
                          });
    }

    void Close() {
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
        stream_.close();
    }

    beast::tcp_stream stream_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    Response response_;
    Engine& engine_;
    CountToken token_;
    std::string address_;
};

} // namespace

void remote_net::StartHttpSession(tcp::socket socket, Engine& engine, CountToken token) {
    std::make_shared<HttpSession>(std::move(socket), engine, std::move(token))->Read();
}

// ---- The live socket ----

LiveSession::LiveSession(beast::tcp_stream&& stream, Engine& engine, CountToken token,
                         bool talent)
    : ws_(std::move(stream)), engine_(engine), connection_(std::move(token)),
      device_(engine.shared().devices), id_(engine.NewSessionId()), silence_(engine.Io()),
      talent_(talent) {}

void LiveSession::Accept(http::request<http::string_body> request) {
    ws_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
    ws_.read_message_max(kMessageLimit);
    ws_.async_accept(request, [self = shared_from_this()](beast::error_code ec) {
        self->Accepted(ec);
    });
}

void LiveSession::Accepted(beast::error_code ec) {
    if (ec) {
        return;
    }
    engine_.AddLive(shared_from_this());
    if (talent_) {
        engine_.Greet(*this);
    } else {
        Send(StateJson(engine_.shared().StateNow()));
    }
    Read();
}

void LiveSession::Read() {
    ws_.async_read(buffer_, [self = shared_from_this()](beast::error_code ec, std::size_t) {
        self->Received(ec);
    });
}

void LiveSession::Received(beast::error_code ec) {
    if (ec) {
        Gone();
        return;
    }
    const std::string message = beast::buffers_to_string(buffer_.data());
    buffer_.consume(buffer_.size());
    Take(message);
    Read();
}

void LiveSession::Take(const std::string& message) {
    const Route route = LiveMessageRoute(message);
    if (route.kind == RouteKind::KeepAlive) {
        if (backward_) {
            ArmSilence();
        }
        return;
    }
    if (route.kind != RouteKind::Command) {
        Send(ErrorJson("Unknown command"));
        return;
    }
    backward_ = route.command == RemoteCommand::Backward;
    if (backward_) {
        ArmSilence();
    } else {
        silence_.cancel();
    }
    RemoteRequest request;
    request.command = route.command;
    request.argument = route.argument;
    request.session = id_;
    std::weak_ptr<LiveSession> weak = shared_from_this();
    engine_.Command(request, [weak](http::status, std::string body) {
        if (const auto self = weak.lock()) {
            self->Send(std::move(body));
        }
    });
}

// A device running the text backward must keep talking; silence pauses.
void LiveSession::ArmSilence() {
    silence_.expires_after(kBackwardSilence);
    silence_.async_wait([self = shared_from_this()](beast::error_code ec) {
        if (!ec && self->backward_) {
            self->backward_ = false;
            self->engine_.PauseFor(self->id_);
        }
    });
}

void LiveSession::Gone() {
    silence_.cancel();
    if (backward_) {
        backward_ = false;
        engine_.PauseFor(id_);
    }
}

void LiveSession::Send(std::string message) {
    constexpr std::size_t kMaxQueued = 64;
    if (queue_.size() >= kMaxQueued) {
        beast::get_lowest_layer(ws_).close(); // it takes nothing: let it go
        return;
    }
    queue_.push_back(std::move(message));
    if (queue_.size() == 1) {
        Write();
    }
}

void LiveSession::Write() {
    ws_.text(true);
    ws_.async_write(asio::buffer(queue_.front()),
                    [self = shared_from_this()](beast::error_code ec, std::size_t) {
                        self->Written(ec);
                    });
}

void LiveSession::Written(beast::error_code ec) {
    if (ec) {
        return;
    }
    queue_.pop_front();
    if (!queue_.empty()) {
        Write();
    }
}
