// Test helper: starts a program with an exact command line, read as UTF-8
// from the file named by the only argument, and ends with the program's exit
// code.
// Wine builds a command line from Unix arguments by its own quoting rules;
// this passes one through unchanged.

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 254;
  std::ifstream file(argv[1], std::ios::binary);
  std::string command_line((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
  std::wstring wide(command_line.size() + 1, L'\0');
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, command_line.data(), static_cast<int>(command_line.size()),
                          wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(length));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = 255;
  GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exit_code);
}
