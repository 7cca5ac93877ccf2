// The EtherCAT variable window with a full table: opening it (load both
// files, fill and lay out both grids, offscreen), the layout pass over 256
// rows, and saving the full variables file.
#include "bench_util.h"
#include "gui_bench_main.h"

#include "app/app_state.h"
#include "common/ui/dialog_service.h"
#include "ethercat/ethercat_group.h"
#include "ethercat/ethercat_slave.h"
#include "ethercat/ui/TFEtherCATSlave.h"
#include "lang/language.h"

#include <QApplication>
#include <QTabWidget>
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

// Every row used, every type, Bools in runs, Arrays and Strings with init values.
void Fill_Full(zentar::TGrid& g, bool slave_master) {
  using namespace zentar;
  const TVar_Columns c = Var_Columns(slave_master);
  const std::vector<std::string>& types = Var_Types();
  for (int row = 1; row <= g.Last_Row(); ++row) {
    const std::string& type = types[static_cast<size_t>((row * 7) % 10)];
    g.Set_Text(c.type, row, type);
    VarSetLength(g, type, row);
    if (type == "Array" || type == "String") g.Set_Text(c.length, row, "8");
    g.Cell(c.enable, row).checked = row % 17 != 0;
    g.Set_Text(c.name, row, "Variable_" + std::to_string(row));
    if (slave_master)
      g.Set_Text(c.init_value, row, type == "Array" ? "0A0B0C0D" : type == "String" ? "abc" : "1");
    g.Set_Text(c.mnemonic, row, "Mnemonic of variable " + std::to_string(row));
  }
  Calc_Position_Bit(g, slave_master);
}

struct TSetup {
  zentar::bench::TBench_Dir dir;
  TCounting_Dialogs dialogs;
  zentar::TGrid stm = zentar::Make_Var_Grid(true);
  zentar::TGrid mts = zentar::Make_Var_Grid(false);
  TSetup() {
    using namespace zentar;
    Set_Default_Texts(App_State.Texts, App_State.Text_Count);
    App_State.SW_Code = "CF44K10";
    App_State.File_EtherCAT_Slave = dir / "EtherCAT_Slave.xml";
    App_State.File_EtherCAT_Slave_Group = dir / "EtherCAT_Slave_Group.xml";
    Fill_Full(stm, true);
    Fill_Full(mts, false);
    std::string error;
    Save_Var_Tables(App_State.File_EtherCAT_Slave, stm, mts, error);
    TGrid gs = Make_Group_Grid(), gm = Make_Group_Grid();
    for (int row = 1; row <= Group_Rows; ++row)
      for (TGrid* g : {&gs, &gm}) {
        g->Set_Text(Group_Col_Name, row, "Group_" + std::to_string(row));
        g->Set_Text(Group_Col_Num, row, "16");
      }
    Save_Group_Tables(App_State.File_EtherCAT_Slave_Group, gs, gm, error);
  }
};

// Until both grids are filled and laid out: the second page is brought up
// too, so its grid is laid out and painted as well.
void Open(zentar::TFEtherCATSlave& w) {
  w.FormShow();
  w.show();
  QApplication::processEvents();
  w.PageControl1->setCurrentIndex(1);
  QApplication::processEvents();
}

void Close(zentar::TFEtherCATSlave& w) {
  w.hide();
  w.PageControl1->setCurrentIndex(0);
  QApplication::processEvents();
}

void Open_TFEtherCATSlave(benchmark::State& state) {
  TSetup setup;
  zentar::TFEtherCATSlave w(setup.dialogs);
  for (auto _ : state) {
    Open(w);
    state.PauseTiming();
    if (w.ASG_MasterSlave->grid.Text(2, 256).empty()) state.SkipWithError("table not loaded");
    Close(w);
    state.ResumeTiming();
  }
  if (setup.dialogs.shown != 0) state.SkipWithError("a message box was shown");
}
BENCHMARK(Open_TFEtherCATSlave)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(11)
    ->ReportAggregatesOnly();

void Calc_Position_Bit_256_Rows(benchmark::State& state) {
  zentar::TGrid g = zentar::Make_Var_Grid(true);
  Fill_Full(g, true);
  for (auto _ : state) {
    zentar::Calc_Position_Bit(g, true);
    benchmark::DoNotOptimize(g.Text(6, 256).data());
  }
}
BENCHMARK(Calc_Position_Bit_256_Rows)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly();

void Save_Full_Variables_File(benchmark::State& state) {
  TSetup setup;
  std::string error;
  for (auto _ : state) {
    if (!zentar::Save_Var_Tables(zentar::App_State.File_EtherCAT_Slave, setup.stm, setup.mts,
                                 error))
      state.SkipWithError(error.c_str());
  }
}
BENCHMARK(Save_Full_Variables_File)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(11)
    ->ReportAggregatesOnly();

} // namespace

ZENTAR_GUI_BENCHMARK_MAIN()
