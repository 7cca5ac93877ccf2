#pragma once
// The two J1939 frame tables at the start of bank 2: 512 receive entries
// (device address 0x80000) and 512 send entries (0x84000) of 32 bytes each.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zentar {

class TXml_Document;

inline constexpr int J1939_Table_Entries = 512;
inline constexpr size_t J1939_Entry_Size = 32;
inline constexpr uint32_t J1939_Rec_Table_Address = 0x80000;
inline constexpr uint32_t J1939_Send_Table_Address = 0x84000;

// One entry of either table, fields in stored order. The names say what the
// receive table keeps there; the send table uses the same slots (word_4 is its
// send period, nbyte its number of data bytes).
struct TJ1939_Entry {
  uint32_t id = 0xFFFFFFFF;
  uint32_t word_4 = 0xFFFFFFFF;
  uint32_t word_8 = 0xFFFFFFFF; // receive: data time-out in ms
  uint16_t position = 0;        // place of the frame's data in its data area
  uint16_t start = 0;           // receive: first byte kept
  uint16_t nbyte = 0;
  uint16_t spare_18 = 0;
  uint32_t word_20 = 0xFFFFFFFF; // receive: request period in ms
  uint32_t spare_24 = 0;
  uint16_t tp = 0; // transport protocol
  uint8_t flags = 0;
  uint8_t spare_31 = 0;
};

class TJ1939_Tables {
public:
  TJ1939_Tables() { Reset_J1939_Tables(); }

  // Every entry of both tables free.
  void Reset_J1939_Tables();

  // Fills the entries from the two table files (nullptr: the file does not
  // exist) and writes counts, data totals and table addresses into bank 1.
  // Reads the peer-to-peer bit at bank 1 offset 152. False with `error` for a
  // file holding more frames than its table has entries; nothing is filled
  // then that the caller may use.
  bool Build_J1939_Tables(uint8_t* bank1, uint32_t timeout_ms, const TXml_Document* rec_doc,
                          const std::string& rec_path, const TXml_Document* send_doc,
                          const std::string& send_path, std::string& error);

  // The two halves of Build_J1939_Tables, so that each file can be read,
  // used and let go on its own.
  bool Build_Receive_Table(uint8_t* bank1, uint32_t timeout_ms, const TXml_Document* rec_doc,
                           const std::string& rec_path, std::string& error);
  bool Build_Send_Table(uint8_t* bank1, const TXml_Document* send_doc, const std::string& send_path,
                        std::string& error);

  // Writes the receive then the send entries from bank 2 offset 0; returns
  // the next offset (32768).
  size_t Serialize_J1939_Tables(uint8_t* bank2) const;

  std::array<TJ1939_Entry, J1939_Table_Entries> rec;
  std::array<TJ1939_Entry, J1939_Table_Entries> send;
};

} // namespace zentar
