#include "support/run_program.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace treepage::testing {
namespace {

std::string ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string content;
  char buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, count);
  std::fclose(file);
  return content;
}

}  // namespace

void RequireTool(bool present, const std::string& why) {
  if (present) return;
  const char* ci = std::getenv("CI");
  if (ci != nullptr && std::string(ci) == "true") FAIL() << why;
  GTEST_SKIP() << why;
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const RunOptions& options) {
  // Root ignores permission bits; permission cases drop to "nobody".
  std::vector<std::string> command;
  if (options.unprivileged && geteuid() == 0) {
    command = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
  }
  command.push_back(program);
  command.insert(command.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);

  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  if (out == nullptr || err == nullptr) throw std::runtime_error("no temporary file");
  int pipe_ends[2] = {-1, -1};
  if (options.standard_output_to_pipe && pipe2(pipe_ends, O_CLOEXEC) != 0) {
    throw std::runtime_error("no pipe");
  }
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    if (options.standard_output_to_pipe) {
      dup2(pipe_ends[1], STDOUT_FILENO);
    } else if (!options.standard_output_appended_to.empty()) {
      const int fd =
          open(options.standard_output_appended_to.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0) _exit(126);
    } else {
      dup2(fileno(out), STDOUT_FILENO);
    }
    dup2(fileno(err), STDERR_FILENO);
    if (!options.working_folder.empty() && chdir(options.working_folder.c_str()) != 0) _exit(126);
    for (const std::string& setting : options.environment) {
      const std::size_t equals = setting.find('=');
      setenv(setting.substr(0, equals).c_str(), setting.substr(equals + 1).c_str(), 1);
    }
    if (options.file_size_limit != 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{options.file_size_limit, options.file_size_limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    }
    if (options.address_space_limit != 0) {
      const rlimit limit{options.address_space_limit, options.address_space_limit};
      if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(126);
    }
    execvp(argv[0], argv.data());
    _exit(127);
  }
  RunResult result;
  if (options.standard_output_to_pipe) {
    close(pipe_ends[1]);
    char buffer[4096];
    ssize_t count;
    while ((count = read(pipe_ends[0], buffer, sizeof buffer)) > 0) {
      result.standard_output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipe_ends[0]);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.peak_resident_kib = usage.ru_maxrss;
  const std::string captured = ReadAll(out);
  if (!options.standard_output_to_pipe) result.standard_output = captured;
  result.standard_error = ReadAll(err);
  return result;
}

}  // namespace treepage::testing
