// Fixed-capacity string of at most N characters: a length byte and N
// characters, N + 1 bytes on file. Longer texts are cut without a message.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <int N>
struct ShortString {
    static_assert(N > 0 && N < 256);
    static constexpr int Capacity = N;
    static constexpr int Bytes = N + 1;

    uint8_t len = 0;
    char chars[N] = {};

    ShortString() = default;
    ShortString(std::string_view s) { Assign(s); }   // NOLINT: implicit like a Pascal string
    ShortString& operator=(std::string_view s) { Assign(s); return *this; }

    void Assign(std::string_view s) {
        len = static_cast<uint8_t>(s.size() < size_t(N) ? s.size() : size_t(N));
        std::memset(chars, 0, N);
        std::memcpy(chars, s.data(), len);
    }
    std::string str() const { return std::string(chars, len); }
    operator std::string() const { return str(); }    // NOLINT
    bool empty() const { return len == 0; }
    bool operator==(std::string_view s) const { return std::string_view(chars, len) == s; }

    // The whole field as stored: length byte, then N character bytes.
    void ToBytes(uint8_t* out) const {
        out[0] = len;
        std::memcpy(out + 1, chars, N);
    }
    // Reads a stored field; the text ends at its length byte, its capacity
    // or its first NUL, whichever comes first.
    void FromBytes(const uint8_t* in) {
        std::memcpy(chars, in + 1, N);
        const int stored = in[0] > N ? N : in[0];
        len = static_cast<uint8_t>(std::find(chars, chars + stored, '\0') - chars);
    }
};
