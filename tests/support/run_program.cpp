#include "run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

extern char** environ;

namespace kurvo::test {

namespace {

ProgramResult Run(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& env, const ProgramLimits* limits) {
    ProgramResult result;
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return result;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        close(outPipe[0]);
        close(errPipe[0]);
        for (const auto& e : env) putenv(strdup(e.c_str()));
        if (limits) {
#ifdef __SANITIZE_ADDRESS__
            // The sanitizer reserves terabytes of address space for its
            // shadow, so the bound is on resident memory instead.
            const std::string options = std::string(getenv("ASAN_OPTIONS") ? getenv("ASAN_OPTIONS") : "") +
                                        ":hard_rss_limit_mb=" + std::to_string(limits->addressSpace >> 20);
            setenv("ASAN_OPTIONS", options.c_str(), 1);
#else
            const rlimit space{limits->addressSpace, limits->addressSpace};
            setrlimit(RLIMIT_AS, &space);
#endif
            alarm(limits->seconds);  // kept across exec
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    int open = 2;
    char buf[4096];
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
            ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? result.out : result.err).append(buf, static_cast<size_t>(n));
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env) {
    return Run(program, args, env, nullptr);
}

ProgramResult RunProgramLimited(const std::string& program, const std::vector<std::string>& args,
                                const ProgramLimits& limits, const std::vector<std::string>& env) {
    return Run(program, args, env, &limits);
}

}  // namespace kurvo::test
