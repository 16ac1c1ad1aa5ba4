#include "core/net/HttpResponseReader.h"

#include <algorithm>

namespace {
// A head that has not ended by then never will: the search stops, so it stays linear.
constexpr size_t kMaxHeadBytes = 65536;
}  // namespace

HttpResponseReader::HttpResponseReader(size_t keepLimit, bool overflowFails)
    : keepLimit_(keepLimit), overflowFails_(overflowFails) {}

HttpResponseReader::State HttpResponseReader::Add(std::string_view piece) {
    if (state_ != State::Reading || piece.empty()) return state_;
    total_ += piece.size();
    const size_t room = keepLimit_ - std::min(keepLimit_, kept_.size());
    if (piece.size() > room && overflowFails_) return state_ = State::Failed;
    const size_t scanFrom = kept_.size() < 3 ? 0 : kept_.size() - 3;
    kept_.append(piece.substr(0, room));
    if (headSought_) {
        // Only a stream that starts like a head can have one; stop looking once it cannot.
        if ((!LooksLikeHttpHead(kept_) && kept_.size() >= 6) || kept_.size() > kMaxHeadBytes) {
            headSought_ = false;
        }
        // Parse only once the new bytes can have ended the head.
        const bool ended = kept_.find("\n\n", scanFrom) != std::string::npos ||
                           kept_.find("\n\r\n", scanFrom) != std::string::npos;
        if (headSought_ && ended) {
            head_ = ParseHttpHead(kept_);
            if (head_) headSought_ = false;
        }
    }
    if (head_ && head_->contentLength && !head_->chunked && total_ >= head_->length + *head_->contentLength) {
        return state_ = State::Complete;
    }
    return state_;
}

HttpResponseReader::State HttpResponseReader::End() {
    if (state_ != State::Reading) return state_;
    truncated_ = head_ && head_->contentLength && total_ < head_->length + *head_->contentLength;
    return state_ = State::Complete;
}

std::string_view HttpResponseReader::Body() const {
    std::string_view all = kept_;
    if (head_) all.remove_prefix(std::min(head_->length, all.size()));
    if (head_ && head_->contentLength && all.size() > *head_->contentLength) {
        all = all.substr(0, static_cast<size_t>(*head_->contentLength));
    }
    return all;
}
