// The Find window: searches the current page's pane up or down for a string, one hit
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

class FindDialog : public QDialog {
    Q_OBJECT
public:
    // Where a search looks: the pane of the main window's current page at the moment of a click.
    using PaneSource = std::function<OutputPane*()>;

    // Modeless and owned by `owner` (the main window).
    FindDialog(Platform& platform, PaneSource current_pane, QWidget* owner);
    ~FindDialog() override;

    // The search position: pos is the 1-based position of the last hit (0: none since the last
    // reset); first is the position of the first hit since then.
    struct FindState {
        int pos = 0;
        std::optional<int> first;
    };
    const FindState& State() const { return state_; }

    void FocusSearchText();

    void OnFindNext();
    void OnCancel();
    void OnSearchTextChanged();
    void FindNext(const QString& s);
    // True while a search of a long pane runs on its own thread (the button is grey meanwhile).
    bool Searching() const { return searching_; }

    // Esc and the window's close button act as the cancel button does.
    void reject() override;

private:
    void LoadSelection();
    // A long pane is searched on a thread of its own; the hit comes back to ShowHit.
    void FindInLong(OutputPane* pane, std::shared_ptr<const MappedText> content, const QString& s);
    // Selects and marks the hit at 0-based `hit` (or reports none, hit < 0).
    void ShowHit(OutputPane* pane, const QString& s, qint64 hit);

    Platform& platform_;
    PaneSource current_pane_;
    FindState state_;
    QRadioButton* up_option_;
    QRadioButton* down_option_;
    QLabel* text_label_;
    QLineEdit* search_text_;
    QPushButton* find_next_button_;
    QPushButton* cancel_button_;
    QLabel* distance_label_;
    std::thread search_;
    bool searching_ = false;
};

}  // namespace numerel::ui
