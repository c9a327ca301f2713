// Dialog, the Find window: searches the current page's pane up or down for a string, one hit
// per click, marks every hit red and shows its distance from the first hit of the search.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numerel::ui {

class MappedText;
class OutputPane;
class Platform;

class Dialog : public QDialog {
    Q_OBJECT
public:
    // Where a search looks: the pane of the main window's current page at the moment of a click.
    using PaneSource = std::function<OutputPane*()>;

    // Modeless and owned by `owner` (the main window).
    Dialog(Platform& platform, PaneSource current_pane, QWidget* owner);
    ~Dialog() override;

    // The search position: pos is the 1-based position of the last hit (0: none since the last
    // reset); first is the position of the first hit since then.
    struct FindState {
        int pos = 0;
        std::optional<int> first;
    };
    const FindState& State() const { return state_; }

    void FocusText1();

    void OKButton_Click();
    void CancelButton_Click();
    void Text1_Change();
    void FindNext(const QString& s);
    // True while a search of a long pane runs on its own thread (the button is grey meanwhile).
    bool Searching() const { return searching_; }

    // Esc and the window's close button act as CancelButton does.
    void reject() override;

private:
    void Form_Load();
    // A long pane is searched on a thread of its own; the hit comes back to ShowHit.
    void FindInLong(OutputPane* pane, std::shared_ptr<const MappedText> content, const QString& s);
    // Selects and marks the hit at 0-based `hit` (or reports none, hit < 0).
    void ShowHit(OutputPane* pane, const QString& s, qint64 hit);

    Platform& platform_;
    PaneSource current_pane_;
    FindState state_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QLabel* label1_;
    QLineEdit* text1_;
    QPushButton* ok_button_;
    QPushButton* cancel_button_;
    QLabel* label2_;
    std::thread search_;
    bool searching_ = false;
};

}  // namespace numerel::ui
