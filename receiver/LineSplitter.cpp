#include "receiver/LineSplitter.h"

void LineSplitter::Feed(std::string_view data, const std::function<void(std::string_view)>& line) {
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        const std::string_view part = data.substr(0, end);
        if (!overlong_ && buffer_.size() + part.size() <= maxLength_ + 1)  // + 1: room for a "\r"
            buffer_.append(part);
        else
            overlong_ = true;
        if (end == std::string_view::npos) return;
        data.remove_prefix(end + 1);
        if (!buffer_.empty() && buffer_.back() == '\r') buffer_.pop_back();
        if (!overlong_ && buffer_.size() <= maxLength_) line(buffer_);
        buffer_.clear();
        overlong_ = false;
    }
}
