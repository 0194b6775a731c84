#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A regular file opened for bounded random-access reads. Opening never blocks
// (FIFOs and devices are refused) and every read is checked against the size.
class BinaryFile {
  public:
    explicit BinaryFile(const std::string& path);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::uint64_t Size() const { return size_; }
    // Reads exactly `count` bytes at `offset`; false when they are not all there.
    bool Read(std::uint64_t offset, std::size_t count, std::string& out) const;
    // The whole file, when it is at most `maxSize` bytes.
    bool ReadAll(std::size_t maxSize, std::string& out) const;

  private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Little-endian fields of a byte buffer; the caller checks the bounds.
inline std::uint16_t LittleU16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}
inline std::uint32_t LittleU32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(LittleU16(b, at)) |
           static_cast<std::uint32_t>(LittleU16(b, at + 2)) << 16;
}
