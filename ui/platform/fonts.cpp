#include "ui/platform/fonts.h"

#include <QStringList>

namespace numerel::ui {

QFont SongFont(int point_size) {
    QFont font;
    font.setFamilies(QStringList{"SimSun", "宋体", "NSimSun", "Noto Serif CJK SC", "Noto Serif CJK",
                                 "Noto Sans CJK SC"});
    font.setPointSize(point_size);
    return font;
}

}  // namespace numerel::ui
