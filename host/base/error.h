// Errors travel inside the host as values: ErrorOr<T> holds a result or an
// Error, and VMA_TRY returns the error to the caller. They become RT* codes only
// at the C boundary of the platform API.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace vma {

struct Error {
    std::string message;
    long line = 0; // line of the input file the error concerns; 0 when none
    int code = 0;  // a number the C boundary reports (the ERRNO of ADS calls); 0 when none

    static Error at(long line, std::string message) { return Error{std::move(message), line}; }
    static Error coded(int code, std::string message) { return Error{std::move(message), 0, code}; }
};

template <class T> class [[nodiscard]] ErrorOr {
public:
    ErrorOr(T value) : state_(std::move(value)) {}
    ErrorOr(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& value() const& { return std::get<0>(state_); }
    const Error& error() const { return std::get<1>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, Error> state_;
};

template <> class [[nodiscard]] ErrorOr<void> {
public:
    ErrorOr() = default;
    ErrorOr(Error error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    Error error_;
    bool failed_ = false;
};

} // namespace vma

#define VMA_CONCAT_(a, b) a##b
#define VMA_CONCAT(a, b) VMA_CONCAT_(a, b)

// Evaluates expr (an ErrorOr); on failure returns its error from the enclosing function.
#define VMA_TRY(expr)                                                                              \
    do {                                                                                           \
        auto&& vma_try_result = (expr);                                                            \
        if (!vma_try_result.ok())                                                                  \
            return vma_try_result.error();                                                         \
    } while (0)

// As VMA_TRY, and moves the value into the declaration: VMA_TRY_ASSIGN(auto x, parse(...));
#define VMA_TRY_ASSIGN(decl, expr)                                                                 \
    auto VMA_CONCAT(vma_try_, __LINE__) = (expr);                                                  \
    if (!VMA_CONCAT(vma_try_, __LINE__).ok())                                                      \
        return VMA_CONCAT(vma_try_, __LINE__).error();                                             \
    decl = std::move(VMA_CONCAT(vma_try_, __LINE__)).value()
