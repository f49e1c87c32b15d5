#pragma once
#include <QByteArray>
#include <cstdint>
#include <cstring>

// Sequential little-endian writer and reader of the stored form (no padding). The writer
// fills a buffer sized beforehand: images are stored and compared often (every edit,
// every save), so it writes through a pointer instead of growing a byte array.
class StoredWriter {
public:
    explicit StoredWriter(char *out) : p_(out) {}
    void i16(int16_t v)
    {
        p_[0] = char(uint16_t(v) & 0xFF);
        p_[1] = char((uint16_t(v) >> 8) & 0xFF);
        p_ += 2;
    }
    void u8(uint8_t v) { *p_++ = char(v); }
    void bytes(const char *p, int n)
    {
        std::memcpy(p_, p, size_t(n));
        p_ += n;
    }
    void skip(int n) { p_ += n; }
    template <std::size_t N> void i16s(const std::array<int16_t, N> &a) { for (int16_t v : a) i16(v); }
    template <std::size_t N> void u8s(const std::array<uint8_t, N> &a) { for (uint8_t v : a) u8(v); }
    template <std::size_t N> void chars(const std::array<char, N> &a) { bytes(a.data(), int(N)); }
    char *pos() const { return p_; }

private:
    char *p_;
};

class StoredReader {
public:
    explicit StoredReader(const char *data) : p_(reinterpret_cast<const unsigned char *>(data)) {}
    int16_t i16()
    {
        const uint16_t v = uint16_t(p_[0] | (p_[1] << 8));
        p_ += 2;
        return int16_t(v);
    }
    uint8_t u8() { return *p_++; }
    template <std::size_t N> void i16s(std::array<int16_t, N> &a) { for (int16_t &v : a) v = i16(); }
    template <std::size_t N> void u8s(std::array<uint8_t, N> &a) { for (uint8_t &v : a) v = u8(); }
    template <std::size_t N> void chars(std::array<char, N> &a)
    {
        std::memcpy(a.data(), p_, N);
        p_ += N;
    }
    const char *pos() const { return reinterpret_cast<const char *>(p_); }

private:
    const unsigned char *p_;
};
