// Fixed-size ANSI text: the one place where text is cut to a buffer's limit.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// Copies src into dst (size counts the terminator), cutting what does not fit.
// Always terminates when size > 0. Returns the number of characters copied.
inline size_t CopyBounded(char* dst, size_t size, std::string_view src) {
    if (dst == nullptr || size == 0) return 0;
    size_t n = src.size() < size - 1 ? src.size() : size - 1;
    if (n) std::memmove(dst, src.data(), n);
    dst[n] = '\0';
    return n;
}

// Length of a possibly unterminated buffer, never reading past max.
inline size_t BoundedLength(const char* s, size_t max) {
    if (!s) return 0;
    size_t n = 0;
    while (n < max && s[n]) ++n;
    return n;
}

// N counts the terminator, as the Win32 buffers do: FixedText<260> holds 259 characters.
template <size_t N>
class FixedText {
public:
    static constexpr size_t kCapacity = N;
    FixedText() = default;
    FixedText(std::string_view s) { assign(s); }  // NOLINT: a text converts freely

    size_t assign(std::string_view s) { return CopyBounded(buf_, N, s); }
    FixedText& operator=(std::string_view s) { assign(s); return *this; }
    void append(std::string_view s) {
        size_t len = size();
        CopyBounded(buf_ + len, N - len, s);
    }
    void clear() { buf_[0] = '\0'; }

    const char* c_str() const { return buf_; }
    std::string_view view() const { return std::string_view(buf_, size()); }
    size_t size() const { return BoundedLength(buf_, N - 1); }
    bool empty() const { return buf_[0] == '\0'; }
    // Direct access for Win32 calls that fill a buffer; they are given capacity().
    char* data() { return buf_; }
    static constexpr size_t capacity() { return N; }

private:
    char buf_[N] = {};
};

// Any FixedText<N> as the output of a function that fills texts of every
// capacity: one function serves all of them, and the capacity comes from the
// text's type, never from a size given beside a pointer.
class TextBuffer {
public:
    template <size_t N>
    TextBuffer(FixedText<N>& text) : data_(text.data()), capacity_(N) {}  // NOLINT: any FixedText converts

    // Copies s, cut to capacity() - 1 characters; returns the length written.
    size_t assign(std::string_view s) const { return CopyBounded(data_, capacity_, s); }
    void clear() const { data_[0] = '\0'; }
    char* data() const { return data_; }
    size_t capacity() const { return capacity_; }
    size_t size() const { return BoundedLength(data_, capacity_ - 1); }
    std::string_view view() const { return std::string_view(data_, size()); }

private:
    char* data_;
    size_t capacity_;
};
