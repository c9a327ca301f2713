// The main window with every pane on show and an empty clipboard, for the panes' text tools.
#pragma once

#include <QClipboard>
#include <QTextCursor>
#include <ostream>

#include "form_fixture.h"
#include "ui/pane/pane_menu.h"

// Readable QStrings in failure messages.
static inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace numerel::ui::testing {

class TextToolsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        QApplication::clipboard()->clear();
        // A page still under construction has not claimed its pane; put it where the page will,
        // so that it can be shown and focused like the others.
        for (int i = 0; i < kPageCount; ++i) {
            OutputPane* pane = form->Pane(i);
            if (pane->parentWidget() == form.get()) {
                pane->setParent(form->Tabs()->widget(i));
                pane->setGeometry(0, 0, 300, 200);
                pane->show();
            }
        }
    }

    PaneMenu& Menu() const { return *form->Menu(); }
    // The pane of `page`, showing `text` with [start, start + length) selected and the focus.
    OutputPane* Prepare(int page, const QString& text, int start = 0, int length = 0) {
        GoToPage(page);
        OutputPane* pane = form->Pane(page);
        pane->SetText(text);
        pane->Select(start, length);
        pane->setFocus();
        return pane;
    }
};

}  // namespace numerel::ui::testing
