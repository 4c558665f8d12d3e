#include "support/test_support.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vma::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::path(VMA_BINARY_DIR) / "test-tmp" /
            (std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path sourceDir() {
    return VMA_SOURCE_DIR;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

} // namespace vma::test
