// The main window: the tabs with their nine pages, one output pane per page, the status label,
// the progress frame, the keyboard model and the run protocol. The
// pages do the tools; this class only assembles them and does what is common to all.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "ui/pages/shell.h"
#include "ui/pane/pane_host.h"

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

class MainWindow : public QWidget, public PaneHost {
    Q_OBJECT
public:
    // result_directory: where the temporary result file lives (empty: a private temp dir).
    explicit MainWindow(Platform& platform, const QString& result_directory = QString(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    QTabWidget* Tabs() const { return tabs_; }
    OutputPane* Pane(int index) const override {
        return panes_.at(static_cast<std::size_t>(index));
    }
    QWidget* HostWindow() override { return this; }
    int PaneCount() const override { return kPageCount; }
    int CurrentPage() const override;
    KeyboardModel& Keys() const { return *keys_; }
    RunProtocol& Run() const { return *run_; }
    ClickableLabel* StatusLabel() const { return status_label_; }
    ProgressFrame* Progress() const { return progress_; }
    PaneMenu* Menu() const { return pane_menu_; }
    QPushButton* StopButton() const { return stop_button_; }
    Page* PageAt(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    Platform& DesktopPlatform() const { return platform_; }

    // From now on the window's state lives in `settings`: restored at once, saved when the
    // window closes or goes.
    void RememberIn(std::unique_ptr<QSettings> settings);

    void OnPageChanged(int page);
    void OnStatusLabelClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPages();

    Platform& platform_;
    QTabWidget* tabs_;
    ClickableLabel* status_label_;
    QPushButton* stop_button_;
    ProgressFrame* progress_;
    KeyboardModel* keys_;
    std::unique_ptr<RunProtocol> run_;
    std::array<OutputPane*, kPageCount> panes_{};
    std::unique_ptr<Shell> shell_;
    std::array<Page*, kPageCount> pages_{};
    PaneMenu* pane_menu_ = nullptr;  // the panes' pop-up menu and text tools
    std::unique_ptr<QSettings> settings_;
};

}  // namespace numerel::ui
