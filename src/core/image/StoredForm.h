#pragma once
#include <QByteArray>
#include <cstdint>
#include <cstring>

// Sequential little-endian writer and reader of the stored form (no padding).
class StoredWriter {
public:
    explicit StoredWriter(QByteArray &out) : out_(out) {}
    void i16(int16_t v)
    {
        out_.append(char(uint16_t(v) & 0xFF));
        out_.append(char((uint16_t(v) >> 8) & 0xFF));
    }
    void u8(uint8_t v) { out_.append(char(v)); }
    void bytes(const char *p, int n) { out_.append(p, n); }
    template <std::size_t N> void i16s(const std::array<int16_t, N> &a) { for (int16_t v : a) i16(v); }
    template <std::size_t N> void u8s(const std::array<uint8_t, N> &a) { for (uint8_t v : a) u8(v); }
    template <std::size_t N> void chars(const std::array<char, N> &a) { bytes(a.data(), int(N)); }

private:
    QByteArray &out_;
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
