// English defaults of the interface text table.
#include "lang/language.h"

#include <utility>

namespace zentar {

namespace {

// Index and English text of every slot that carries one.
const std::pair<int, const char*> Defaults[] = {
    {0, "Begin"},
    {1, "Step 1"},
    {2, "Step 2"},
    {3, "Step 3"},
    {4, "Step 4"},
    {5, "Step 5"},
    {6, "Step 6"},
    {7, "Step 7"},
    {8, "Step 8"},
    {9, "None Configuration Opened "},
    {10, "Use Step1 to open or create new configuration"},
    {11, "Opened Configuration of the Converter : "},
    {12, "Information"},
    {13, "Options"},
    {14, "Close Configurator"},
    {15, "New Configuration"},
    {16, "Open Configuration"},
    {17, "Update Device UDP"},
    {18, "Error! Project not Valid"},
    {19, "New Version Available. Click Here for more Details"},
    {20, "Set Communication"},
    {21, "EtherCAT Set Access"},
    {22, "Create a new configuration for the device"},
    {23, "Open an exists configuration"},
    {24, "Set the main parameters of Protocols"},
    {25, "Set the EtherCAT Slave Rules"},
    {26, "Update the actual Firmware and/or Configuration in the device"},
    {33, "Receive Frames"},
    {35, "Send Frames"},
    {37, "Set the J1939 Receive Frames Rules"},
    {38, "Set the J1939 Send Frames Rules"},
    {79, "EtherCAT Set Group"},
    {80, "Set The EtherCAT Group"},
    {100, "Create New Configuration"},
    {101, "Create New Configuration"},
    {102, "Name of the new Configuration"},
    {103, "OK"},
    {104, "Cancel"},
    {105, "Error! Name project is not valid"},
    {106, "Error! Name project is not valid because directory already exists"},
    {107, "Error! Name Project is not valid"},
    {108, "Insert here the name of new configuration"},
    {109, "Confirm the Name of new Configuration"},
    {110, "Cancel the New Configuration"},
    {200, "Open Configuration"},
    {201, "Open an Existing Configuration"},
    {202, "List of Avaliable Configurations"},
    {203, "OK"},
    {204, "Cancel"},
    {205, "Select from this list the configuration to open"},
    {206, "Open the Selected Configuration"},
    {207, "Cancel open of Configuration"},
};

std::vector<std::string> Build() {
  std::vector<std::string> texts(Text_Slots, " ");
  for (const auto& [index, text] : Defaults) texts[static_cast<size_t>(index)] = text;
  return texts;
}

} // namespace

const std::vector<std::string>& Default_Texts() {
  static const std::vector<std::string> texts = Build();
  return texts;
}

} // namespace zentar
