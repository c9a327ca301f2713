#include "ui/pages/page3_twins.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "core/tools/twin_search.h"
#include "core/tools/twin_search_big.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/search_layout.h"
#include "ui/pane/output_pane.h"
#include "ui/run/run_protocol.h"

namespace numerel::ui {

namespace {
constexpr int kPane = 3;
constexpr int kProgressBox = 5;
}  // namespace

Page3Twins::Page3Twins(Shell& shell, QWidget* parent) : Page(shell, parent) {
    fromCaption = MakeLabel("Label21", "从");
    toCaption = MakeLabel("Label22", "到");
    twinsFrom = MakeField("Text13");
    twinsTo = MakeField("Text14");
    searchButton = MakeRunButton("Command13", "计算");
    clearButton = MakeButton("Command14", "清空");
    progressBox = MakeProgressBox(kProgressBox);
    pairsCount = MakeLabel("Label11", "共");
    LayOutIntervalSearch(this,
                         {fromCaption,
                          twinsFrom,
                          toCaption,
                          twinsTo,
                          {searchButton, clearButton},
                          progressBox,
                          pairsCount},
                         Pane(kPane));
    // A rejection leaves the pane and the count as the last run left them.
    twins_ = {.fields = {twinsFrom, twinsTo},
              .pane = kPane,
              .progress_box = kProgressBox,
              .count = pairsCount};

    connect(searchButton, &QPushButton::clicked, this, &Page3Twins::Search);
    connect(clearButton, &QPushButton::clicked, this, &Page3Twins::Clear);
}

void Page3Twins::Activate() {
    twinsFrom->setFocus();
    shell_.keys.SetDefault(searchButton);
    shell_.keys.SetCancel(clearButton);
}

void Page3Twins::Search() {
    const std::string from = twinsFrom->text().toStdString();
    const std::string to = twinsTo->text().toStdString();
    if (const std::optional<TwinsBigChecked> big = TwinsCheckBig(from, to))
        return RunSearch(twins_, *big, &TwinsRunBig);
    RunSearch(twins_, TwinsCheck(from, to), &TwinsRun);
}

void Page3Twins::Clear() {
    pairsCount->setText("共");
    ClearTool({twinsFrom, twinsTo}, kPane);
}

}  // namespace numerel::ui
