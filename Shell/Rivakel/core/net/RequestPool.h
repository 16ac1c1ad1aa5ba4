// Up to ten document fetches at a time, each on its own worker thread; a 1000 ms timer on the
// main thread completes the finished ones and calls their callbacks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/net/HttpRequest.h"
#include "core/net/SocketConnection.h"

class CTimer;

inline constexpr size_t kRequestSlots = 10;
// A worker that has not ended this long after it was stopped ends the process.
inline constexpr int kWorkerStopSeconds = 120;

class CRequestPool {
public:
    explicit CRequestPool(HttpTimeouts timeouts = {});
    // Stops the timer, then stops and joins every worker before its request goes.
    ~CRequestPool();
    CRequestPool(const CRequestPool&) = delete;
    CRequestPool& operator=(const CRequestPool&) = delete;

    int Start();  // the timer
    // The first free slot gets a new request with the pool's proxy; null when all are taken.
    CServerRequest* NewRequest();
    int SetProxy(std::string_view name, uint16_t port);
    // Joins finished workers; restarts redirects (at most kMaxRedirects); completes the rest,
    // runs their callbacks and frees their slots. 0.
    int Poll();
    size_t FreeSlots() const;

    // 0, or 1 when no worker thread could be started.
    int StartWorker(CHttpRequest& request);
    // Wakes the worker from whatever blocks it and joins it (within kWorkerStopSeconds, or the
    // process ends with -1). 0.
    int StopWorker(CHttpRequest& request);

private:
    void RunWorker(CHttpRequest& request);

    HttpTimeouts timeouts_;
    std::string proxyName_;
    uint16_t proxyPort_ = 0;
    std::unique_ptr<CTimer> timer_;
    std::array<std::unique_ptr<CServerRequest>, kRequestSlots> slots_;
};
