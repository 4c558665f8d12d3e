// The binary message catalogue: fixed-length records of single-byte text and,
// in the last 6020 bytes, a trailer (little-endian):
//   0     4  magic "DTFS"
//   4     8  not used
//   12    4  count N of sections in use (at most 500)
//   16 2000  500 section numbers (uint32), the first N in use
//   2016 2000  500 record counts (int32)
//   4016 2000  500 offsets of each section's first record (uint32)
//   6016  4  record length L (below 256)
// Line n of a section in variant K of M is record (n - 1) * M + K of it.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

constexpr size_t DV_TRAILER_SIZE = 6020;
constexpr int DV_MAX_SECTIONS = 500;
constexpr int DV_MAX_RECORD = 255;

// Where the catalogue's bytes come from: a file, or memory in tests.
class DvByteSource {
public:
    virtual ~DvByteSource() = default;
    virtual uint64_t size() const = 0;
    // Exactly n bytes at offset, or false.
    virtual bool read(uint64_t offset, void* out, size_t n) = 0;
};

class DvFileSource : public DvByteSource {
public:
    // Null when the file cannot be opened.
    static std::unique_ptr<DvFileSource> open(const wchar_t* path);
    uint64_t size() const override { return size_; }
    bool read(uint64_t offset, void* out, size_t n) override;

private:
    struct Closer {
        void operator()(FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<FILE, Closer> file_;
    uint64_t size_ = 0;
};

class DvMemorySource : public DvByteSource {
public:
    explicit DvMemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    uint64_t size() const override { return bytes_.size(); }
    bool read(uint64_t offset, void* out, size_t n) override;

private:
    std::string bytes_;
};

struct DvSection {
    uint32_t number = 0;
    int32_t records = 0;
    uint32_t offset = 0;
};

struct DvLookup {
    enum class Status { Ok, NoSection, NoRecord, ReadFailed };
    Status status = Status::ReadFailed;
    std::wstring text;
    int64_t record = 0; // 1-based record asked for (NoRecord)
    int32_t count = 0;  // records of the section (NoRecord)
};

class DvCatalogueReader {
public:
    enum class Open { Ok, Unreachable, WrongMagic, Malformed };

    // Reads the trailer; the reader keeps the source when it is Ok.
    Open open(std::unique_ptr<DvByteSource> source);
    bool isOpen() const { return source_ != nullptr; }
    void close() { source_.reset(); }
    // Line (1-based) of section in variant language of variants.
    DvLookup lookup(uint32_t section, int line, int variants, int language) const;

private:
    std::unique_ptr<DvByteSource> source_;
    std::vector<DvSection> sections_;
    int recordLength_ = 0;
};
