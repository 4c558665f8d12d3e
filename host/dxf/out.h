// Appends DXF groups to the text of a file being written: code line, value
// line, CR LF after each. The text gathers in a buffer of its own and goes to
// a sink in large pieces, so a file is written without holding all of it.
#pragma once

#include "host/db/group.h"
#include "host/db/handle.h"
#include "host/db/subclass.h"

#include <memory>
#include <string>
#include <string_view>

namespace vma::dxf {

// Where written text goes: a string, or a file.
class Sink {
public:
    virtual ~Sink() = default;
    virtual void put(std::string_view text) = 0;
};

class StringSink : public Sink {
public:
    explicit StringSink(std::string& text) : text_(text) {}
    void put(std::string_view text) override { text_.append(text); }

private:
    std::string& text_;
};

class Out {
public:
    explicit Out(Sink& sink);

    void text(int code, std::string_view value);
    void integer(int code, int64_t value);
    void real(int code, double value);
    void handle(int code, db::Handle value);
    void point(int code, double x, double y, double z);
    // Group i of a list, whatever its kind.
    void group(const db::GroupList& groups, size_t i);
    // Groups [from, to) of a list.
    void groups(const db::GroupList& groups, size_t from, size_t to);
    // Hands what is buffered to the sink.
    void flush();

private:
    // Room for at least bytes more; the position to write them at.
    char* room(size_t bytes) {
        if (static_cast<size_t>(end_ - pos_) < bytes)
            makeRoom(bytes);
        return pos_;
    }
    void makeRoom(size_t bytes);
    // Writes the code line at p (room for kCodeRoom bytes); returns the end.
    static char* code(char* p, int code);
    void encodedText(int code, std::string_view value);

    Sink& sink_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    char* pos_ = nullptr;
    char* end_ = nullptr;
    std::string encoded_;
};

// Application groups (102 {NAME ... 102 }) stand between the handle and the
// owner of an entity, record or object: db::endOfAppGroups finds their end.
using db::endOfAppGroups;

} // namespace vma::dxf
