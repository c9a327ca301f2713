// The pop-up menu of every output pane, and its item handlers: clipboard editing,
// the Find dialog, the count and length of a string, saving the pane and choosing its font.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QAction;
class QKeyEvent;
class QKeySequence;
class QMenu;

namespace numerel::ui {

class FindDialog;
class OutputPane;
class PaneHost;
class Platform;
class BackgroundSaver;

class PaneMenu : public QObject {
    Q_OBJECT
public:
    // Hooks itself into every pane of `host`; owned by the host's window.
    PaneMenu(PaneHost& host, Platform& platform);

    QMenu* Popup() const { return popup_; }
    // The open Find dialog, or nullptr.
    FindDialog* ShownFindDialog() const;

    // A mouse button went down on pane `index`; only the right button opens the menu.
    void OnPaneMouseDown(int index, Qt::MouseButton button, const QPoint& global_pos);
    // Focus to the pane of `page` and the enabled states of the items for it.
    void PrepareFor(int page);

    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void SelectAll();
    void OpenFind();
    void CountString();
    void MeasureSelection();
    void Save();
    void ChooseFont();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddItem(const char* name, const QString& caption, const QKeySequence& shortcut,
                     void (PaneMenu::*handler)());
    void UpdateItemStates(const OutputPane* pane);
    void ShowSaveFailure(const QString& path);
    // The shortcut of an item pressed in a pane while the menu is closed; true when handled.
    bool HandleShortcut(OutputPane* pane, const QKeyEvent& key);
    // The host window's focused control when it is an output pane, else nullptr.
    OutputPane* ActivePane() const;
    OutputPane* CurrentPane() const;

    PaneHost& host_;
    Platform& platform_;
    QMenu* popup_;
    QAction* cut_item_;
    QAction* copy_item_;
    QAction* paste_item_;
    QAction* delete_item_;
    QAction* find_item_;
    QAction* count_item_;
    QAction* length_item_;
    QAction* save_item_;
    QAction* font_item_;
    QAction* select_all_item_;
    QPointer<FindDialog> dialog_;
    BackgroundSaver* saver_;
};

}  // namespace numerel::ui
