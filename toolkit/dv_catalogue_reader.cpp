#include "toolkit/dv_catalogue_reader.h"

#include "toolkit/dv_cp1252.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t word(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

constexpr size_t kCountAt = 12;
constexpr size_t kNumbersAt = 16;
constexpr size_t kRecordsAt = 2016;
constexpr size_t kOffsetsAt = 4016;
constexpr size_t kLengthAt = 6016;

} // namespace

bool DvMemorySource::read(uint64_t offset, void* out, size_t n) {
    if (offset > bytes_.size() || n > bytes_.size() - offset)
        return false;
    std::memcpy(out, bytes_.data() + offset, n);
    return true;
}

DvCatalogueReader::Open DvCatalogueReader::open(std::unique_ptr<DvByteSource> source) {
    close();
    std::array<unsigned char, DV_TRAILER_SIZE> t{};
    if (!source || source->size() < DV_TRAILER_SIZE ||
        !source->read(source->size() - DV_TRAILER_SIZE, t.data(), t.size()))
        return Open::Unreachable;
    if (std::memcmp(t.data(), "DTFS", 4) != 0)
        return Open::WrongMagic;
    const auto count = static_cast<int32_t>(word(&t[kCountAt]));
    const auto length = static_cast<int32_t>(word(&t[kLengthAt]));
    if (count < 0 || count > DV_MAX_SECTIONS || length <= 0 || length > DV_MAX_RECORD)
        return Open::Malformed;
    sections_.clear();
    for (int i = 0; i < count; ++i) {
        const size_t at = size_t(i) * 4;
        sections_.push_back({word(&t[kNumbersAt + at]),
                             static_cast<int32_t>(word(&t[kRecordsAt + at])),
                             word(&t[kOffsetsAt + at])});
    }
    recordLength_ = length;
    source_ = std::move(source);
    return Open::Ok;
}

DvLookup DvCatalogueReader::lookup(uint32_t section, int line, int variants, int language) const {
    DvLookup result;
    auto found = std::find_if(sections_.begin(), sections_.end(),
                              [&](const DvSection& s) { return s.number == section; });
    if (!source_ || found == sections_.end()) {
        result.status = DvLookup::Status::NoSection;
        return result;
    }
    const int64_t record = (int64_t(line) - 1) * variants + language;
    if (line < 1 || variants < 1 || language < 0 || language >= variants ||
        record + 1 > found->records) {
        result.status = DvLookup::Status::NoRecord;
        result.record = record + 1;
        result.count = found->records;
        return result;
    }
    std::array<char, DV_MAX_RECORD> bytes{};
    const uint64_t at = uint64_t(found->offset) + uint64_t(record) * uint64_t(recordLength_);
    if (!source_->read(at, bytes.data(), size_t(recordLength_)))
        return result;
    const auto text = std::string_view(bytes.data(), size_t(recordLength_));
    result.text = dv_cp1252_to_wide(text.substr(0, text.find('\0')));
    result.status = DvLookup::Status::Ok;
    return result;
}
