// Setup of the tests of LISP functions that read user input: the LISP test
// session with a driver playing the user, and a table runner that queues each
// case's answers before evaluating its expression.
#pragma once

#include "host/input/driver.h"
#include "host/sysvar/access.h"
#include "lisp_fixture.h"

#include <memory>
#include <vector>

namespace vma::test {

// One answer for the driver: typed text, a pick at a point, a key, or Esc.
struct Answer {
    enum class Kind { Text, Pick, Key, Esc } kind = Kind::Text;
    const wchar_t* text = L"";
    double x = 0, y = 0;
    int key = 0;
};

inline Answer typed(const wchar_t* text) {
    return {Answer::Kind::Text, text, 0, 0, 0};
}
inline Answer picked(double x, double y) {
    return {Answer::Kind::Pick, L"", x, y, 0};
}
inline Answer key(int code) {
    return {Answer::Kind::Key, L"", 0, 0, code};
}
inline Answer esc() {
    return {Answer::Kind::Esc, L"", 0, 0, 0};
}

struct InputCase {
    const wchar_t* text;
    std::vector<Answer> answers;
    const wchar_t* result;  // as LispTest::run gives it
    const wchar_t* message; // in the transcript, or nullptr
};

class LispInputTest : public LispTest {
protected:
    void SetUp() override {
        LispTest::SetUp();
        driver = std::make_unique<input::Driver>();
    }
    void TearDown() override {
        driver.reset();
        LispTest::TearDown();
    }

    // The printed result, or the last error line of the transcript.
    std::wstring ask(std::wstring_view text, const std::vector<Answer>& answers) {
        driver.reset();
        driver = std::make_unique<input::Driver>();
        for (const Answer& a : answers)
            queue(a);
        std::wstring result = lisp::evaluateText(text);
        if (!result.empty())
            return result;
        const std::wstring& t = driver->transcript();
        size_t at = t.rfind(L"; error:");
        return at == std::wstring::npos ? L"" : t.substr(at, t.find(L'\n', at) - at);
    }

    void checkInput(std::initializer_list<InputCase> cases) {
        for (const auto& c : cases) {
            EXPECT_EQ(ask(c.text, c.answers), c.result) << "input: " << wideToUtf8(c.text);
            if (c.message) {
                EXPECT_NE(driver->transcript().find(c.message), std::wstring::npos)
                    << wideToUtf8(c.text) << "\n"
                    << wideToUtf8(driver->transcript());
            }
        }
    }

    // One pixel one drawing unit, so pick boxes and apertures count in units.
    static void unitPixels() {
        auto& session = host::Session::get();
        ASSERT_TRUE(
            host::setSysvarInternal(session, "VIEWSIZE", host::SysvarValue::ofReal(1080)).ok());
        ASSERT_TRUE(
            host::setSysvarInternal(session, "APERTURE", host::SysvarValue::ofShort(2)).ok());
        ASSERT_TRUE(
            host::setSysvarInternal(session, "PICKBOX", host::SysvarValue::ofShort(2)).ok());
    }

    std::unique_ptr<input::Driver> driver;

private:
    void queue(const Answer& a) {
        switch (a.kind) {
        case Answer::Kind::Text:
            driver->type(a.text);
            return;
        case Answer::Kind::Pick:
            driver->pick(a.x, a.y);
            return;
        case Answer::Kind::Key:
            driver->key(a.key);
            return;
        case Answer::Kind::Esc:
            driver->esc();
            return;
        }
    }
};

} // namespace vma::test
