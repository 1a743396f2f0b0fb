#pragma once
// Start-up from a data folder for the headless commands: sett.dat, then the
// user functions and the alias list of the mode. Missing files leave the
// defaults; nothing is written.
#include <functional>
#include <string>

namespace kurvo {
class TGraphWindow;
struct SettingsRecord;
}  // namespace kurvo

namespace kurvo::app {

// Returns the problem met, empty when the folder was read. `adjust` runs on
// the settings read before the mode's files are chosen (command-line modes).
std::string ReadDataFolder(const std::string& dir, TGraphWindow& graph,
                           const std::function<void(SettingsRecord&)>& adjust = {});

}  // namespace kurvo::app
