#pragma once

namespace treepage {

// The byte between folder names in paths and relative entries.
extern const char kPathSeparator;

}  // namespace treepage
