#include "host/db/group.h"

namespace vma::db {

void GroupList::reserve(size_t groups, size_t textBytes) {
    groups_.reserve(groups);
    pool_.reserve(textBytes);
}

void GroupList::clear() {
    groups_.clear();
    pool_.clear();
}

double GroupList::real(size_t i) const {
    const Group& g = groups_[i];
    if (g.kind == GroupKind::Real)
        return g.real();
    return g.kind == GroupKind::Int ? static_cast<double>(g.integer()) : 0.0;
}

int64_t GroupList::integer(size_t i) const {
    const Group& g = groups_[i];
    if (g.kind == GroupKind::Int)
        return g.integer();
    return g.kind == GroupKind::Real ? static_cast<int64_t>(g.real()) : 0;
}

uint32_t GroupList::store(std::string_view value) {
    auto offset = static_cast<uint32_t>(pool_.size());
    pool_.append(value);
    return offset;
}

void GroupList::addFrom(const GroupList& other, size_t i) {
    const Group& g = other.groups_[i];
    if (g.kind == GroupKind::Text)
        addText(g.code, other.text(g));
    else
        groups_.push_back(g);
}

void GroupList::insertText(size_t at, int code, std::string_view value) {
    addText(code, value);
    Group g = groups_.back();
    groups_.pop_back();
    groups_.insert(groups_.begin() + static_cast<long>(at), g);
}

void GroupList::erase(size_t at, size_t count) {
    groups_.erase(groups_.begin() + static_cast<long>(at),
                  groups_.begin() + static_cast<long>(at + count));
}

long GroupList::find(int code, size_t from) const {
    for (size_t i = from; i < groups_.size(); ++i)
        if (groups_[i].code == code)
            return static_cast<long>(i);
    return -1;
}

std::optional<std::string_view> GroupList::findText(int code) const {
    long i = find(code);
    if (i < 0 || groups_[i].kind != GroupKind::Text)
        return std::nullopt;
    return text(groups_[i]);
}

std::optional<double> GroupList::findReal(int code) const {
    long i = find(code);
    if (i < 0 || groups_[i].kind == GroupKind::Text)
        return std::nullopt;
    return real(static_cast<size_t>(i));
}

std::optional<int64_t> GroupList::findInt(int code) const {
    long i = find(code);
    if (i < 0 || groups_[i].kind == GroupKind::Text)
        return std::nullopt;
    return integer(static_cast<size_t>(i));
}

void GroupList::setText(int code, std::string_view value) {
    long i = find(code);
    if (i < 0) {
        addText(code, value);
        return;
    }
    groups_[i].setText(store(value), static_cast<uint32_t>(value.size()));
}

void GroupList::setReal(int code, double value) {
    long i = find(code);
    if (i < 0) {
        addReal(code, value);
        return;
    }
    groups_[i].setReal(value);
}

void GroupList::setInt(int code, int64_t value) {
    long i = find(code);
    if (i < 0) {
        addInt(code, value);
        return;
    }
    groups_[i].setInteger(value);
}

void GroupList::replaceAt(size_t i, const GroupList& other, size_t j) {
    const Group& src = other.groups_[j];
    Group g = src;
    if (src.kind == GroupKind::Text)
        g.setText(store(other.text(src)), src.size());
    groups_[i] = g;
}

bool operator==(const GroupList& a, const GroupList& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const Group& x = a.groups_[i];
        const Group& y = b.groups_[i];
        if (x.code != y.code || x.kind != y.kind)
            return false;
        bool same = x.kind == GroupKind::Text   ? a.text(x) == b.text(y)
                    : x.kind == GroupKind::Real ? x.real() == y.real()
                                                : x.integer() == y.integer();
        if (!same)
            return false;
    }
    return true;
}

} // namespace vma::db
