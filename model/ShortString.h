// Fixed-capacity string of at most N bytes of UTF-8: a length byte and N
// bytes, N + 1 bytes on file. Longer texts are cut without a message, between
// two characters. A text ends at its first NUL, as a stored field is read.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// A UTF-8 byte that goes on with the character before it.
constexpr bool Continuation(char c) { return (uint8_t(c) & 0xC0) == 0x80; }

// Where the UTF-8 character that holds byte i of s begins: i itself, or up
// to three continuation bytes before it.
constexpr size_t CharacterStart(const char* s, size_t i) {
    size_t lead = i;
    while (lead > 0 && i - lead < 3 && Continuation(s[lead])) --lead;
    return lead;
}

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
        s = s.substr(0, s.find('\0'));
        len = static_cast<uint8_t>(Fit(s.data(), s.size()));
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
        len = static_cast<uint8_t>(std::find(chars, chars + Fit(chars, in[0]), '\0') - chars);
    }

    // Bytes of a text of `size` bytes at s kept within the capacity; only the
    // first N are looked at. A character that does not fit whole is left out.
    static constexpr size_t Fit(const char* s, size_t size) {
        if (size <= size_t(N)) return size;
        const size_t lead = CharacterStart(s, N - 1);
        const uint8_t c = uint8_t(s[lead]);
        const size_t width = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return lead + width > size_t(N) ? lead : size_t(N);
    }
};
