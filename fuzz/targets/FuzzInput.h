#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kelvane::fuzz {

// Takes values off the front of a fuzz input; past its end every value is 0
// and every run of bytes empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
    // Up to `count` bytes.
    std::string Bytes(std::size_t count) {
        const std::size_t n = count < size_ - at_ ? count : size_ - at_;
        if (n == 0) return {};
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return bytes;
    }
    std::string Rest() { return Bytes(size_ - at_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A property the code promises; when the input broke it, says where and aborts.
inline void Check(bool holds, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed at %s:%d\n", file, line);
    std::abort();
}

}  // namespace kelvane::fuzz
