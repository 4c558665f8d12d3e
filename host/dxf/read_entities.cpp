// ENTITIES. A large section is read by two threads: a second reader starts at
// an entity's group 0 past the middle of the rest of the data while this one
// reads on towards it. When this one arrives exactly there, the second half's
// entities, warnings and position are taken over. When it does not (the
// section ended before, nothing was found to start at), the second half is
// stopped and dropped. Either way the drawing and the warnings are those of
// one reader going through the whole file.
#include "host/dxf/entity_placer.h"
#include "host/dxf/second_half.h"

#include <thread>

namespace vma::dxf {
namespace {

// How far past the middle the second reader looks for an entity to start at
// (a polyline's vertices or an insert's attributes are no place to start).
constexpr size_t kSearchBytes = size_t{1} << 20;

bool isSubEntity(const Token& t) {
    return isWord(t, "VERTEX") || isWord(t, "ATTRIB") || isWord(t, "SEQEND");
}

bool endsSection(const Token& t) {
    return isWord(t, "ENDSEC") || isWord(t, "SECTION") || isWord(t, "EOF");
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
    : data_(first.data_), tokens_(first.tokens_), db_(db::Database::createEmpty()),
      options_(first.options_), encoding_(first.encoding_) {
    db_->reserveEntities(expectedEntities + 16);
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
    if (tokens_.remaining() < options_.twoThreadsFrom || tokens_.hasPending() ||
        std::thread::hardware_concurrency() < 2)
        return;
    secondHalf_ = std::make_unique<SecondHalf>(*this, tokens_.position() + tokens_.remaining() / 2);
    SecondHalf& half = *secondHalf_;
    half.done = std::async(std::launch::async, [&half] { half.reader.readSecondHalf(half); });
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
    tokens_ = tokens_.skippedTo(middle);
    Token t;
    while (next(t)) {
        if (static_cast<size_t>(t.start - middle) > kSearchBytes)
            return nullptr;
        if (t.code != 0 || isSubEntity(t))
            continue;
        if (endsSection(t))
            return nullptr;
        tokens_.unget(t);
        return t.start;
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
    // What this reader would have done on meeting a main entity here.
    placer.finish(at.line);
    Reader& second = half->reader;
    for (Warning& w : second.warnings_)
        warn(w.line, std::move(w.message));
    suppressed_ += second.suppressed_;
    warnedTruncation_ = warnedTruncation_ || second.warnedTruncation_;
    fatal_ = std::move(second.fatal_);
    db_->appendEntities(*second.db_);
    tokens_ = second.tokens_;
    threads_ = 2;
    return true;
}

} // namespace vma::dxf
