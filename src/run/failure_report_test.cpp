#include "run/failure_report.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace treepage {
namespace {

TEST(FailureReport, NamesClassModuleOffsetAndMessage) {
  EXPECT_EQ(FormatFailureReport("EInOutError", "treepage.exe", 0x1A2B, "File access denied"),
            "Exception EInOutError in module treepage.exe at 00001A2B.\nFile access denied.");
  EXPECT_EQ(FormatFailureReport("EOutOfMemory", "treepage", 0xFFFFFFFF, "Out of memory"),
            "Exception EOutOfMemory in module treepage at FFFFFFFF.\nOut of memory.");
}

TEST(FailureReport, AddsAFullStopOnlyWhereMissing) {
  EXPECT_EQ(FormatFailureReport("Exception", "m", 0, "Done."),
            "Exception Exception in module m at 00000000.\nDone.");
  EXPECT_EQ(FormatFailureReport("Exception", "m", 0, ""),
            "Exception Exception in module m at 00000000.\n");
}

TEST(InOutErrorMessage, SelectsTheMessageByCode) {
  const std::pair<int, const char*> cases[] = {
      {2, "File not found"},
      {3, "Invalid filename"},
      {4, "Too many open files"},
      {5, "File access denied"},
      {100, "Read beyond end of file"},
      {101, "Disk full"},
      {106, "Invalid numeric input"},
      {112, "I/O error 112"},
      {32, "I/O error 32"},
      {0, "I/O error 0"},
  };
  for (const auto& [code, message] : cases) {
    EXPECT_EQ(InOutErrorMessage(code), message) << code;
    EXPECT_EQ(EInOutError(code, 0).Message(), message) << code;
  }
}

}  // namespace
}  // namespace treepage
