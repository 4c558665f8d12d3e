// ENTITIES. A large section is read by two threads: a second reader starts at
// an entity's group 0 past the middle of the rest of the data (numbering its
// lines from there) while this one reads on towards it. When this one arrives
// exactly there, the second half's entities, warnings and position are taken
// over. When it does not (the section ended before, nothing was found to
// start at), the second half is stopped and dropped. Either way the drawing
// and the warnings are those of one reader going through the whole file.
#include "host/dxf/entity_placer.h"
#include "host/dxf/second_half.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

namespace vma::dxf {
namespace {

// How far past the middle the second reader looks for an entity to start at
// (a polyline's vertices or an insert's attributes are no place to start).
constexpr size_t kSearchBytes = size_t{1} << 20;

bool isSubEntity(std::string_view type) {
    return type == "VERTEX" || type == "ATTRIB" || type == "SEQEND";
}

bool endsSection(std::string_view type) {
    return type == "ENDSEC" || type == "SECTION" || type == "EOF";
}

bool isTypeName(std::string_view s) {
    auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return !s.empty() && upper(s[0]) && std::all_of(s.begin(), s.end(), [&](char c) {
        return upper(c) || digit(c) || c == '_';
    });
}

// The start of the line after the one p is in (end when there is none).
const char* nextLine(const char* p, const char* end) {
    const void* found = std::memchr(p, '\n', static_cast<size_t>(end - p));
    return found ? static_cast<const char*>(found) + 1 : end;
}

// The line that starts at p without its line end and the blanks around it.
std::string_view lineText(const char* p, const char* end) {
    const char* stop = p < end ? nextLine(p, end) : end;
    std::string_view s(p, static_cast<size_t>(stop - p));
    if (s.ends_with('\n'))
        s.remove_suffix(1);
    if (s.ends_with('\r'))
        s.remove_suffix(1);
    return trimBlanks(s);
}

} // namespace

Reader::SecondHalf::SecondHalf(const Reader& first, const char* middle)
    : middle(middle), start(startFound.get_future().share()),
      reader(first, first.tokens_.remaining() / 2 / kBytesPerEntity) {}

Reader::SecondHalf::~SecondHalf() {
    stop.store(true, std::memory_order_relaxed);
    if (done.valid())
        done.wait();
}

Reader::Reader(const Reader& first, size_t expectedEntities)
    : data_(first.data_), tokens_(first.data_), db_(db::Database::createEmpty()),
      options_(first.options_), encoding_(first.encoding_) {
    db_->reserveEntities(expectedEntities + 16);
    entityHandles_.reserve(expectedEntities + 16);
    arena_ = &db_->newArena();
}

template <class Pause> void Reader::readEntityList(EntityPlacer& placer, Pause pause) {
    Token t;
    while (next(t)) {
        if (t.code != 0)
            continue;
        if (pause(t))
            return;
        if (isWord(t, "ENDSEC") || closesSection(t, "ENTITIES"))
            break;
        placer.add(t);
    }
    placer.finish(tokens_.line());
}

void Reader::readEntities() {
    EntityPlacer placer(*this, std::nullopt);
    startSecondHalf();
    readEntityList(placer, [&](const Token& t) {
        return secondHalf_ && t.start >= secondHalf_->middle && joinSecondHalf(t, placer);
    });
    secondHalf_.reset();
}

void Reader::startSecondHalf() {
    if (tokens_.remaining() < options_.twoThreadsFrom || std::thread::hardware_concurrency() < 2)
        return;
    secondHalf_ = std::make_unique<SecondHalf>(*this, tokens_.position() + tokens_.remaining() / 2);
    SecondHalf& half = *secondHalf_;
    try {
        half.done = std::async(std::launch::async, [&half] { half.reader.readSecondHalf(half); });
    } catch (const std::system_error&) {
        secondHalf_.reset(); // no thread to be had: this one reads it all
    }
}

void Reader::readSecondHalf(SecondHalf& half) {
    const char* start = nullptr;
    try {
        start = findSecondStart(half.middle);
    } catch (...) {
        half.startFound.set_value(nullptr);
        throw;
    }
    half.startFound.set_value(start);
    if (!start)
        return;
    EntityPlacer placer(*this, std::nullopt);
    readEntityList(placer,
                   [&half](const Token&) { return half.stop.load(std::memory_order_relaxed); });
}

const char* Reader::findSecondStart(const char* middle) {
    const char* end = data_.data() + data_.size();
    const char* p = middle > data_.data() && middle[-1] != '\n' ? nextLine(middle, end) : middle;
    for (; p < end && static_cast<size_t>(p - middle) <= kSearchBytes; p = nextLine(p, end)) {
        // Codes are numbers: a "0" followed by a name is a group 0, not a value.
        if (lineText(p, end) != "0")
            continue;
        std::string_view type = lineText(nextLine(p, end), end);
        if (!isTypeName(type) || isSubEntity(type))
            continue;
        if (endsSection(type))
            return nullptr;
        tokens_ = Tokenizer(std::string_view(p, static_cast<size_t>(end - p)));
        return p;
    }
    return nullptr;
}

bool Reader::joinSecondHalf(const Token& at, EntityPlacer& placer) {
    const char* start = secondHalf_->start.get();
    if (start && at.start < start)
        return false;
    std::unique_ptr<SecondHalf> half = std::move(secondHalf_);
    if (at.start != start)
        return false;
    half->done.get();
    Reader& second = half->reader;
    // Its error would name a line counted from its start: this reader goes on
    // and meets the error itself.
    if (second.fatal_)
        return false;
    // What this reader would have done on meeting a main entity here.
    placer.finish(at.line);
    long lines = at.line - 1;
    for (Warning& w : second.warnings_)
        warn(w.line + lines, std::move(w.message));
    suppressed_ += second.suppressed_;
    warnedTruncation_ = warnedTruncation_ || second.warnedTruncation_;
    db_->appendEntities(*second.db_);
    entityHandles_.insert(entityHandles_.end(), second.entityHandles_.begin(),
                          second.entityHandles_.end());
    tokens_ = second.tokens_;
    tokens_.shiftLines(lines);
    threads_ = 2;
    return true;
}

} // namespace vma::dxf
