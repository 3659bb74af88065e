// LoopbackHttpServer over Winsock: one thread accepts, each connection is answered on its own
// detached-free thread that the server joins when it stops.
#include "support/loopback_http.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <vector>

namespace kx90::test {
namespace {

struct WinsockUser {
    WinsockUser() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockUser() { WSACleanup(); }
};

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() : listener_(INVALID_SOCKET) {
    static WinsockUser winsock;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        return;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 16) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(s);
        return;
    }
    listener_ = s;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Accept(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stopping_ = true;
    if (listener_ != INVALID_SOCKET) {
        closesocket(static_cast<SOCKET>(listener_));
    }
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string LoopbackHttpServer::BaseAddress() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

void LoopbackHttpServer::Serve(const std::string& path, Route route) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = std::move(route);
}

int LoopbackHttpServer::Requests(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_[path];
}

void LoopbackHttpServer::Accept() {
    std::vector<std::thread> answering;
    while (!stopping_) {
        const SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (connection == INVALID_SOCKET) {
            break;
        }
        answering.emplace_back([this, connection] { Answer(connection); });
    }
    for (std::thread& t : answering) {
        t.join();
    }
}

void LoopbackHttpServer::Answer(uintptr_t handle) {
    const SOCKET connection = static_cast<SOCKET>(handle);
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        const int got = recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        request.append(buffer, static_cast<size_t>(got));
    }
    // "GET /path HTTP/1.1"
    const size_t start = request.find(' ');
    const size_t end = start == std::string::npos ? start : request.find(' ', start + 1);
    const std::string path = end == std::string::npos ? "" : request.substr(start + 1, end - start - 1);
    Route route;
    bool known = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++requests_[path];
        if (const auto found = routes_.find(path); found != routes_.end()) {
            route = found->second;
            known = true;
        }
    }
    if (!known) {
        route.status = 404;
        route.body = "not here";
    }
    // A silent route holds the connection until the client gives up or the server stops.
    const auto until =
        std::chrono::steady_clock::now() + (route.silent ? std::chrono::seconds(30) : route.delay);
    while (std::chrono::steady_clock::now() < until && !stopping_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!route.silent && !stopping_) {
        const std::string head =
            "HTTP/1.0 " + std::to_string(route.status) + (route.status == 200 ? " OK" : " Error") +
            "\r\nContent-Length: " + std::to_string(route.body.size()) + "\r\nConnection: close\r\n\r\n";
        const std::string body = route.cutOff ? route.body.substr(0, route.body.size() / 2) : route.body;
        const std::string reply = head + body;
        send(connection, reply.data(), static_cast<int>(reply.size()), 0);
    }
    shutdown(connection, SD_BOTH);
    closesocket(connection);
}

}  // namespace kx90::test
