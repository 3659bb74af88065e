// A small HTTP/1.0 server on 127.0.0.1 for tests of the program's downloads: each path answers
// with a body, or stays silent, or cuts the body off half-way; requests are counted.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace kx90::test {

class LoopbackHttpServer {
public:
    struct Route {
        int status = 200;
        std::string body;
        bool silent = false;  // accept the connection, never answer
        bool cutOff = false;  // announce the whole body, send half, close
        std::chrono::milliseconds delay{0};
    };

    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    bool Running() const { return port_ != 0; }
    // "http://127.0.0.1:<port>"
    std::string BaseAddress() const;
    void Serve(const std::string& path, Route route);
    int Requests(const std::string& path);

private:
    void Accept();
    void Answer(uintptr_t connection);

    uintptr_t listener_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::map<std::string, Route> routes_;
    std::map<std::string, int> requests_;
    std::thread thread_;
};

}  // namespace kx90::test
