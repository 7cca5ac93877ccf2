// Opening the parameter window with a full ParGen.xml until it is shown
// (offscreen): FormShow loads the file and runs the layout pass, then the
// window is shown and painted.
#include "bench_util.h"
#include "gui_bench_main.h"

#include "app/app_state.h"
#include "common/ui/dialog_service.h"
#include "lang/language.h"
#include "params/ui/TFParGen.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// Counts boxes instead of showing them; a shown box makes the run invalid.
class TCounting_Dialogs : public zentar::TDialog_Service {
public:
  int shown = 0;
  void error(QWidget*, const QString&) override { ++shown; }
  void warning(QWidget*, const QString&) override { ++shown; }
  bool confirm(QWidget*, const QString&) override { return ++shown, false; }
  QString save_file_name(QWidget*, const QString&, const QString&, const QString&) override {
    ++shown;
    return {};
  }
};

// All 33 keys, every one away from its default.
const char* const Full_Par_Gen_File =
    "<Par_Gen><Eth_Conn_Device_Name>converter-line-4-cabinet-12</Eth_Conn_Device_Name>"
    "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
    "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
    "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>1</"
    "Eth_Conn_Primary_DNS2>"
    "<Eth_Conn_Primary_DNS3>1</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>1</"
    "Eth_Conn_Primary_DNS4>"
    "<Eth_Conn_Secondary_DNS1>1</Eth_Conn_Secondary_DNS1>"
    "<Eth_Conn_Secondary_DNS2>0</Eth_Conn_Secondary_DNS2>"
    "<Eth_Conn_Secondary_DNS3>0</Eth_Conn_Secondary_DNS3>"
    "<Eth_Conn_Secondary_DNS4>0x10</Eth_Conn_Secondary_DNS4>"
    "<EtherCAT_Slave_Revision_Number>0x00010002</EtherCAT_Slave_Revision_Number>"
    "<EtherCAT_Slave_Name>gateway_04</EtherCAT_Slave_Name>"
    "<EtherCAT_Slave_Node_Address>17</EtherCAT_Slave_Node_Address>"
    "<EtherCAT_Slave_Clear_Data>1</EtherCAT_Slave_Clear_Data>"
    "<Ethernet_IP1>10</Ethernet_IP1><Ethernet_IP2>1</Ethernet_IP2>"
    "<Ethernet_IP3>2</Ethernet_IP3><Ethernet_IP4>200</Ethernet_IP4>"
    "<Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
    "<Ethernet_SM3>0</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4>"
    "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>1</Ethernet_GAT2>"
    "<Ethernet_GAT3>2</Ethernet_GAT3><Ethernet_GAT4>254</Ethernet_GAT4>"
    "<Ethernet_EN_GAT>1</Ethernet_EN_GAT><J1939_BAUDRATE>7</J1939_BAUDRATE>"
    "<J1939_TIMEOUT>30</J1939_TIMEOUT><J1939_PEER_TO_PEER>1</J1939_PEER_TO_PEER>"
    "<J1939_Device_ID>$80</J1939_Device_ID></Par_Gen><!--SW_VERSION = 1.001-->";

struct TSetup {
  zentar::bench::TBench_Dir dir;
  TCounting_Dialogs dialogs;
  TSetup() {
    zentar::Set_Default_Texts(zentar::App_State.Texts, zentar::App_State.Text_Count);
    zentar::App_State.SW_Code = "CF44K10";
    zentar::App_State.File_ParGen = dir / "ParGen.xml";
    zentar::bench::Write(zentar::App_State.File_ParGen, Full_Par_Gen_File);
  }
};

void Open(zentar::TFParGen& w) {
  w.FormShow();
  w.show();
  QApplication::processEvents();
}

void Close(zentar::TFParGen& w) {
  w.hide();
  QApplication::processEvents();
}

// The window as the program uses it: created once, opened again and again.
void Open_TFParGen(benchmark::State& state) {
  TSetup setup;
  zentar::TFParGen w(setup.dialogs);
  for (auto _ : state) {
    Open(w);
    state.PauseTiming();
    Close(w);
    state.ResumeTiming();
  }
  if (setup.dialogs.shown != 0) state.SkipWithError("a message box was shown");
}
BENCHMARK(Open_TFParGen)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(11)
    ->ReportAggregatesOnly();

// Including the creation of the window, for the first opening.
void Create_And_Open_TFParGen(benchmark::State& state) {
  TSetup setup;
  for (auto _ : state) {
    zentar::TFParGen w(setup.dialogs);
    Open(w);
    state.PauseTiming();
    Close(w);
    state.ResumeTiming();
  }
  if (setup.dialogs.shown != 0) state.SkipWithError("a message box was shown");
}
BENCHMARK(Create_And_Open_TFParGen)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(11)
    ->ReportAggregatesOnly();

} // namespace

ZENTAR_GUI_BENCHMARK_MAIN()
