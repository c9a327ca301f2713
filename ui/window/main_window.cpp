#include "ui/window/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/pages/clickable_label.h"
#include "ui/pages/keyboard_model.h"
#include "ui/pages/page.h"
#include "ui/pages/page0_factor.h"
#include "ui/pages/page1_factor_range.h"
#include "ui/pages/page2_primes.h"
#include "ui/pages/page3_twins.h"
#include "ui/pages/page4_goldbach.h"
#include "ui/pages/page5_divisors.h"
#include "ui/pages/page6_calculator.h"
#include "ui/pages/page7_fractions.h"
#include "ui/pages/page8_help.h"
#include "ui/pane/output_pane.h"
#include "ui/pane/pane_menu.h"
#include "ui/platform/fonts.h"
#include "ui/platform/platform.h"
#include "ui/results/result_directory.h"
#include "ui/run/progress_frame.h"
#include "ui/run/run_protocol.h"
#include "ui/window/window_memory.h"

namespace numerel::ui {

namespace {
const char* const kTabCaptions[kPageCount] = {"分解一个数", "分解一批数", "批量求素数",
                                              "孪生素数",   "哥氏猜想",   "批量找因数",
                                              "高精度计算", "分数工具",   "帮助"};
}  // namespace

MainWindow::MainWindow(Platform& platform, const QString& result_directory, QWidget* parent)
    : QWidget(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle("Numerel" NUMEREL_VERSION);
    setFont(SongFont(kControlPointSize));
    platform_.SetDialogParent(this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    tabs_->setFont(SongFont(kControlPointSize));
    status_label_ = new ClickableLabel(this);
    status_label_->setObjectName("Label9");
    status_label_->setToolTip("点击可调出计算器");
    status_label_->setCursor(Qt::PointingHandCursor);
    // Room for the longest caption, so that 停止 beside it stays in place as the caption changes.
    status_label_->setMinimumWidth(
        status_label_->fontMetrics().horizontalAdvance("已停止,用时000000秒"));
    progress_ = new ProgressFrame(this);
    keys_ = new KeyboardModel(this);
    // Result directories of killed runs go first; a live instance's stays.
    if (result_directory.isEmpty()) RemoveStaleResultDirectories(QDir::tempPath());
    run_ = std::make_unique<RunProtocol>(status_label_, progress_, platform_, result_directory);
    stop_button_ = new QPushButton("停止", this);
    stop_button_->setObjectName("CommandStop");
    stop_button_->setFont(SongFont(kControlPointSize));
    stop_button_->setToolTip("停止正在进行的计算(Esc)");
    stop_button_->setAutoDefault(false);
    stop_button_->setFocusPolicy(Qt::NoFocus);
    run_->SetStopButton(stop_button_);
    keys_->SetStopButton(stop_button_);

    for (int i = 0; i < kPageCount; ++i)
        panes_.at(static_cast<std::size_t>(i)) =
            new OutputPane(i, i == 0 ? kFactorPanePointSize : kPanePointSize, this);
    shell_ = std::make_unique<Shell>(Shell{platform_, *keys_, *run_, panes_});
    BuildPages();
    pane_menu_ = new PaneMenu(*this, platform_);

    auto* status_row = new QHBoxLayout;
    status_row->addStretch(1);
    status_row->addWidget(progress_);
    status_row->addSpacing(12);
    status_row->addWidget(stop_button_);
    status_row->addSpacing(8);
    status_row->addWidget(status_label_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(status_row);
    // At a large scale factor 640 x 480 is more than some screens have: the window never asks for
    // more than the screen (less its title bar and borders), and the pages scroll.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room =
        screen != nullptr ? screen->availableGeometry().size() - QSize(16, 48) : QSize(640, 480);
    setMinimumSize(QSize(640, 480).boundedTo(room));
    resize(QSize(760, 560).boundedTo(room));

    // Start steps.
    status_label_->setText(kIdleCaption);
    progress_->SetBarWidth(0);
    progress_->hide();
    // A result file left by an interrupted run cannot exist in a fresh private directory; when a
    // directory is given, clear it the same way.
    if (run_->ResultFile().Open()) run_->ResultFile().Close();
    run_->ResultFile().Remove();

    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::OnPageChanged);
    connect(status_label_, &ClickableLabel::clicked, this, &MainWindow::OnStatusLabelClicked);
    tabs_->setCurrentIndex(0);
    pages_[0]->Activate();
}

MainWindow::~MainWindow() {
    if (settings_) SaveWindow(*this, *settings_);
    // The worker uses the panes' result file and the run protocol: it ends before they go.
    run_->StopAndJoin(std::chrono::milliseconds::max());
}

void MainWindow::RememberIn(std::unique_ptr<QSettings> settings) {
    settings_ = std::move(settings);
    RestoreWindow(*this, *settings_);
}

void MainWindow::BuildPages() {
    Shell& shell = *shell_;
    pages_ = {new Page0Factor(shell),     new Page1FactorRange(shell), new Page2Primes(shell),
              new Page3Twins(shell),      new Page4Goldbach(shell),    new Page5Divisors(shell),
              new Page6Calculator(shell), new Page7Fractions(shell),   new Page8Help(shell)};
    for (int i = 0; i < kPageCount; ++i) {
        Page* page = pages_.at(static_cast<std::size_t>(i));
        page->setObjectName(QString("Page%1").arg(i));
        // A page larger than the window scrolls instead of squeezing its controls onto each other.
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QString("Page%1Scroll").arg(i));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(page);
        tabs_->addTab(scroll, kTabCaptions[i]);
    }
    // Panes no page has claimed yet stay out of sight.
    for (OutputPane* pane : panes_)
        if (pane->parentWidget() == this) pane->hide();
}

int MainWindow::CurrentPage() const {
    return tabs_->currentIndex();
}

void MainWindow::OnPageChanged(int page) {
    run_->ResetStatus();
    progress_->SetBarWidth(0);
    if (page >= 0 && page < kPageCount) pages_.at(static_cast<std::size_t>(page))->Activate();
    run_->UntickAll();
}

void MainWindow::OnStatusLabelClicked() {
    if (!platform_.LaunchCalculator())
        platform_.ShowMessage(
            Message{"没有找到可以启动的计算器程序。\n"
                    "请安装 gnome-calculator、kcalc、qalculate-gtk、"
                    "galculator 或 xcalc 之一。",
                    kAppTitle, MessageIcon::Information, MessageButtons::Ok});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool ok = platform_.ShowMessage(
        Message{"您要退出吗?", "确认退出", MessageIcon::Information, MessageButtons::OkCancel});
    if (ok) {
        // The program ends with the window; a run still going on is stopped first.
        run_->RequestStop();
        if (settings_) SaveWindow(*this, *settings_);
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace numerel::ui
