// Page 4, "哥氏猜想": an even number >= 6 as a sum of two primes and an odd number >= 9 as a sum
// of three, each tool with a binary64 and a Decimal96 search button in one place; both write
// into the page's one pane.
#pragma once

#include "core/input/pick_path.h"
#include "ui/pages/page.h"
#include "ui/pages/search_tool.h"

namespace numerel::ui {

struct GoldbachPaths;
struct GoldbachToolDesign;

class Page4Goldbach : public Page {
    Q_OBJECT
public:
    explicit Page4Goldbach(Shell& shell, QWidget* parent = nullptr);
    void Activate() override;

private:
    // One of the page's two tools: its controls and how it searches.
    struct Tool {
        QLabel* caption;
        QLineEdit* input;
        QLabel* digitCount;  // the input's length, kept as the user types
        QPushButton* searchButton;
        QPushButton* decimalSearchButton;
        QPushButton* clearButton;
        QCheckBox* oneResult;
        QCheckBox* progressBox;
        QLabel* count;
        PickPathBinding* input_change;
        SearchTool search;
        const GoldbachPaths* paths;
    };
    void MakeTool(Tool& tool, const GoldbachToolDesign& design);
    // The input's change reaction and the buttons' clicks.
    void BindTool(Tool& tool);
    void Search(const Tool& tool, PathButton button);

    Tool even_;
    Tool odd_;
};

}  // namespace numerel::ui
