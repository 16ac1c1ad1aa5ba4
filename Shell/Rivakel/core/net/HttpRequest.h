// One document fetch run by a worker thread: `CHttpRequest` holds the request and its reply,
// `CServerRequest` adds the proxy and follows "302" redirects. The worker writes the reply, the
// result and last the state; the main thread reads them only once the state says finished.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CHttpRequest;
class CRequestPool;
class HttpWorker;

using HttpCallback = std::function<void(CHttpRequest& request)>;

inline constexpr size_t kMaxRequestTarget = 65536;
inline constexpr int kMaxRedirects = 5;

class CHttpRequest {
public:
    enum State : int { Idle = 0, Started = 1, Finished = 2, Completed = 3 };
    // Where the worker connects: the host, the proxy, or the target of a redirect.
    struct Endpoint {
        std::string name;
        uint32_t address = 0;  // 0 until resolved
        uint16_t port = 0;
    };

    explicit CHttpRequest(CRequestPool* pool = nullptr);
    virtual ~CHttpRequest();
    CHttpRequest(const CHttpRequest&) = delete;
    CHttpRequest& operator=(const CHttpRequest&) = delete;

    // 1 for an empty name. The current endpoint becomes the host.
    virtual int SetHost(std::string_view name, uint16_t port);
    // Copies the bytes; the reply is always terminated. 0.
    virtual int SetReply(std::string_view bytes);
    // Empties the reply, and nothing else (a redirect stays).
    void ClearReply() { reply_.clear(); }
    // 1 for an empty text.
    int SetRequest(std::string_view text);
    int SetCallback(HttpCallback callback);
    // Started state and a worker; 1 when no worker could be started.
    int Start();

    Endpoint& Current();
    const std::string& RequestText() const { return request_; }
    const std::string& Reply() const { return reply_; }
    State GetState() const { return state_.load(std::memory_order_acquire); }
    int Result() const { return result_; }

    // For the pool and its workers.
    virtual bool HasRedirect() const { return false; }
    void SetResult(int result) { result_ = result; }
    void SetState(State state) { state_.store(state, std::memory_order_release); }
    std::unique_ptr<HttpWorker>& Worker() { return worker_; }
    void RunCallback();

protected:
    enum class Target { Host, Proxy, Redirect };
    Endpoint host_;
    Target current_ = Target::Host;

private:
    virtual Endpoint* ProxyEndpoint() { return nullptr; }
    virtual Endpoint* RedirectEndpoint() { return nullptr; }

    CRequestPool* pool_;
    std::string request_;
    std::string reply_;
    std::unique_ptr<HttpWorker> worker_;
    HttpCallback callback_;
    std::atomic<State> state_{Idle};
    int result_ = 0;
};

class CServerRequest final : public CHttpRequest {
public:
    enum class Method { Get, Post };

    explicit CServerRequest(CRequestPool* pool = nullptr);
    int SetHost(std::string_view name, uint16_t port) override;
    int SetProxy(std::string_view name, uint16_t port);
    // Keeps the head, then follows a 302 (the next run fetches its location) or forgets an
    // earlier redirect; the reply is what follows the head.
    int SetReply(std::string_view bytes) override;
    // 1 for an empty path without a redirect, or a target longer than kMaxRequestTarget.
    int BuildRequest(Method method, std::string_view path, std::string_view body = {});

    bool HasRedirect() const override { return !redirect_.name.empty(); }
    // A 302 whose location could not be followed.
    bool RedirectRefused() const { return redirectRefused_; }
    int RedirectCount() const { return redirects_; }
    void CountRedirect() { ++redirects_; }
    const std::string& ReplyHead() const { return head_; }

private:
    Endpoint* ProxyEndpoint() override { return proxy_.name.empty() ? nullptr : &proxy_; }
    Endpoint* RedirectEndpoint() override { return HasRedirect() ? &redirect_ : nullptr; }
    std::string Target(std::string_view path) const;
    // The server the request is for: the redirect's, else the host.
    const Endpoint& Origin() const { return HasRedirect() ? redirect_ : host_; }

    std::string head_;
    Endpoint proxy_;
    Endpoint redirect_;
    std::string redirectPath_;
    std::string savedRequest_;
    bool redirectRefused_ = false;
    int redirects_ = 0;
};
