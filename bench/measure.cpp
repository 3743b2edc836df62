// Runs a command once and prints its wall time in seconds and its peak
// resident memory in KiB. Measures from a small process, so that the
// parent's memory does not show in the child's.
//
// usage: treepage_measure COMMAND [ARGUMENT...]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  std::printf("%.6f %ld %d\n", wall.count(), usage.ru_maxrss,
              WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  return 0;
}
