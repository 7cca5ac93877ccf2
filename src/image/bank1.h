#pragma once
// Bank 1: the 2048-byte block of communication parameters, J1939 totals,
// table addresses and checksum (device address 0x07000).
#include <cstddef>
#include <cstdint>

namespace zentar {

class TEtherCAT_Section;
class TXml_Node;

inline constexpr size_t Bank1_Size = 2048;
inline constexpr uint32_t EtherCAT_Section_Address = 0x88000;

// The state before any parameter is read (also what a project without a
// parameter file gets).
void Initial_Bank1(uint8_t* bank1);

// Reads the parameter file's keys (children of `root`) into bank 1, the
// EtherCAT section header and the J1939 time-out in milliseconds. Absent keys
// and texts that are not integer texts take the compiler's fallbacks.
void Read_Communication_Parameters(const TXml_Node& root, uint8_t* bank1,
                                   TEtherCAT_Section& section, uint32_t& j1939_timeout_ms);

// Sum of the bytes at offsets 0 to 2043, modulo 2^32.
uint32_t Bank1_Checksum(const uint8_t* bank1);

// Bit rate in bit/s of a bit-rate code (the parameter window's list index).
uint32_t J1939_Bit_Rate(int code);

} // namespace zentar
