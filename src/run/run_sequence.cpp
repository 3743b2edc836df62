#include "run/run_sequence.h"

#include <cstdint>
#include <exception>
#include <new>

#include "listing/folder_scanner.h"
#include "page/page_builder.h"
#include "platform/command_line.h"
#include "platform/exceptions.h"
#include "platform/process.h"
#include "platform/string_list.h"
#include "run/failure_report.h"
#include "run/page_file.h"

namespace treepage {
namespace {

// The step of the run under way, so that a failure without an address of its
// own (exhausted memory) can still be placed in the code that was running.
std::uintptr_t running_step = 0;

template <typename Function>
void EnterStep(Function* step) {
  running_step = reinterpret_cast<std::uintptr_t>(step);
}

[[noreturn]] void Report(const Exception& failure) {
  ShowFailureAndExit(FormatFailureReport(failure.ClassName(), ModuleFileName(),
                                         ModuleOffset(failure.CodeAddress()), failure.Message()));
}

}  // namespace

void RunJob(const std::vector<std::string>& arguments) {
  if (arguments.size() != 2) return;
  const std::string& RootFolder = arguments[0];
  const std::string& OutputFile = arguments[1];

  TStringList EntryList;
  EnterStep(&ScanFolder);
  ScanFolder(RootFolder, EntryList, "");
  EnterStep(static_cast<std::string (*)(const std::string&, const TStringList&)>(&BuildPage));
  const std::string PageText = BuildPage(RootFolder, EntryList);
  EnterStep(&WritePageFile);
  WritePageFile(OutputFile, PageText);
}

void RunProgram(int argc, char** argv) {
  EnterStep(&RunProgram);
  try {
    RunJob(ProgramArguments(argc, argv));
  } catch (const Exception& failure) {
    Report(failure);
  } catch (const std::bad_alloc&) {
    Report(EOutOfMemory(running_step));
  } catch (const std::exception& failure) {
    Report(Exception(failure.what(), running_step));
  }
  EndProcess(0);
}

}  // namespace treepage
