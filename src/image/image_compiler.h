#pragma once
// The configuration image compiler: turns a project folder's table files into
// bank1.bin (2048 bytes, device address 0x07000) and bank2.bin (the J1939
// frame tables and the EtherCAT section, device address 0x80000), and writes
// both into the project's bin folder.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentar {

inline constexpr size_t Bank2_Max_Size = 131072;
inline constexpr size_t Bank2_EtherCAT_Offset = 32768;

// The five project files the images are made from.
struct TProject_Files {
  std::string par_gen;
  std::string ethercat_slave;
  std::string ethercat_slave_group;
  std::string j1939_rec_frames;
  std::string j1939_send_frames;
};

// The files of the project folder `project_dir` under their fixed names.
TProject_Files Project_Files(const std::string& project_dir);

struct TImages {
  std::vector<uint8_t> bank1; // always 2048 bytes after a compilation
  std::vector<uint8_t> bank2; // 32768 + 16557 bytes + the pool
};

// Compiles the images from the files (a missing file is an empty table, a
// missing parameter file gives the initial parameters). Every call starts from
// fresh state. False with `error` (naming the file and the limit) when a file
// cannot be read, is not well-formed XML, lacks its sections, or holds more
// than the device has room for; `images` is then left empty.
bool Compile_Images(const TProject_Files& files, TImages& images, std::string& error);

// Writes project_dir/bin/bank1.bin and bank2.bin, both or neither, through
// temporary files; creates bin when it is missing. False with `error`
// ("path: reason") when that fails; earlier images then stay whole.
bool Write_Image_Files(const std::string& project_dir, const TImages& images, std::string& error);

// Compile_Images on the project folder's files, then Write_Image_Files: what
// "zentar-cli compile" and the update step do. Nothing is written on failure.
bool Compile_Project(const std::string& project_dir, std::string& error);

} // namespace zentar
