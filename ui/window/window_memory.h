// What the window remembers between runs of the program, in QSettings: its geometry (with the
// maximised state) and page, the texts of the input fields, each pane's font and colour, the
// progress boxes and the save chooser's folder. Results are never stored.
#pragma once

class QSettings;

namespace numerel::ui {

class MainWindow;

// Puts the window back as `settings` has it; what is missing keeps the start state. A window that
// would lie off every present screen comes back onto one.
void RestoreWindow(MainWindow& form, QSettings& settings);
void SaveWindow(const MainWindow& form, QSettings& settings);

}  // namespace numerel::ui
