#include "image/image_compiler.h"

#include "common/safe_file.h"
#include "image/bank1.h"
#include "image/ethercat_image.h"
#include "image/image_bytes.h"
#include "image/j1939_image.h"
#include "image/project_xml.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace zentar {

namespace {

// Loads a project file that exists; `loaded` stays null for a missing one.
// Only a name that is not there at all is a missing file: a folder of that
// name, or a path that cannot be looked at, is a file that cannot be read,
// and compiling without it would load defaults in place of the user's table.
bool Load_If_Present(const std::string& path, std::unique_ptr<TXml_Document>& loaded,
                     std::string& error) {
  loaded.reset();
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    error = path + ": " + std::strerror(errno);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    error = path + ": " + std::strerror(EISDIR);
    return false;
  }
  auto doc = std::make_unique<TXml_Document>();
  if (!doc->Load_File(path, error)) return false;
  loaded = std::move(doc);
  return true;
}

// The state of one compilation; a new one for every run.
struct TCompilation {
  std::vector<uint8_t> bank1 = std::vector<uint8_t>(Bank1_Size);
  TJ1939_Tables j1939;
  TEtherCAT_Section ethercat;
  uint32_t j1939_timeout_ms = 0;
};

} // namespace

TProject_Files Project_Files(const std::string& project_dir) {
  return {project_dir + "/ParGen.xml", project_dir + "/EtherCAT_Slave.xml",
          project_dir + "/EtherCAT_Slave_Group.xml", project_dir + "/J1939_Rec_Frames.xml",
          project_dir + "/J1939_Send_Frames.xml"};
}

bool Compile_Images(const TProject_Files& files, TImages& images, std::string& error) {
  images.bank1.clear();
  images.bank2.clear();
  auto c = std::make_unique<TCompilation>();
  uint8_t* const bank1 = c->bank1.data();

  // 1 and 2: initial bank 1, both builders reset, time-out 0.
  Initial_Bank1(bank1);
  c->ethercat.Reset_EtherCAT_Section();
  c->j1939.Reset_J1939_Tables();
  c->j1939_timeout_ms = 0;

  // 3: the communication parameters, when the file exists.
  std::unique_ptr<TXml_Document> par_gen, rec, send, vars, groups;
  if (!Load_If_Present(files.par_gen, par_gen, error)) return false;
  if (par_gen)
    Read_Communication_Parameters(par_gen->Root(), bank1, c->ethercat, c->j1939_timeout_ms);
  par_gen.reset();

  // 4: the address of the EtherCAT section.
  Put_U32(bank1 + 1776, EtherCAT_Section_Address);

  // 5: the J1939 frame tables, their totals and addresses; one file at a
  // time, each let go once its table is built.
  if (!Load_If_Present(files.j1939_rec_frames, rec, error) ||
      !c->j1939.Build_Receive_Table(bank1, c->j1939_timeout_ms, rec.get(), files.j1939_rec_frames,
                                    error))
    return false;
  rec.reset();
  if (!Load_If_Present(files.j1939_send_frames, send, error) ||
      !c->j1939.Build_Send_Table(bank1, send.get(), files.j1939_send_frames, error))
    return false;
  send.reset();

  // 6: the EtherCAT section at the address bank 1 names.
  if (!Load_If_Present(files.ethercat_slave, vars, error) ||
      !Load_If_Present(files.ethercat_slave_group, groups, error))
    return false;
  if (!c->ethercat.Build_EtherCAT_Section(Get_U32(bank1 + 1776), vars.get(), files.ethercat_slave,
                                          groups.get(), files.ethercat_slave_group, error))
    return false;
  vars.reset();
  groups.reset();

  // 8 (checked first, so that nothing is returned for a bank 2 that does not
  // fit): the receive table, the send table, the section with its pool.
  const size_t bank2_size = Bank2_EtherCAT_Offset + c->ethercat.Section_Size();
  if (bank2_size > Bank2_Max_Size) {
    error = "bank 2 would take " + std::to_string(bank2_size) +
            " bytes, the device holds at most " + std::to_string(Bank2_Max_Size) +
            ": the names and initial values in " + files.ethercat_slave +
            " and the group names in " + files.ethercat_slave_group + " are too long";
    return false;
  }

  // 7: the checksum of bank 1.
  Put_U32(bank1 + 2044, Bank1_Checksum(bank1));

  std::vector<uint8_t> bank2(bank2_size);
  const size_t tables_end = c->j1939.Serialize_J1939_Tables(bank2.data());
  const size_t end = c->ethercat.Serialize_EtherCAT_Section(bank2.data(), tables_end);
  bank2.resize(end);
  images.bank1 = std::move(c->bank1);
  images.bank2 = std::move(bank2);
  return true;
}

bool Write_Image_Files(const std::string& project_dir, const TImages& images, std::string& error) {
  const std::string bin = project_dir + "/bin";
  if (!Folder_Exists(bin)) {
    if (File_Exists(bin)) {
      error = bin + ": " + std::strerror(ENOTDIR);
      return false;
    }
    if (mkdir(bin.c_str(), 0777) != 0 && errno != EEXIST) {
      error = bin + ": " + std::strerror(errno);
      return false;
    }
  }
  const auto as_text = [](const std::vector<uint8_t>& bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  };
  return Write_Files_Safe(
      {{bin + "/bank1.bin", as_text(images.bank1)}, {bin + "/bank2.bin", as_text(images.bank2)}},
      error);
}

bool Compile_Project(const std::string& project_dir, std::string& error) {
  if (!Folder_Exists(project_dir)) {
    error = project_dir + ": " + std::strerror(File_Exists(project_dir) ? ENOTDIR : ENOENT);
    return false;
  }
  TImages images;
  if (!Compile_Images(Project_Files(project_dir), images, error)) return false;
  return Write_Image_Files(project_dir, images, error);
}

} // namespace zentar
