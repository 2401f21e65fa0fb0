#pragma once

#include <QString>

#include <vector>

class TSkinForm;

namespace skin {

// A module button of the main window's bar, left to right in this order.
struct ModuleButton {
    int id;
    QString caption;
    QString picture; // resource name, type "Skin"
};

// The seven module buttons of the main window: ids 100 to 106.
const std::vector<ModuleButton> &mainModuleButtons();

// The id of the module that is marked when the main window opens: the question bank.
inline constexpr int kStartModule = 101;

// Dresses a frame as the main window's: the background picture with its centre rectangle, the
// seven module buttons in order, and the question bank marked.
void setUpMainFrame(TSkinForm &form);

} // namespace skin
