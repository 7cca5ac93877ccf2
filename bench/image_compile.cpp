// The image compiler on a maximal project: 512 + 512 frames, 256 + 256
// enabled variables with names and initial values, 16 + 16 groups.
// Compile_Images in-process, and zentar-cli compile as a whole process with
// its peak resident memory (counter peak_rss_KiB, from wait4).
#include "bench_util.h"
#include "image/image_compiler.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

std::string Attrs(const std::vector<std::pair<std::string, std::string>>& a) {
  std::string s = "<row";
  for (const auto& [k, v] : a)
    s += " " + k + "=\"" + v + "\"";
  return s + "/>";
}

void Write_Maximal_Project(const std::string& dir) {
  const std::string comment = "<!--SW_VERSION = 1.001-->";
  std::string par = "<Par_Gen>";
  const std::pair<const char*, const char*> keys[] = {
      {"Eth_Conn_Device_Name", "maximal-project-device-name-31c"},
      {"Eth_Conn_DHCP_Cable", "0"},
      {"Eth_Conn_DHCP_WiFi", "0"},
      {"Eth_Conn_Enable_DNS", "1"},
      {"Eth_Conn_Primary_DNS1", "8"},
      {"Eth_Conn_Primary_DNS2", "8"},
      {"Eth_Conn_Primary_DNS3", "8"},
      {"Eth_Conn_Primary_DNS4", "8"},
      {"Eth_Conn_Secondary_DNS1", "8"},
      {"Eth_Conn_Secondary_DNS2", "8"},
      {"Eth_Conn_Secondary_DNS3", "4"},
      {"Eth_Conn_Secondary_DNS4", "4"},
      {"EtherCAT_Slave_Revision_Number", "0x00010002"},
      {"EtherCAT_Slave_Name", "devicename1"},
      {"EtherCAT_Slave_Node_Address", "1"},
      {"EtherCAT_Slave_Clear_Data", "1"},
      {"Ethernet_IP1", "192"},
      {"Ethernet_IP2", "168"},
      {"Ethernet_IP3", "0"},
      {"Ethernet_IP4", "5"},
      {"Ethernet_SM1", "255"},
      {"Ethernet_SM2", "255"},
      {"Ethernet_SM3", "255"},
      {"Ethernet_SM4", "0"},
      {"Ethernet_GAT1", "192"},
      {"Ethernet_GAT2", "168"},
      {"Ethernet_GAT3", "0"},
      {"Ethernet_GAT4", "1"},
      {"Ethernet_EN_GAT", "1"},
      {"J1939_BAUDRATE", "6"},
      {"J1939_TIMEOUT", "10"},
      {"J1939_PEER_TO_PEER", "0"},
      {"J1939_Device_ID", "128"},
  };
  for (const auto& [k, v] : keys)
    par += std::string("<") + k + ">" + v + "</" + k + ">";
  zentar::bench::Write(dir + "/ParGen.xml", par + "</Par_Gen>" + comment);

  std::string rec = "<Receive_J1939>";
  for (int i = 0; i < 512; ++i)
    rec += Attrs({{"DP", "0"},
                  {"PGN", "0x" + std::to_string(0xF000 + i)},
                  {"SA", std::to_string(i % 256)},
                  {"TP", i % 7 == 0 ? "Y" : "N"},
                  {"TP_Start", "0"},
                  {"TP_NByte", i % 7 == 0 ? "20" : "2"},
                  {"Delete", "Y"},
                  {"OnRequest", i % 3 == 0 ? "Y" : "N"},
                  {"OnReq_Time", "1000"},
                  {"Mnemonic", "Receive frame number " + std::to_string(i)}});
  zentar::bench::Write(dir + "/J1939_Rec_Frames.xml", rec + "</Receive_J1939>" + comment);

  std::string send = "<Transmit_J1939>";
  for (int i = 0; i < 512; ++i)
    send += Attrs({{"Priority", "6"},
                   {"DP", "0"},
                   {"PGN", std::to_string(65000 + i)},
                   {"SA", "$80"},
                   {"TP_NByte", "1"},
                   {"On_Request", "N"},
                   {"On_Data_Change", "Y"},
                   {"On_Timer", "Y"},
                   {"SendTimer", "100"},
                   {"Mnemonic", "Send frame number " + std::to_string(i)}});
  zentar::bench::Write(dir + "/J1939_Send_Frames.xml", send + "</Transmit_J1939>" + comment);

  static const char* const types[] = {"Bool",   "Int8",   "Int16",   "Int32", "UInt8",
                                      "UInt16", "UInt32", "Float32", "Array", "String"};
  static const char* const inits[] = {"1",     "-5",    "1000", "-100000",  "200",
                                      "60000", "$FFFF", "1.25", "0A0B0C0D", "Hello"};
  std::string vars = "<EtherCAT_Slave><EtherCAT_Slave_Variables>";
  for (const bool in : {true, false}) {
    vars += in ? "<EtherCAT_Slave_To_Master>" : "<EtherCAT_Master_To_Slave>";
    for (int i = 0; i < 256; ++i) {
      const int t = i % 10;
      std::vector<std::pair<std::string, std::string>> a = {
          {"Enable", "Y"},
          {"Type", types[t]},
          {"Length", t >= 8 ? "10" : "1"},
          {"Name", std::string(in ? "Input variable " : "Output variable ") + std::to_string(i)}};
      if (in) a.push_back({"InitValue", inits[t]});
      a.insert(a.end(), {{"Position", std::to_string(i * 2)},
                         {"BitStart", "0"},
                         {"Group", "G"},
                         {"Mnemonic", "m"}});
      vars += Attrs(a);
    }
    vars += in ? "</EtherCAT_Slave_To_Master>" : "</EtherCAT_Master_To_Slave>";
  }
  zentar::bench::Write(dir + "/EtherCAT_Slave.xml",
                       vars + "</EtherCAT_Slave_Variables></EtherCAT_Slave>" + comment);

  std::string groups = "<PROFINET_Master_to_Modbus_TCP_Master>";
  for (const char* section : {"Slave_to_Master", "Master_to_Slave"}) {
    groups += std::string("<") + section + ">";
    for (int g = 0; g < 16; ++g)
      groups += Attrs({{"Group_Name", "Group number " + std::to_string(g)},
                       {"Num_Variables", "16"},
                       {"Mnemonic", ""}});
    groups += std::string("</") + section + ">";
  }
  zentar::bench::Write(dir + "/EtherCAT_Slave_Group.xml",
                       groups + "</PROFINET_Master_to_Modbus_TCP_Master>" + comment);
}

void Compile_Images_Maximal(benchmark::State& state) {
  zentar::bench::TBench_Dir dir;
  Write_Maximal_Project(dir.Path());
  const zentar::TProject_Files files = zentar::Project_Files(dir.Path());
  zentar::TImages images;
  std::string error;
  if (!zentar::Compile_Images(files, images, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    zentar::Compile_Images(files, images, error);
    benchmark::DoNotOptimize(images.bank2.data());
  }
  state.counters["bank2_bytes"] = static_cast<double>(images.bank2.size());
}
BENCHMARK(Compile_Images_Maximal)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The folder is on the disk (/tmp) by default; with the argument 1 it is in
// memory (/dev/shm), which leaves out the wait for the disk to confirm the
// images (the writes are flushed before they replace the old files).
void Cli_Compile_Maximal(benchmark::State& state) {
  zentar::bench::TBench_Dir disk_dir;
  std::string memory_dir;
  if (state.range(0) == 1) {
    char pattern[] = "/dev/shm/zentar-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
      state.SkipWithError("no /dev/shm");
      return;
    }
    memory_dir = pattern;
  }
  const std::string folder_path = memory_dir.empty() ? disk_dir.Path() : memory_dir;
  struct TRemove {
    std::string path;
    ~TRemove() {
      std::error_code ec;
      if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
  } remove_memory_dir{memory_dir};
  Write_Maximal_Project(folder_path);
  const std::string exe = ZENTAR_BINARY_DIR "/zentar-cli";
  std::string command = "compile", folder = folder_path;
  char* argv[] = {const_cast<char*>(exe.c_str()), command.data(), folder.data(), nullptr};
  long peak_kib = 0;
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("zentar-cli could not be started");
      return;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("zentar-cli compile failed");
      return;
    }
    peak_kib = std::max(peak_kib, usage.ru_maxrss);
  }
  state.counters["peak_rss_KiB"] = static_cast<double>(peak_kib);
}
BENCHMARK(Cli_Compile_Maximal)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
