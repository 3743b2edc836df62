#include "run/page_file.h"

#include "platform/text_file.h"

namespace treepage {

void WritePageFile(const std::string& file_name, const std::string& text) {
  TextFile file(file_name);
  file.Rewrite();
  file.Write(text);
  file.Close();
}

}  // namespace treepage
