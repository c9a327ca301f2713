// A page that searches an interval [from, to] (pages 2 and 3): "从" and "到" with their bound
// fields, a search button (or a binary64 and a Decimal96 one in one place), a clear button, the
// progress box and the count in one row, the pane below. A subclass names its controls and
// says how a press searches.
#pragma once

#include "core/input/pick_path.h"
#include "ui/pages/page.h"
#include "ui/pages/search_tool.h"

namespace numerel::ui {

// The page's controls as the window's design names them.
struct IntervalSearchDesign {
    const char* from_caption;
    const char* to_caption;
    const char* from;
    const char* to;
    const char* search_button;
    const char* decimal_search_button;  // nullptr: one button serves every size
    const char* clear_button;
    int progress_box;
    const char* count;
    const char* count_caption;  // before the first run
    int pane;
};

class IntervalSearchPage : public Page {
    Q_OBJECT
public:
    void Activate() override;

protected:
    IntervalSearchPage(Shell& shell, const IntervalSearchDesign& design, QWidget* parent);
    // A press of the search button; `button` says which of a pair.
    virtual void Search(PathButton button) = 0;

    QLineEdit* lowerBound;
    QLineEdit* upperBound;
    QPushButton* searchButton;
    QPushButton* decimalSearchButton;  // nullptr on a page with one search button
    QPushButton* clearButton;
    SearchTool search_;

private:
    void Clear();

    QLabel* fromCaption;
    QLabel* toCaption;
    QCheckBox* progressBox;
    QLabel* count;
};

}  // namespace numerel::ui
