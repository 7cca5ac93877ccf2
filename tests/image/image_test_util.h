#pragma once
// Fixture projects and image readers shared by the image compiler tests.
#include "image/image_compiler.h"
#include "support/temp_dir.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zentar::test {

// Attributes of one row, in the order written.
using TRow = std::vector<std::pair<std::string, std::string>>;

// Markup characters escaped for an attribute value or an element text.
std::string Xml_Escape(const std::string& text);

// A row element with the given attributes.
std::string Row_Xml(const TRow& row);

// The five project files as the editors write them: root, sections, rows,
// the version comment after the root.
std::string Par_Gen_Xml(const std::vector<std::pair<std::string, std::string>>& keys);
std::string Rec_Frames_Xml(const std::vector<TRow>& rows);
std::string Send_Frames_Xml(const std::vector<TRow>& rows);
std::string Variables_Xml(const std::vector<TRow>& slave_to_master,
                          const std::vector<TRow>& master_to_slave);
std::string Groups_Xml(const std::vector<TRow>& slave_to_master,
                       const std::vector<TRow>& master_to_slave);

// A project folder in a temporary directory.
class TFixture_Project {
public:
  std::string Dir() const { return dir_.Path(); }
  std::string File(const std::string& name) const { return dir_ / name; }
  void Write(const std::string& name, const std::string& data) const {
    Write_Text(dir_ / name, data);
  }
  // Compiles the folder; fails the test on a refusal.
  TImages Compile() const;
  // Compiles the folder and returns the refusal message ("" when it compiled).
  std::string Refusal() const;

private:
  TTemp_Dir dir_;
};

uint32_t U32(const std::vector<uint8_t>& image, size_t offset);
uint16_t U16(const std::vector<uint8_t>& image, size_t offset);

// Offsets in bank 2.
inline constexpr size_t Rec_Entry(size_t i) { return 32 * i; }
inline constexpr size_t Send_Entry(size_t i) { return 16384 + 32 * i; }
inline constexpr size_t Section = 32768;
inline constexpr size_t In_Record(size_t i) { return Section + 40 + 32 * i; }
inline constexpr size_t Out_Record(size_t i) { return Section + 8232 + 32 * i; }
inline constexpr size_t Group_Record = Section + 16424;
inline constexpr size_t Pool = Section + 16557;
inline constexpr uint32_t B = 0x88000; // device address of the section

// Where an offset of a bank lies, in the images' own terms: "bank 2, send
// table, entry 3, offset 16 (number of data bytes)".
std::string Describe_Offset(int bank, size_t offset);

// Byte-for-byte comparison that names the first differing offset and its
// field.
::testing::AssertionResult Same_Image(int bank, const std::vector<uint8_t>& actual,
                                      const std::vector<uint8_t>& expected);

} // namespace zentar::test
