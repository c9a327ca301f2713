// The window's Song-style face: SimSun/宋体 where installed, Noto Serif CJK SC otherwise.
#pragma once

#include <QFont>

namespace numerel::ui {

inline constexpr int kControlPointSize = 9;
inline constexpr int kPanePointSize = 12;
inline constexpr int kFactorPanePointSize = 18;

QFont SongFont(int point_size);

}  // namespace numerel::ui
