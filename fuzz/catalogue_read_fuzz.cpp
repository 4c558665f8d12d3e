// Fuzzes the message-catalogue reader: any bytes as a catalogue file, then
// lookups of the sections its trailer names and of lines around them, each
// text also used as a runtime format with every argument type.
#include "toolkit/dv_catalogue_reader.h"
#include "toolkit/dv_format.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

uint32_t sectionNumber(const uint8_t* data, size_t size, size_t index) {
    const size_t at = size - DV_TRAILER_SIZE + 16 + 4 * index;
    uint32_t value = 0;
    std::memcpy(&value, data + at, 4);
    return value;
}

void useAsFormat(const std::wstring& text) {
    const DvArg args[] = {dv_arg(12), dv_arg(2.5), dv_arg(L"tekst"), DvArg{}};
    for (const DvArg& arg : args) {
        const DvArg one[] = {arg};
        dv_format(text, one);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DvCatalogueReader reader;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (reader.open(std::make_unique<DvMemorySource>(bytes)) != DvCatalogueReader::Open::Ok)
        return 0;
    for (size_t s = 0; s < 4; ++s) {
        const uint32_t section = sectionNumber(data, size, s);
        for (int line : {-1, 0, 1, 2, 7, 1 << 30}) {
            for (int language : {0, 1, 2, 3}) {
                const DvLookup found = reader.lookup(section, line, 3, language);
                useAsFormat(found.text);
            }
        }
    }
    return 0;
}
