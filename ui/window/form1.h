// Form1, the main window: the tab control SSTab1 with its nine pages, the panes RichTextBox1(i),
// the status label Label9, the progress frame, the keyboard model and the run protocol. The
// pages do the tools; this class only assembles them and does what is common to all.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "ui/pages/shell.h"

class QPushButton;
class QSettings;
class QTabWidget;

namespace numerel::ui {

class ClickableLabel;
class KeyboardModel;
class OutputPane;
class Page;
class PaneMenu;
class Platform;
class ProgressFrame;
class RunProtocol;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // result_directory: where the temporary result file lives (empty: a private temp dir).
    explicit Form1(Platform& platform, const QString& result_directory = QString(),
                   QWidget* parent = nullptr);
    ~Form1() override;

    QTabWidget* Tabs() const { return sstab1_; }
    OutputPane* Pane(int index) const { return panes_.at(static_cast<std::size_t>(index)); }
    KeyboardModel& Keys() const { return *keys_; }
    RunProtocol& Run() const { return *run_; }
    ClickableLabel* Label9() const { return label9_; }
    ProgressFrame* Picture1() const { return picture1_; }
    PaneMenu* Menu() const { return pane_menu_; }
    QPushButton* StopButton() const { return stop_button_; }
    Page* PageAt(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    Platform& DesktopPlatform() const { return platform_; }

    // From now on the window's state lives in `settings`: restored at once, saved when the
    // window closes or goes.
    void RememberIn(std::unique_ptr<QSettings> settings);

    void SSTab1_Click(int page);
    void Label9_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPages();

    Platform& platform_;
    QTabWidget* sstab1_;
    ClickableLabel* label9_;
    QPushButton* stop_button_;
    ProgressFrame* picture1_;
    KeyboardModel* keys_;
    std::unique_ptr<RunProtocol> run_;
    std::array<OutputPane*, kPageCount> panes_{};
    std::unique_ptr<Shell> shell_;
    std::array<Page*, kPageCount> pages_{};
    PaneMenu* pane_menu_ = nullptr;  // the panes' pop-up menu and text tools
    std::unique_ptr<QSettings> settings_;
};

}  // namespace numerel::ui
