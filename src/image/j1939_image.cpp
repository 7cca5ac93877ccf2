#include "image/j1939_image.h"

#include "common/text_rules.h"
#include "image/image_bytes.h"
#include "image/project_xml.h"

#include <cstring>
#include <vector>

namespace zentar {

namespace {

std::string_view Attr(const TXml_Node& row, const char* name) {
  return row.Attribute(name); // "" when absent
}

// The receive table takes only the upper-case flag as set.
bool Flag_Exact(const TXml_Node& row, const char* name) { return Attr(row, name) == "Y"; }
// The trigger flags are taken in either letter case.
bool Flag_Any_Case(const TXml_Node& row, const char* name) {
  const std::string_view v = Attr(row, name);
  return v == "Y" || v == "y";
}

uint32_t Int(const TXml_Node& row, const char* name, int fallback) {
  return static_cast<uint32_t>(Text_To_Int(Attr(row, name), fallback));
}

bool Too_Many(const std::vector<TXml_Node>& rows, const std::string& path, std::string& error) {
  if (rows.size() <= static_cast<size_t>(J1939_Table_Entries)) return false;
  error = path + ": " + std::to_string(rows.size()) + " frames, the device holds at most " +
          std::to_string(J1939_Table_Entries);
  return true;
}

void Store_Entry(uint8_t* p, const TJ1939_Entry& e) {
  Put_U32(p + 0, e.id);
  Put_U32(p + 4, e.word_4);
  Put_U32(p + 8, e.word_8);
  Put_U16(p + 12, e.position);
  Put_U16(p + 14, e.start);
  Put_U16(p + 16, e.nbyte);
  Put_U16(p + 18, e.spare_18);
  Put_U32(p + 20, e.word_20);
  Put_U32(p + 24, e.spare_24);
  Put_U16(p + 28, e.tp);
  p[30] = e.flags;
  p[31] = e.spare_31;
}

} // namespace

void TJ1939_Tables::Reset_J1939_Tables() {
  rec.fill(TJ1939_Entry{});
  send.fill(TJ1939_Entry{});
}

bool TJ1939_Tables::Build_J1939_Tables(uint8_t* bank1, uint32_t timeout_ms,
                                       const TXml_Document* rec_doc, const std::string& rec_path,
                                       const TXml_Document* send_doc, const std::string& send_path,
                                       std::string& error) {
  return Build_Receive_Table(bank1, timeout_ms, rec_doc, rec_path, error) &&
         Build_Send_Table(bank1, send_doc, send_path, error);
}

bool TJ1939_Tables::Build_Receive_Table(uint8_t* bank1, uint32_t timeout_ms,
                                        const TXml_Document* rec_doc, const std::string& rec_path,
                                        std::string& error) {
  std::vector<TXml_Node> rec_rows;
  if (rec_doc != nullptr) rec_rows = rec_doc->Root().Child_Elements();
  if (Too_Many(rec_rows, rec_path, error)) return false;

  Put_U32(bank1 + 204, J1939_Rec_Table_Address);
  Put_U32(bank1 + 208, J1939_Send_Table_Address);

  const bool peer_to_peer = (bank1[152] & 1) != 0;
  uint32_t running = 0;
  for (size_t i = 0; i < rec_rows.size(); ++i) {
    const TXml_Node& row = rec_rows[i];
    TJ1939_Entry& e = rec[i];
    // 32-bit arithmetic as stored: a PGN beyond 16 bits adds into the DP bits.
    uint32_t id = (Int(row, "DP", 0) * 65536u + Int(row, "PGN", 0)) * 256u;
    if (!peer_to_peer) id += Int(row, "SA", 0);
    e.id = id;
    e.word_4 = 0;
    e.word_8 = Flag_Exact(row, "Delete") ? timeout_ms : 0;
    e.tp = Flag_Exact(row, "TP") ? 1 : 0;
    e.position = static_cast<uint16_t>(running);
    e.start = static_cast<uint16_t>(Int(row, "TP_Start", 0));
    e.nbyte = static_cast<uint16_t>(Int(row, "TP_NByte", 8));
    e.flags = Flag_Any_Case(row, "OnRequest") ? 0x80 : 0;
    e.word_20 = Int(row, "OnReq_Time", 0);
    running += e.nbyte;
  }
  Put_U32(bank1 + 116, running);
  Put_U32(bank1 + 144, static_cast<uint32_t>(rec_rows.size()));
  return true;
}

bool TJ1939_Tables::Build_Send_Table(uint8_t* bank1, const TXml_Document* send_doc,
                                     const std::string& send_path, std::string& error) {
  std::vector<TXml_Node> send_rows;
  if (send_doc != nullptr) send_rows = send_doc->Root().Child_Elements();
  if (Too_Many(send_rows, send_path, error)) return false;
  uint32_t running = 0;
  for (size_t i = 0; i < send_rows.size(); ++i) {
    const TXml_Node& row = send_rows[i];
    TJ1939_Entry& e = send[i];
    e.id =
        ((Int(row, "Priority", 0) * 4u + Int(row, "DP", 0)) * 65536u + Int(row, "PGN", 0)) * 256u +
        Int(row, "SA", 0);
    e.word_4 = 0;
    e.flags = 0x01;
    if (Flag_Any_Case(row, "On_Request")) e.flags |= 0x40;
    if (Flag_Any_Case(row, "On_Data_Change")) e.flags |= 0x20;
    if (Flag_Any_Case(row, "On_Timer")) {
      e.flags |= 0x10;
      e.word_4 = Int(row, "SendTimer", 0);
    }
    const int nbyte = Text_To_Int(Attr(row, "TP_NByte"), 8);
    e.tp = nbyte > 8 ? 1 : 0;
    e.position = static_cast<uint16_t>(running);
    e.start = 0;
    e.nbyte = static_cast<uint16_t>(nbyte);
    running += static_cast<uint32_t>(nbyte);
  }
  Put_U32(bank1 + 120, running);
  Put_U32(bank1 + 148, static_cast<uint32_t>(send_rows.size()));
  return true;
}

size_t TJ1939_Tables::Serialize_J1939_Tables(uint8_t* bank2) const {
  size_t at = 0;
  for (const TJ1939_Entry& e : rec) {
    Store_Entry(bank2 + at, e);
    at += J1939_Entry_Size;
  }
  for (const TJ1939_Entry& e : send) {
    Store_Entry(bank2 + at, e);
    at += J1939_Entry_Size;
  }
  return at;
}

} // namespace zentar
