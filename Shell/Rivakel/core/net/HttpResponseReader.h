// Frames one HTTP/1 response that arrives in pieces of any size: it is complete when the bytes
// that the head's Content-Length announces have come, else when the stream ends. Only a bounded
// number of bytes is kept, so a huge reply costs no memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/net/HttpHead.h"

class HttpResponseReader {
public:
    enum class State { Reading, Complete, Failed };

    // Keeps the first `keepLimit` bytes. Beyond them the bytes are counted and dropped, or, with
    // `overflowFails`, the read fails.
    HttpResponseReader(size_t keepLimit, bool overflowFails);

    State Add(std::string_view piece);
    // The peer ended the stream.
    State End();

    State GetState() const { return state_; }
    const std::string& Kept() const { return kept_; }
    uint64_t Total() const { return total_; }
    // Found once the kept bytes hold the whole head of an "HTTP/1" response.
    const std::optional<HttpHead>& Head() const { return head_; }
    // The stream ended before the announced length had come.
    bool Truncated() const { return truncated_; }
    // The body after the head (the whole kept bytes when there is no head).
    std::string_view Body() const;

private:
    size_t keepLimit_;
    bool overflowFails_;
    State state_ = State::Reading;
    std::string kept_;
    uint64_t total_ = 0;
    std::optional<HttpHead> head_;
    bool headSought_ = true;
    bool truncated_ = false;
};
