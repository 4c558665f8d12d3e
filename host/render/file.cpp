#include "host/render/file.h"

#include <fstream>
#include <unistd.h>

namespace vma::render {

ErrorOr<void> replaceFile(const std::filesystem::path& path,
                          const std::function<ErrorOr<void>(const std::filesystem::path&)>& write) {
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(getpid());
    ErrorOr<void> written = write(temp);
    std::error_code ec;
    if (!written.ok()) {
        std::filesystem::remove(temp, ec);
        return written;
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::string reason = ec.message();
        std::filesystem::remove(temp, ec);
        return Error{"cannot replace " + path.string() + ": " + reason};
    }
    return {};
}

ErrorOr<void> writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    return replaceFile(path, [bytes](const std::filesystem::path& temp) -> ErrorOr<void> {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            return Error{"cannot write " + temp.string()};
        return {};
    });
}

} // namespace vma::render
