// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up benchmark: starts the program's probe and the baseline's probe
// in turn, times each from process start to its first painted frame and
// records its peak resident memory. Prints a Markdown table.
// usage: marvendo-bench-startup PROGRAM_PROBE BASELINE_PROBE [RUNS]
// MARVENDO_BENCH_LAUNCHER, when set, starts each probe (for instance a
// Windows probe under wine).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run
{
    double milliseconds = 0;
    long peakKilobytes = 0;
};

Run runOnce(const char *path)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    char *launcher = std::getenv("MARVENDO_BENCH_LAUNCHER");
    char *direct[] = {const_cast<char *>(path), nullptr};
    char *launched[] = {launcher, const_cast<char *>(path), nullptr};
    char **argv = launcher && *launcher ? launched : direct;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", path);
        std::exit(2);
    }
    close(out[1]);

    std::string seen;
    char buffer[256];
    Run run;
    ssize_t n;
    // Up to the frame only: a launcher's helper processes may keep the pipe open.
    while (run.milliseconds == 0 && (n = read(out[0], buffer, sizeof buffer)) > 0) {
        seen.append(buffer, std::size_t(n));
        if (seen.find("frame") != std::string::npos)  // a Windows probe ends it with CR LF
            run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    posix_spawn_file_actions_destroy(&actions);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    close(out[0]);
    if (run.milliseconds == 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not paint a frame and end cleanly (status %d)\n", path, status);
        std::exit(1);
    }
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_PROBE BASELINE_PROBE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    runOnce(argv[1]);  // warm the file cache for both
    runOnce(argv[2]);

    std::vector<double> programTimes, baselineTimes, ratios;
    std::vector<long> programPeaks, baselinePeaks;
    for (int i = 0; i < runs; ++i) {
        const bool programFirst = i % 2 == 0;
        const Run a = runOnce(programFirst ? argv[1] : argv[2]);
        const Run b = runOnce(programFirst ? argv[2] : argv[1]);
        const Run &program = programFirst ? a : b;
        const Run &baseline = programFirst ? b : a;
        // Each pair runs back to back, on the machine as it is then.
        ratios.push_back(program.milliseconds / baseline.milliseconds);
        programTimes.push_back(program.milliseconds);
        baselineTimes.push_back(baseline.milliseconds);
        programPeaks.push_back(program.peakKilobytes);
        baselinePeaks.push_back(baseline.peakKilobytes);
    }

    const double tp = median(programTimes), tb = median(baselineTimes);
    const long mp = median(programPeaks), mb = median(baselinePeaks);
    std::printf("| Measure | Program | Baseline | Ratio |\n|---|---|---|---|\n");
    std::printf("| Start-up to first painted frame, median of %d alternating runs (ratio: the median pair's) | %.1f ms | %.1f ms | %.3f |\n",
                runs, tp, tb, median(ratios));
    std::printf("| Peak resident memory, median | %ld KiB | %ld KiB | %.3f |\n", mp, mb, double(mp) / double(mb));
    return 0;
}
