#pragma once
// Integer and address text rules shared by every field, cell and file reader.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentar {

// Value of an integer text: leading blanks, optional sign, decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X", nothing after the last
// digit. Any other text gives the fallback.
int Text_To_Int(std::string_view text, int fallback);
int64_t Text_To_Int64(std::string_view text, int64_t fallback);

// Splits a dotted IPv4 address text into its four trimmed parts; true when all
// four are integer texts from 0 to 255.
bool Split_IP(std::string_view text, std::string& ip1, std::string& ip2, std::string& ip3,
              std::string& ip4);

// Removes every character with a code of 32 or less from both ends.
std::string Trim(std::string_view text);
// Upper-cases the ASCII letters a to z only.
std::string Upper_Case(std::string_view text);
// Equal after ASCII upper-casing of both sides.
bool Same_Text(std::string_view a, std::string_view b);

// Decimal text, leading "-" for negative values, no grouping.
std::string Int_To_Str(int64_t value);
// Capital hexadecimal digits, zero padded to at least `digits`, no prefix.
std::string Int_To_Hex(uint64_t value, int digits);

// Serial ports that exist on this machine, free or busy, as device names
// ("ttyS0", "ttyUSB1", ...) in ascending order.
std::vector<std::string> List_COM_Ports();
// Same, looking into a given device folder (tests point it at a folder of their own).
std::vector<std::string> List_COM_Ports(const std::string& dev_dir);

} // namespace zentar
