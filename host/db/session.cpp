#include "host/db/session.h"

#include "host/base/text.h"

#include <cstdio>

namespace vma::host {

Session& Session::get() {
    static Session session;
    return session;
}

Session::Session() {
    reset();
}

void Session::reset() {
    documents_.clear();
    current_ = 0;
    supportPath_.clear();
    profileDir_.clear();
    sysvars_ = SysvarTable();
    selections_ = SelectionSets();
    output_ = [](std::wstring_view text) { std::fputs(wideToUtf8(text).c_str(), stdout); };
    untitled_ = 0;
    errno_ = 0;
    lastInput_.clear();
}

Document& Session::current() {
    if (!hasDocument())
        open(nullptr);
    return *documents_[current_];
}

Document& Session::open(std::unique_ptr<db::Database> db, std::filesystem::path path) {
    auto doc = std::make_unique<Document>();
    doc->db = db ? std::move(db) : db::Database::createNew();
    doc->db->clearModified();
    errno_ = 0;
    doc->name = path.empty() ? L"Drawing" + std::to_wstring(++untitled_) + L".dwg"
                             : path.filename().wstring();
    doc->path = std::move(path);
    documents_.push_back(std::move(doc));
    current_ = documents_.size() - 1;
    Document& opened = *documents_.back();
    for (DocumentObserver* observer : std::vector(observers_))
        observer->opened(opened);
    return opened;
}

void Session::makeCurrent(const Document& doc) {
    for (size_t i = 0; i < documents_.size(); ++i)
        if (documents_[i].get() == &doc)
            current_ = i;
}

void Session::close(const Document& doc) {
    for (size_t i = 0; i < documents_.size(); ++i) {
        if (documents_[i].get() != &doc)
            continue;
        for (DocumentObserver* observer : std::vector(observers_))
            observer->closing(*documents_[i]);
        documents_.erase(documents_.begin() + static_cast<long>(i));
        if (current_ >= documents_.size() && current_ > 0)
            current_ = documents_.size() - 1;
        return;
    }
}

void Session::addObserver(DocumentObserver* observer) {
    observers_.push_back(observer);
}

void Session::removeObserver(DocumentObserver* observer) {
    std::erase(observers_, observer);
}

void Session::saving(Document& doc) {
    for (DocumentObserver* observer : std::vector(observers_))
        observer->saving(doc);
}

Document* Session::findBySerial(int64_t serial) {
    for (auto& doc : documents_)
        if (doc->db->serial() == serial)
            return doc.get();
    return nullptr;
}

void Session::print(std::wstring_view text) const {
    if (output_)
        output_(text);
}

} // namespace vma::host
