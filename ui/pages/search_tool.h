// A search tool of a page, described once: its fields, its pane and progress box, and where its
// count goes. Page::RunSearch takes the description with the tool's check and run and does the
// rest of a press: the rejection, the status, the run through the result file, the count.
#pragma once

#include <QString>
#include <vector>

class QLabel;
class QLineEdit;

namespace numerel::ui {

// Where a search writes its count caption: a label, a read-only field, or nowhere.
class CountTarget {
public:
    CountTarget() = default;
    // Implicit, so that a tool's description names its label or field directly.
    CountTarget(QLabel* label) : label_(label) {}
    CountTarget(QLineEdit* field) : field_(field) {}
    void SetText(const QString& text) const;

private:
    QLabel* label_ = nullptr;
    QLineEdit* field_ = nullptr;
};

// When the count caption replaces the running text.
enum class CountShown {
    BeforePane,    // as the pane is filled, before the elapsed-time report
    WithListOnly,  // as BeforePane, and back to the running text when the list is not shown
    AfterReport,   // after the elapsed-time report, and only when the list is shown
};

struct SearchTool {
    std::vector<QLineEdit*> fields{};  // in the order the tool's check reads them
    int pane = 0;
    int progress_box = 0;
    CountTarget count{};  // none: the tool shows no count
    QString count_while_running = "共";
    CountShown count_shown = CountShown::BeforePane;
    // A pane that several tools share is emptied, with the bar, by every press that goes on.
    bool shared_pane = false;
};

}  // namespace numerel::ui
