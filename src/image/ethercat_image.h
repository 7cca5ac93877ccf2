#pragma once
// The EtherCAT section of bank 2 (device address 0x88000): header, 256 + 256
// variable records, the group record, the empty text, then the pool of names,
// group names and initial values.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentar {

class TXml_Document;

inline constexpr int EtherCAT_Max_Variables = 256; // records per direction
inline constexpr int EtherCAT_Max_Groups = 16;     // groups per direction
inline constexpr size_t EtherCAT_Record_Size = 32;
inline constexpr size_t EtherCAT_In_Records = 40; // section offsets
inline constexpr size_t EtherCAT_Out_Records = 8232;
inline constexpr size_t EtherCAT_Group_Record = 16424;
inline constexpr size_t EtherCAT_Empty_Text = 16556;
inline constexpr size_t EtherCAT_Pool = 16557; // fixed part ends here

// Section header, fields in stored order.
struct TEtherCAT_Header {
  std::array<uint8_t, 14> eeprom{};
  uint16_t node_address = 0;
  uint8_t clear_data = 0;
  std::array<uint8_t, 3> spare{};
  uint32_t group_add = 0;
  uint32_t revision = 0;
  uint16_t num_in = 0;
  uint16_t num_out = 0;
  uint32_t in_add = 0;
  uint32_t out_add = 0;
};

// One process-data variable as the device sees it; `init_value` and `name`
// go to the pool.
struct TEtherCAT_pd {
  uint8_t Data_Type = 0;
  uint8_t length = 0;
  uint8_t access = 0;
  uint8_t bit_address = 0;
  uint32_t position = 0;
  uint32_t subindex = 0;
  uint32_t entry_index = 0;
  uint32_t group_index = 0xFFFFFFFF;
  uint32_t init_value_Add = 0;
  uint32_t name_length = 0;
  uint32_t name_add = 0;
  std::vector<uint8_t> init_value;
  std::string name;
};

// Names of the groups of both directions; the strings go to the pool.
struct TEtherCAT_Group {
  std::array<uint32_t, EtherCAT_Max_Groups> group_In_Add{};
  std::array<uint32_t, EtherCAT_Max_Groups> group_Out_Add{};
  uint8_t Num_In = 0;
  uint8_t Num_Out = 0;
  std::array<uint8_t, 2> Spare{};
  std::vector<std::string> group_In_Str;
  std::vector<std::string> group_Out_Str;
};

// Type code and length of a variable from the file's Type and Length texts.
void EtherCAT_Type(std::string_view type, std::string_view length_text, uint8_t& data_type,
                   uint8_t& length);

// Initial value bytes of a variable of `data_type` and `length` from the
// InitValue text; empty for type code 0.
std::vector<uint8_t> Init_Value_Bytes(uint8_t data_type, uint8_t length, std::string_view text);

// The revision number text as an unsigned 32-bit number: decimal 0 to
// 4294967295, or hexadecimal of at most 8 digits; anything else gives 0.
uint32_t Revision_Number(std::string_view text);

class TEtherCAT_Section {
public:
  TEtherCAT_Section() { Reset_EtherCAT_Section(); }

  // Header all 0, every record free, no groups.
  void Reset_EtherCAT_Section();

  // Header bytes 0 to 13 from the configuration text, two hexadecimal
  // characters a byte; a piece that is not hexadecimal gives no byte.
  void Parse_Eeprom_Config(std::string_view text);

  // Fills header addresses and counts, the records and the group record from
  // the variables file and the group file (nullptr: the file does not exist).
  // False with `error` (naming the file and the limit) for a file without its
  // sections, more than 256 enabled variables in a section or more than 16
  // groups in a direction.
  bool Build_EtherCAT_Section(uint32_t base, const TXml_Document* vars_doc,
                              const std::string& vars_path, const TXml_Document* group_doc,
                              const std::string& group_path, std::string& error);

  // Bytes from the section start to the end of the pool.
  size_t Section_Size() const { return section_size_; }

  // Writes the section from `start` (the caller has made room for
  // Section_Size() bytes there); returns the end offset.
  size_t Serialize_EtherCAT_Section(uint8_t* bank2, size_t start) const;

  TEtherCAT_Header header;
  std::array<TEtherCAT_pd, EtherCAT_Max_Variables> in;  // Slave to Master
  std::array<TEtherCAT_pd, EtherCAT_Max_Variables> out; // Master to Slave
  TEtherCAT_Group group;

private:
  size_t section_size_ = EtherCAT_Pool;
};

} // namespace zentar
