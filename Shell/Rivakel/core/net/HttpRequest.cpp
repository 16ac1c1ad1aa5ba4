#include "core/net/HttpRequest.h"

#include "core/base/Log.h"
#include "core/net/HttpHead.h"
#include "core/net/HttpWorker.h"
#include "core/net/RequestPool.h"

CHttpRequest::CHttpRequest(CRequestPool* pool) : pool_(pool) {}

CHttpRequest::~CHttpRequest() {
    // A worker may still write into this request: it is stopped and joined first.
    if (worker_ && pool_ != nullptr) pool_->StopWorker(*this);
}

int CHttpRequest::SetHost(std::string_view name, uint16_t port) {
    if (name.empty()) return 1;
    host_ = Endpoint{std::string(name), 0, port};
    current_ = Target::Host;
    return 0;
}

int CHttpRequest::SetReply(std::string_view bytes) {
    reply_.assign(bytes);
    return 0;
}

int CHttpRequest::SetRequest(std::string_view text) {
    if (text.empty()) return 1;
    request_.assign(text);
    return 0;
}

int CHttpRequest::SetCallback(HttpCallback callback) {
    callback_ = std::move(callback);
    return 0;
}

int CHttpRequest::Start() {
    SetState(Started);
    result_ = 0;
    if (pool_ == nullptr || pool_->StartWorker(*this) != 0) {
        result_ = 1;
        SetState(Finished);
        return 1;
    }
    return 0;
}

CHttpRequest::Endpoint& CHttpRequest::Current() {
    if (current_ == Target::Proxy && ProxyEndpoint() != nullptr) return *ProxyEndpoint();
    if (current_ == Target::Redirect && RedirectEndpoint() != nullptr) return *RedirectEndpoint();
    return host_;
}

void CHttpRequest::RunCallback() {
    if (callback_) callback_(*this);
}

CServerRequest::CServerRequest(CRequestPool* pool) : CHttpRequest(pool) {}

int CServerRequest::SetHost(std::string_view name, uint16_t port) {
    if (CHttpRequest::SetHost(name, port) != 0) return 1;
    if (!proxy_.name.empty()) current_ = Target::Proxy;
    return 0;
}

int CServerRequest::SetProxy(std::string_view name, uint16_t port) {
    proxy_ = Endpoint{std::string(name), 0, port};
    current_ = proxy_.name.empty() ? Target::Host : Target::Proxy;
    return 0;
}

std::string CServerRequest::Target(std::string_view path) const {
    if (proxy_.name.empty()) return HasRedirect() ? redirectPath_ : std::string(path);
    const Endpoint& origin = Origin();
    return "http://" + origin.name + ":" + std::to_string(origin.port) +
           (HasRedirect() ? redirectPath_ : std::string(path));
}

int CServerRequest::BuildRequest(Method method, std::string_view path, std::string_view body) {
    if (path.empty() && !HasRedirect()) return 1;
    const std::string target = Target(path);
    if (target.size() > kMaxRequestTarget) {
        Error("CServerRequest::BuildRequest: the request target is too long");
        return 1;
    }
    const Endpoint& origin = Origin();
    std::string text;
    if (method == Method::Get) {
        // A server that keeps the connection open would leave the worker waiting for its end.
        const std::string hostField = origin.port == 80 ? origin.name : origin.name + ":" + std::to_string(origin.port);
        text = "GET " + target + " HTTP/1.1\r\nHost: " + hostField + "\r\nConnection: close\r\n\r\n";
    } else {
        text = "POST " + target + " HTTP/1.0\nContent-type: application/x-www-form-urlencoded";
        text += body.empty() ? std::string("\n\n") : "\nContent-length: " + std::to_string(body.size()) + "\n\n";
        text.append(body);
    }
    return SetRequest(text);
}

int CServerRequest::SetReply(std::string_view bytes) {
    head_.clear();
    std::string_view body = bytes;
    const std::optional<HttpHead> head = ParseHttpHead(bytes);
    if (head) {
        head_.assign(bytes.substr(0, head->length));
        body.remove_prefix(head->length);
    }
    redirectRefused_ = false;
    if (head && head->status == 302) {
        const std::optional<RedirectTarget> target =
            head->location ? ParseRedirectLocation(*head->location) : std::nullopt;
        if (target) {
            if (savedRequest_.empty()) savedRequest_ = RequestText();
            redirect_ = Endpoint{target->host, 0, target->port};
            redirectPath_ = target->path;
            if (proxy_.name.empty()) current_ = Target::Redirect;
            BuildRequest(Method::Get, redirectPath_);
            return CHttpRequest::SetReply(body);
        }
        redirectRefused_ = true;
    }
    if (HasRedirect()) {
        redirect_ = Endpoint{};
        redirectPath_.clear();
        if (!savedRequest_.empty()) SetRequest(savedRequest_);
        savedRequest_.clear();
        current_ = proxy_.name.empty() ? Target::Host : Target::Proxy;
    }
    return CHttpRequest::SetReply(body);
}
