// Starts programs in turn, each run to its end, and compares their wall-clock
// time and peak resident memory with a baseline's, all measured in the same
// run so that the machine's noise falls on each alike.
//
// Usage: startup_runner RUNS BASELINE PROGRAM [PROGRAM...]
// The last line is the start-up ratio of the first PROGRAM to the BASELINE.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds;
  double peak_mib;
};

bool RunOnce(const char* program, Run& run) {
  char* const argv[] = {const_cast<char*>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  const auto end = std::chrono::steady_clock::now();
  run.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
  run.peak_mib = usage.ru_maxrss / 1024.0;  // ru_maxrss is in KiB
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Name(const char* path) {
  const std::string name(path);
  return name.substr(name.rfind('/') + 1);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s RUNS BASELINE PROGRAM [PROGRAM...]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::vector<const char*> programs(argv + 2, argv + argc);
  std::vector<std::vector<double>> time(programs.size()), memory(programs.size());
  Run run{};
  for (const char* program : programs) RunOnce(program, run);  // warm the caches
  for (int i = 0; i < runs; ++i) {
    for (std::size_t k = 0; k < programs.size(); ++k) {
      if (!RunOnce(programs[k], run)) {
        std::fprintf(stderr, "%s failed\n", programs[k]);
        return 1;
      }
      time[k].push_back(run.milliseconds);
      memory[k].push_back(run.peak_mib);
    }
  }

  std::printf("median of %d runs each, interleaved\n", runs);
  std::printf("%-24s %14s %8s %16s %8s\n", "program", "first frame ms", "ratio", "peak memory MiB",
              "ratio");
  for (std::size_t k = 0; k < programs.size(); ++k) {
    std::printf("%-24s %14.1f %8.3f %16.1f %8.3f\n", Name(programs[k]).c_str(), Median(time[k]),
                Median(time[k]) / Median(time[0]), Median(memory[k]),
                Median(memory[k]) / Median(memory[0]));
  }
  std::printf("start-up ratio: %.3f\n", Median(time[1]) / Median(time[0]));
  return 0;
}
