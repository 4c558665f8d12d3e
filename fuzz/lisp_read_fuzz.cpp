// Any text given to the AutoLISP reader gives values or an Error, never a
// crash or a hang; what it reads prints as text that reads back to the same
// printed form.
#include "host/base/text.h"
#include "host/lisp/printer.h"
#include "host/lisp/reader.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::wstring text = vma::utf8ToWide(vma::isValidUtf8(bytes) ? bytes : vma::cp1252ToUtf8(bytes));
    auto values = vma::lisp::readAll(text);
    if (!values)
        return 0;
    for (const auto& value : values.value()) {
        std::wstring printed = vma::lisp::toText(value, vma::lisp::PrintMode::Prin1);
        auto again = vma::lisp::readAll(printed);
        if (!again || again.value().size() != 1)
            std::abort();
        if (vma::lisp::toText(again.value()[0], vma::lisp::PrintMode::Prin1) != printed)
            std::abort();
    }
    return 0;
}
