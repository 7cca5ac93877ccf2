#include "common/text_rules.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace zentar {

namespace {

int Hex_Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses an integer text of `bits` width (32 or 64). Returns false for any text
// that is not an integer text.
bool Parse_Integer(std::string_view s, int bits, int64_t& out) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ')
    ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  if (i >= s.size()) return false;
  bool hex = false;
  if (s[i] == '$' || s[i] == 'x' || s[i] == 'X') {
    hex = true;
    ++i;
  } else if (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= s.size()) return false;
  const uint64_t width_mask = bits == 64 ? ~uint64_t{0} : 0xFFFFFFFFull;
  uint64_t value = 0;
  if (hex) {
    for (; i < s.size(); ++i) {
      const int d = Hex_Digit(s[i]);
      if (d < 0) return false;
      if (value > (width_mask >> 4)) return false; // more bits than the width holds
      value = (value << 4) | static_cast<uint64_t>(d);
    }
    // The bit pattern is the value: $FFFFFFFF is -1 in 32 bits.
    int64_t v = bits == 64
                    ? static_cast<int64_t>(value)
                    : static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    if (negative) {
      v = bits == 64 ? static_cast<int64_t>(0 - static_cast<uint64_t>(v))
                     : static_cast<int64_t>(static_cast<int32_t>(0u - static_cast<uint32_t>(v)));
    }
    out = v;
    return true;
  }
  // Decimal: must fit the signed width.
  const uint64_t limit =
      bits == 64 ? static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0)
                 : static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0);
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c < '0' || c > '9') return false;
    const uint64_t d = static_cast<uint64_t>(c - '0');
    if (value > (limit - d) / 10) return false;
    value = value * 10 + d;
  }
  out = negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
  return true;
}

} // namespace

int Text_To_Int(std::string_view text, int fallback) {
  int64_t v = 0;
  return Parse_Integer(text, 32, v) ? static_cast<int>(v) : fallback;
}

int64_t Text_To_Int64(std::string_view text, int64_t fallback) {
  int64_t v = 0;
  return Parse_Integer(text, 64, v) ? v : fallback;
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32)
    ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32)
    --e;
  return std::string(text.substr(b, e - b));
}

std::string Upper_Case(std::string_view text) {
  std::string r(text);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

bool Same_Text(std::string_view a, std::string_view b) { return Upper_Case(a) == Upper_Case(b); }

std::string Int_To_Str(int64_t value) { return std::to_string(value); }

std::string Int_To_Hex(uint64_t value, int digits) {
  static const char hex[] = "0123456789ABCDEF";
  std::string r;
  do {
    r.push_back(hex[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  while (static_cast<int>(r.size()) < digits)
    r.push_back('0');
  std::reverse(r.begin(), r.end());
  return r;
}

bool Split_IP(std::string_view text, std::string& ip1, std::string& ip2, std::string& ip3,
              std::string& ip4) {
  std::string rest = Trim(text);
  size_t dot = rest.find('.');
  if (dot == std::string::npos) return false;
  ip1 = Trim(std::string_view(rest).substr(0, dot));
  rest = Trim(std::string_view(rest).substr(dot + 1));
  dot = rest.find('.');
  if (dot == std::string::npos) return false;
  ip2 = Trim(std::string_view(rest).substr(0, dot));
  rest = Trim(std::string_view(rest).substr(dot + 1));
  dot = rest.find('.');
  if (dot == std::string::npos) return false;
  ip3 = Trim(std::string_view(rest).substr(0, dot));
  ip4 = Trim(std::string_view(rest).substr(dot + 1));
  for (const std::string* part : {&ip1, &ip2, &ip3, &ip4}) {
    const int v = Text_To_Int(*part, 1000);
    if (v < 0 || v > 255) return false;
  }
  return true;
}

std::vector<std::string> List_COM_Ports(const std::string& dev_dir) {
  // Serial device families of Linux: on-board UARTs, USB adapters, CDC-ACM
  // modems, and the platform UARTs of embedded boards.
  static const char* const families[] = {"ttyS", "ttyUSB", "ttyACM", "ttyAMA", "rfcomm"};
  std::vector<std::pair<std::pair<int, long>, std::string>> found;
  DIR* dir = opendir(dev_dir.c_str());
  if (dir == nullptr) return {};
  while (dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    for (int f = 0; f < static_cast<int>(std::size(families)); ++f) {
      const std::string prefix = families[f];
      if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
      const std::string number = name.substr(prefix.size());
      if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
        continue;
      if (number.size() > 6) continue;
      const std::string path = dev_dir + "/" + name;
      struct stat st {};
      if (stat(path.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) continue;
      // A port exists when it opens, or when it refuses us because another
      // program holds it or we lack the rights; a node without a device behind
      // it (ENXIO, ENODEV, EIO) is not a port.
      const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
      bool exists = fd >= 0;
      if (fd >= 0) {
        close(fd);
      } else {
        exists = errno == EACCES || errno == EBUSY || errno == EPERM;
      }
      if (exists) found.push_back({{f, std::stol(number)}, name});
    }
  }
  closedir(dir);
  std::sort(found.begin(), found.end());
  std::vector<std::string> result;
  for (auto& f : found)
    result.push_back(f.second);
  return result;
}

std::vector<std::string> List_COM_Ports() { return List_COM_Ports("/dev"); }

} // namespace zentar
