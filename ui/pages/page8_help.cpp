#include "ui/pages/page8_help.h"

#include <QFile>
#include <QVBoxLayout>

#include "ui/pane/output_pane.h"

// The resource lives in a static library, so it must be registered by hand (global namespace).
static void InitHelpResource() {
    Q_INIT_RESOURCE(resources);
}

namespace numerel::ui {

QString HelpDocument() {
    InitHelpResource();
    QFile file(":/help.html");
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

Page8Help::Page8Help(Shell& shell, QWidget* parent) : Page(shell, parent) {
    OutputPane* pane = Pane(8);
    pane->setAcceptRichText(true);
    pane->setHtml(HelpDocument());
    pane->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane);
}

}  // namespace numerel::ui
