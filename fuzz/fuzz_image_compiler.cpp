// Any bytes as one of the project files: the compiler gives images or a refusal.
#include "fuzz_util.h"
#include "image/image_compiler.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string path = zentar::fuzz::Input_File(data + 1, size - 1);
  zentar::TProject_Files files;
  std::string* const slots[] = {&files.par_gen, &files.ethercat_slave, &files.ethercat_slave_group,
                                &files.j1939_rec_frames, &files.j1939_send_frames};
  *slots[data[0] % 5] = path;
  for (std::string* s : slots)
    if (s->empty()) *s = "/nonexistent/zentar-fuzz";
  zentar::TImages images;
  std::string error;
  const bool ok = zentar::Compile_Images(files, images, error);
  if (ok && (images.bank1.size() != 2048 || images.bank2.size() > zentar::Bank2_Max_Size))
    std::abort();
  if (!ok && error.empty()) std::abort();
  return 0;
}
