// Start-up of whole programs, each run with the probe library preloaded,
// which ends it at the first event-loop pass after its first window is
// painted. The programs are run in turn (A B C A B C ...), so a machine that
// grows busier or quieter weighs on all of them alike.
// Usage: bench_startup <rounds> <probe.so> <name>=<program> ...
// The first program is the one measured; the others are its yardsticks.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include "Median.h"

extern char** environ;

namespace {

struct Program {
    std::string name, path, title;
    std::vector<double> loadMs, paintMs, exitMs, cpuMs, peakKiB;
};

// Each measured from the spawn: the QApplication made (the libraries loaded
// and the platform plugin connected), the first window painted, the process
// reaped; then the processor time and the peak resident memory.
struct Column {
    const char* Label;
    int Width, Decimals;
    std::vector<double> Program::*Values;
};
const Column kColumns[] = {
    {"QApp ms", 8, 1, &Program::loadMs},        {"painted ms", 11, 1, &Program::paintMs},
    {"exit ms", 8, 1, &Program::exitMs},        {"CPU ms", 8, 1, &Program::cpuMs},
    {"peak RSS KiB", 13, 0, &Program::peakKiB},
};

long long NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "bench_startup: %s\n", what.c_str());
    std::exit(1);
}

// The environment the program starts in: ours with the probe preloaded.
std::vector<std::string> ChildEnvironment(const std::string& probe)
{
    std::vector<std::string> env;
    std::string preload = "LD_PRELOAD=" + probe;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) == 0)
            preload += std::string(":") + (*e + 11);
        else
            env.emplace_back(*e);
    }
    env.push_back(preload);
    return env;
}

// One run: the probe's report comes through descriptor 3 of the child.
void RunOnce(Program& p, const std::vector<std::string>& env, bool keep)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) Fail(std::strerror(errno));
    // Above 3, so the dup2 below really makes a new descriptor without close-on-exec.
    const int readEnd = fcntl(fds[0], F_DUPFD_CLOEXEC, 10), writeEnd = fcntl(fds[1], F_DUPFD_CLOEXEC, 10);
    close(fds[0]);
    close(fds[1]);
    if (readEnd < 0 || writeEnd < 0) Fail(std::strerror(errno));

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(p.path.c_str()), nullptr};

    pid_t pid = 0;
    const long long start = NowNs();
    const int spawned = posix_spawn(&pid, p.path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(writeEnd);
    if (spawned != 0) Fail(p.path + ": " + std::strerror(spawned));
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR) Fail(std::strerror(errno));
    const long long end = NowNs();

    char report[512] = {};
    const ssize_t got = read(readEnd, report, sizeof report - 1);
    close(readEnd);
    long long made = 0, painted = 0;
    char title[256] = {};
    if (got <= 0 || std::sscanf(report, "%lld %lld %255[^\n]", &made, &painted, title) < 2)
        Fail(p.name + " ended (status " + std::to_string(status) + ") before its first window was painted");
    if (p.title.empty()) p.title = title;
    if (p.title != title) Fail(p.name + " showed \"" + title + "\" first, not \"" + p.title + "\"");
    if (!keep) return;
    p.loadMs.push_back((made - start) / 1e6);
    p.paintMs.push_back((painted - start) / 1e6);
    p.exitMs.push_back((end - start) / 1e6);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    p.cpuMs.push_back(ms(usage.ru_utime) + ms(usage.ru_stime));
    p.peakKiB.push_back(static_cast<double>(usage.ru_maxrss));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <rounds> <probe.so> <name>=<program> <name>=<program> ...\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    if (rounds < 1) Fail("rounds must be a positive number");
    const std::vector<std::string> env = ChildEnvironment(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const char* eq = std::strchr(argv[i], '=');
        if (!eq) Fail(std::string("not name=program: ") + argv[i]);
        programs.push_back({std::string(argv[i], static_cast<size_t>(eq - argv[i])), eq + 1, {}, {}, {}, {}, {}, {}});
    }

    // One unmeasured round fills the page cache and the font caches for all.
    for (Program& p : programs) RunOnce(p, env, false);
    for (int round = 0; round < rounds; ++round)
        for (Program& p : programs) RunOnce(p, env, true);

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d rounds after one warm-up, first window \"%s\"\n", platform ? platform : "(default)",
                rounds, programs[0].title.c_str());
    std::printf("%-32s", "median");
    for (const Column& c : kColumns) std::printf(" %*s", c.Width, c.Label);
    std::printf("\n");
    for (const Program& p : programs) {
        std::printf("%-32s", p.name.c_str());
        for (const Column& c : kColumns) std::printf(" %*.*f", c.Width, c.Decimals, Median(p.*c.Values));
        std::printf("\n");
    }
    // The measured program against each other, then each later one against
    // each earlier: the ratio of the medians, and the median of the ratios
    // within each round, which a load that comes and goes sways less.
    const auto ratio = [](const Program& x, const Program& y) {
        std::printf("%-32s", ("ratio " + x.name + " / " + y.name).c_str());
        for (const Column& c : kColumns) std::printf(" %*.3f", c.Width, Median(x.*c.Values) / Median(y.*c.Values));
        std::printf("\n%-32s", "  round by round");
        for (const Column& c : kColumns) {
            std::vector<double> r;
            for (size_t i = 0; i < (x.*c.Values).size(); ++i) r.push_back((x.*c.Values)[i] / (y.*c.Values)[i]);
            std::printf(" %*.3f", c.Width, Median(r));
        }
        std::printf("\n");
    };
    for (size_t b = 1; b < programs.size(); ++b) ratio(programs[0], programs[b]);
    for (size_t a = 1; a < programs.size(); ++a)
        for (size_t b = a + 1; b < programs.size(); ++b) ratio(programs[b], programs[a]);
    return 0;
}
