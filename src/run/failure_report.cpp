#include "run/failure_report.h"

#include <cstdio>

namespace treepage {

std::string FormatFailureReport(std::string_view class_name, std::string_view module_name,
                                std::uint32_t offset, std::string_view message) {
  char offset_text[9];
  std::snprintf(offset_text, sizeof offset_text, "%08X", static_cast<unsigned>(offset));
  std::string report = "Exception ";
  report += class_name;
  report += " in module ";
  report += module_name;
  report += " at ";
  report += offset_text;
  report += ".\n";
  report += message;
  if (!message.empty() && !message.ends_with('.')) report += '.';
  return report;
}

}  // namespace treepage
