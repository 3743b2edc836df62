#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace treepage {

// The report on a failure that ended the run: a line naming the failure's
// class, the module and the code offset, a lone LF, then the message, ended
// by a "." unless it is empty or has one already.
std::string FormatFailureReport(std::string_view class_name, std::string_view module_name,
                                std::uint32_t offset, std::string_view message);

}  // namespace treepage
