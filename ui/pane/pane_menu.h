// YouJianMenu, the pop-up menu of every output pane, and its item handlers: clipboard editing,
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

class Dialog;
class Form1;
class OutputPane;
class Platform;
class BackgroundSaver;

class PaneMenu : public QObject {
    Q_OBJECT
public:
    // Hooks itself into every pane of `window`; owned by the window.
    PaneMenu(Form1& window, Platform& platform);

    QMenu* YouJianMenu() const { return you_jian_menu_; }
    // The open Find dialog, or nullptr.
    Dialog* FindDialog() const;

    // A mouse button went down on pane `index`; only the right button opens the menu.
    void RichTextBox1_MouseDown(int index, Qt::MouseButton button, const QPoint& global_pos);
    // Focus to pane t and the enabled states of the items for it.
    void PreparePaneMenu(int t);

    void EditCut_Click();
    void EditCopy_Click();
    void EditPaste_Click();
    void EditDel_Click();
    void EditSelAll_Click();
    void EditFind1_Click();
    void EditFind2_Click();
    void EditFind3_Click();
    void EditSave_Click();
    void EditWordFont_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddItem(const char* name, const QString& caption, const QKeySequence& shortcut,
                     void (PaneMenu::*handler)());
    void UpdateItemStates(const OutputPane* pane);
    void ShowSaveFailure(const QString& path);
    // The shortcut of an item pressed in a pane while the menu is closed; true when handled.
    bool HandleShortcut(OutputPane* pane, const QKeyEvent& key);
    // The main window's focused control when it is an output pane, else nullptr.
    OutputPane* ActivePane() const;
    OutputPane* CurrentPane() const;

    Form1& window_;
    Platform& platform_;
    QMenu* you_jian_menu_;
    QAction* edit_cut_;
    QAction* edit_copy_;
    QAction* edit_paste_;
    QAction* edit_del_;
    QAction* edit_find1_;
    QAction* edit_find2_;
    QAction* edit_find3_;
    QAction* edit_save_;
    QAction* edit_word_font_;
    QAction* edit_sel_all_;
    QPointer<Dialog> dialog_;
    BackgroundSaver* saver_;
};

}  // namespace numerel::ui
