// Running a program of the build as a child process, as a shell would: its
// exit status and everything it printed on stdout and stderr.
#pragma once

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vma::test {

struct ProcessResult {
    int status = -1; // exit status; 128 + signal number when killed by a signal
    std::string out;
    std::string err;
};

inline std::string drainFile(FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    return text;
}

// Runs program (a path, not looked up) with args and stdin from /dev/null,
// or reading input when it is given.
inline ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                                const std::string& input = {}) {
    using File = std::unique_ptr<FILE, int (*)(FILE*)>;
    File out(std::tmpfile(), &std::fclose);
    File err(std::tmpfile(), &std::fclose);
    File in(std::tmpfile(), &std::fclose);
    if (!out || !err || !in)
        return {};
    std::fwrite(input.data(), 1, input.size(), in.get());
    std::fflush(in.get());
    std::rewind(in.get());
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t pid = fork();
    if (pid == 0) {
        int devnull = open("/dev/null", O_RDONLY);
        dup2(input.empty() ? devnull : fileno(in.get()), 0);
        dup2(fileno(out.get()), 1);
        dup2(fileno(err.get()), 2);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ProcessResult result;
    int wstatus = 0;
    if (pid < 0 || waitpid(pid, &wstatus, 0) != pid)
        return result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    result.out = drainFile(out.get());
    result.err = drainFile(err.get());
    return result;
}

} // namespace vma::test
