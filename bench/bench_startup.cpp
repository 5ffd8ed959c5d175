// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the window as a user meets it: the time from spawning the
// window driver (the program's window, told to end right after its first
// paint, offscreen) to its exit, and the peak resident memory of that run,
// with the graph the window opens with. Each repetition is one start; the
// aggregates give the median. Targets: under 300 ms, under 60 MB.
//
// The driver is found in this benchmark's build directory
// (<build>/tools/driver/stagepath_driver).

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char **environ;

namespace {

std::string programPath()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "stagepath_driver";
    return (self.parent_path().parent_path() / "tools" / "driver" / "stagepath_driver").string();
}

// This process's environment with the offscreen platform.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (entry.starts_with("QT_QPA_PLATFORM="))
            continue;
        env.emplace_back(entry);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

struct Run {
    bool ok = false;
    std::string problem;
    double seconds = 0;
    long peakKiB = 0; // ru_maxrss of the child, in KiB on Linux
};

Run startOnce(const std::string &program, const std::vector<std::string> &env)
{
    std::vector<char *> envp;
    for (const std::string &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);
    char quitAfterPaint[] = "--quit-after-paint";
    char *argv[] = {const_cast<char *>(program.c_str()), quitAfterPaint, nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.problem = "cannot start " + program + ": " + std::strerror(spawned);
        return run;
    }

    // A program that never paints would hang the benchmark: end it after 10 s.
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool killed = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!ended.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) {
            killed = true;
            kill(pid, SIGKILL);
        }
    });

    int status = 0;
    rusage usage{};
    pid_t waited;
    do {
        waited = wait4(pid, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    const auto end = std::chrono::steady_clock::now();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    ended.notify_one();
    watchdog.join();

    run.seconds = std::chrono::duration<double>(end - start).count();
    run.peakKiB = usage.ru_maxrss;
    if (waited != pid)
        run.problem = "lost the child process";
    else if (killed)
        run.problem = "the window did not exit within 10 s of starting (no first paint?)";
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.problem = "the window ended abnormally, status " + std::to_string(status);
    else
        run.ok = true;
    return run;
}

void BM_StartToFirstPaintAndExit(benchmark::State &state)
{
    const std::string program = programPath();
    if (access(program.c_str(), X_OK) != 0) {
        state.SkipWithError(("no program at " + program + "; build the stagepath_driver target").c_str());
        return;
    }
    const std::vector<std::string> env = childEnvironment();
    long peakKiB = 0;
    for (auto _ : state) {
        const Run run = startOnce(program, env);
        if (!run.ok) {
            state.SkipWithError(run.problem.c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        peakKiB = std::max(peakKiB, run.peakKiB);
    }
    state.counters["peak_MB"] = double(peakKiB) / 1024.0;
}
BENCHMARK(BM_StartToFirstPaintAndExit)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
