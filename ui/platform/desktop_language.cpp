#include "ui/platform/desktop_language.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/platform/fonts.h"

namespace numerel::ui {

std::unique_ptr<QTranslator> LoadQtChinese() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

bool UseChineseDesktop(QApplication& app) {
    // Dates and file types in the file chooser follow the default locale, not the translator.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QFont font = QApplication::font();
    font.setFamilies(SongFont(kControlPointSize).families());
    QApplication::setFont(font);

    std::unique_ptr<QTranslator> translator = LoadQtChinese();
    if (translator == nullptr) return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

}  // namespace numerel::ui
