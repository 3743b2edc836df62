// The least work the job needs, for comparison: list every folder, stat every
// name, read every shortcut, and write one file of the page's size. It builds
// no page and parses nothing.
//
// usage: treepage_floor FOLDER OUTPUT

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {

std::string output;

void Walk(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  const int dir_fd = dirfd(dir);
  while (const dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    struct stat status;
    if (fstatat(dir_fd, name, &status, 0) != 0) continue;
    const std::string path = folder + "/" + name;
    // About what the page holds for the entry, so that the same bytes are written.
    output.append(2 * path.size() + 40, 'x');
    if (S_ISDIR(status.st_mode)) {
      Walk(path);
    } else if (const std::size_t length = std::strlen(name);
               length > 4 && std::strcmp(name + length - 4, ".url") == 0) {
      const int fd = openat(dir_fd, name, O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      char buffer[4096];
      while (read(fd, buffer, sizeof buffer) > 0) {
      }
      close(fd);
      output.append(100, 'u');
    }
  }
  closedir(dir);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  Walk(argv[1]);
  const int fd = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return 1;
  for (std::size_t done = 0; done < output.size();) {
    const ssize_t written = write(fd, output.data() + done, output.size() - done);
    if (written <= 0) return 1;
    done += static_cast<std::size_t>(written);
  }
  return close(fd) == 0 ? 0 : 1;
}
