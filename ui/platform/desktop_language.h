// The window speaks only Chinese, so Qt's own texts (standard buttons, the file, font and colour
// choosers, the replace question) are Chinese too, whatever the desktop's locale.
#pragma once

#include <memory>

class QApplication;
class QTranslator;

namespace numerel::ui {

// Qt's Simplified Chinese catalogue from the Qt installation; nullptr when it is not installed
// (the standard buttons then stay English, and nothing else changes).
std::unique_ptr<QTranslator> LoadQtChinese();

// For the whole run of `app`: Qt's Chinese catalogue (false when missing), the Chinese locale
// for what Qt formats itself (dates in the file chooser), and the window's Song face for the
// dialogs, keeping the desktop's size.
bool UseChineseDesktop(QApplication& app);

}  // namespace numerel::ui
