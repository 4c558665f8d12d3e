// Settings files as the reader meets them: any bytes, any line ends, NULs,
// broken UTF-8, endless lines. The text is read into a file record and
// rendered back as the write-back would put it on disk.
#include "settings/ini_load.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile file;
    ini_read_text(file, std::string_view(reinterpret_cast<const char*>(data), size));
    ini_file_lines(file);
    return 0;
}
