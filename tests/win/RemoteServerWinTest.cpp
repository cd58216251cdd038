// The remote control's server as Windows runs it (Winsock, the system's
// random generator), spoken to over loopback.
#include <string>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <gtest/gtest.h>

#include "remote/RemoteServer.h"

namespace {

namespace asio = boost::asio;
namespace http = boost::beast::http;
using tcp = asio::ip::tcp;

class NoProgram : public RemoteHost {
  public:
    bool PostCommand(const RemoteRequest&) override { return false; }
};

// The status and body of GET target on the port, with the key if any.
std::pair<int, std::string> Get(std::uint16_t port, const std::string& target,
                                const std::string& key) {
    asio::io_context ioc;
    tcp::socket socket(ioc);
    socket.connect({asio::ip::make_address("127.0.0.1"), port});
    http::request<http::empty_body> req{http::verb::get, target, 11};
    req.set(http::field::host, "127.0.0.1:" + std::to_string(port));
    if (!key.empty())
        req.set(http::field::authorization, "Bearer " + key);
    http::write(socket, req);
    boost::beast::flat_buffer buffer;
    http::response<http::string_body> res;
    http::read(socket, buffer, res);
    return {static_cast<int>(res.result_int()), res.body()};
}

TEST(RemoteServerWin, ServesTheStateWithTheKeyAndNamesABusyPort) {
    const std::string key = NewAccessKey();
    ASSERT_EQ(key.size(), 32U);
    EXPECT_NE(NewAccessKey(), key);

    NoProgram program;
    RemoteServer server(program);
    RemoteSettings settings;
    settings.port = 0;
    settings.accessKey = key;
    ASSERT_EQ(server.Start(settings), "");
    RemoteState state;
    state.playing = true;
    state.delay = 12;
    state.script = "Evening.txt";
    server.PublishState(state);

    EXPECT_EQ(Get(server.Port(), "/api/state", "").first, 401);
    const auto [status, body] = Get(server.Port(), "/api/state", key);
    EXPECT_EQ(status, 200);
    EXPECT_NE(body.find("\"playing\":true"), std::string::npos) << body;
    EXPECT_NE(body.find("\"delay\":12"), std::string::npos) << body;
    EXPECT_NE(body.find("\"script\":\"Evening.txt\""), std::string::npos) << body;

    NoProgram otherProgram;
    RemoteServer other(otherProgram);
    RemoteSettings same = settings;
    same.port = server.Port();
    EXPECT_EQ(other.Start(same),
              "Port " + std::to_string(server.Port()) + " is in use by another program");
    server.Stop();
    EXPECT_FALSE(server.Running());
}

} // namespace
