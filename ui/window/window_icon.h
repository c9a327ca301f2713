// The program's icon, drawn from the desktop entry's SVG at the sizes window managers ask for.
#pragma once

#include <QIcon>

namespace numerel::ui {

QIcon NumerelIcon();

}  // namespace numerel::ui
