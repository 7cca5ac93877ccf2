#include "common/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentar {

namespace {

std::string Reason(int err) { return std::strerror(err); }

// Writes data to a new temporary file beside `path`, flushed to disk before it
// is renamed, so that after a crash the name holds either the old or the new
// content, never a torn file; returns its name.
bool Write_Temp(const std::string& path, std::string_view data, std::string& temp,
                std::string& error) {
  std::string pattern = path + ".tmp-XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const int fd = mkstemp(buf.data());
  if (fd < 0) {
    error = path + ": " + Reason(errno);
    return false;
  }
  temp = buf.data();
  // Keep the permissions a plain new file would get (mkstemp makes it 0600).
  const mode_t mask = umask(0);
  umask(mask);
  struct stat old {};
  const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
  fchmod(fd, mode);
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      close(fd);
      unlink(temp.c_str());
      error = path + ": " + Reason(err);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  if (fdatasync(fd) != 0) {
    const int err = errno;
    close(fd);
    unlink(temp.c_str());
    error = path + ": " + Reason(err);
    return false;
  }
  if (close(fd) != 0) {
    const int err = errno;
    unlink(temp.c_str());
    error = path + ": " + Reason(err);
    return false;
  }
  return true;
}

} // namespace

bool Write_Files_Safe(const std::vector<TFile_Write>& files, std::string& error) {
  std::vector<std::string> temps;
  for (const TFile_Write& f : files) {
    // An existing folder in place of the file would be replaced by rename only
    // if empty; refuse it plainly instead.
    if (Folder_Exists(f.path)) {
      error = f.path + ": " + Reason(EISDIR);
      for (const auto& t : temps)
        unlink(t.c_str());
      return false;
    }
    std::string temp;
    if (!Write_Temp(f.path, f.data, temp, error)) {
      for (const auto& t : temps)
        unlink(t.c_str());
      return false;
    }
    temps.push_back(temp);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (std::rename(temps[i].c_str(), files[i].path.c_str()) != 0) {
      error = files[i].path + ": " + Reason(errno);
      for (size_t j = i; j < temps.size(); ++j)
        unlink(temps[j].c_str());
      return false;
    }
  }
  return true;
}

bool Write_File_Safe(const std::string& path, std::string_view data, std::string& error) {
  return Write_Files_Safe({TFile_Write{path, std::string(data)}}, error);
}

bool Read_File(const std::string& path, std::string& data, std::string& error) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = path + ": " + Reason(errno);
    return false;
  }
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    close(fd);
    error = path + ": " + Reason(EISDIR);
    return false;
  }
  data.clear();
  if (st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      close(fd);
      error = path + ": " + Reason(err);
      return false;
    }
    if (n == 0) break;
    data.append(buf, static_cast<size_t>(n));
  }
  close(fd);
  return true;
}

bool File_Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool Folder_Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace zentar
