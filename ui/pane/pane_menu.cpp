#include "ui/pane/pane_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextCharFormat>
#include <QTextCursor>
#include <string>
#include <string_view>

#include "core/tools/count_occurrences.h"
#include "ui/pane/find_dialog.h"
#include "ui/pane/long_text_view.h"
#include "ui/pane/output_pane.h"
#include "ui/pane/pane_host.h"
#include "ui/platform/fonts.h"
#include "ui/platform/platform.h"
#include "ui/results/background_saver.h"
#include "ui/results/mapped_text.h"
#include "ui/results/pane_file_saver.h"

namespace numerel::ui {

namespace {

const char* const kSaveTitle = "保存文本到文件";
const char* const kSaveFilter = "文本文件(*.txt)|*.txt|word文档(*.doc)|*.doc";

// "description|pattern|..." as Qt's file dialog wants it: one "description (pattern)" per pair,
// the description alone where it already names its pattern.
QStringList QtFilters(const QString& pairs) {
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.endsWith('(' + pattern + ')')
                        ? description
                        : QString("%1 (%2)").arg(description, pattern));
    }
    return filters;
}

std::u16string_view Units(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The pane that `object` belongs to: the pane itself, its viewport, or its long-text view.
OutputPane* PaneOf(QObject* object) {
    for (int depth = 0; object != nullptr && depth < 3; ++depth, object = object->parent())
        if (auto* pane = qobject_cast<OutputPane*>(object)) return pane;
    return nullptr;
}

// In code units; a long pane's selection may be a gigabyte, so it is measured, not copied.
qint64 SelectionLength(const OutputPane* pane) {
    return pane->IsLong() ? pane->LongView()->SelectionLength() : pane->SelectedText().size();
}

bool HasSelection(const OutputPane* pane) {
    return SelectionLength(pane) > 0;
}

QString ClipboardText() {
    return QApplication::clipboard()->text(QClipboard::Clipboard);
}

void SetClipboardText(const QString& text) {
    // Plain text only: no HTML flavour for other programs to prefer.
    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

}  // namespace

PaneMenu::PaneMenu(PaneHost& host, Platform& platform)
    : QObject(host.HostWindow()), host_(host), platform_(platform) {
    saver_ = new BackgroundSaver(this);
    connect(saver_, &BackgroundSaver::Finished, this, [this](bool saved, const QString& path) {
        QApplication::restoreOverrideCursor();
        if (!saved) ShowSaveFailure(path);
    });
    popup_ = new QMenu(host.HostWindow());
    popup_->setObjectName("YouJianMenu");
    popup_->setFont(SongFont(kControlPointSize));
    cut_item_ = AddItem("EditCut", "剪切(&X)", QKeySequence("Ctrl+X"), &PaneMenu::Cut);
    copy_item_ = AddItem("EditCopy", "复制(&C)", QKeySequence("Ctrl+C"), &PaneMenu::Copy);
    paste_item_ = AddItem("EditPaste", "粘贴(P)", QKeySequence("Ctrl+V"), &PaneMenu::Paste);
    delete_item_ = AddItem("EditDel", "删除(&D)", QKeySequence(Qt::Key_Delete), &PaneMenu::Delete);
    popup_->addSeparator()->setObjectName("heg");
    find_item_ = AddItem("EditFind1", "查找字符(&F)", QKeySequence("Ctrl+F"), &PaneMenu::OpenFind);
    count_item_ =
        AddItem("EditFind2", "统计字符个数(&T)", QKeySequence("Ctrl+T"), &PaneMenu::CountString);
    length_item_ =
        AddItem("EditFind3", "测字符串长(&L)", QKeySequence("Ctrl+L"), &PaneMenu::MeasureSelection);
    popup_->addSeparator()->setObjectName("heg2");
    save_item_ = AddItem("EditSave", "保存(&S)", QKeySequence("Ctrl+S"), &PaneMenu::Save);
    font_item_ = AddItem("EditWordFont", "字体(&W)", QKeySequence("Ctrl+W"), &PaneMenu::ChooseFont);
    select_all_item_ =
        AddItem("EditSelAll", "全选(&A)", QKeySequence("Ctrl+A"), &PaneMenu::SelectAll);

    for (int i = 0; i < host_.PaneCount(); ++i) {
        OutputPane* pane = host_.Pane(i);
        pane->installEventFilter(this);              // keys
        pane->viewport()->installEventFilter(this);  // mouse and context-menu requests
        pane->LongView()->installEventFilter(this);
        pane->LongView()->viewport()->installEventFilter(this);
    }
}

QAction* PaneMenu::AddItem(const char* name, const QString& caption, const QKeySequence& shortcut,
                           void (PaneMenu::*handler)()) {
    QAction* item = popup_->addAction(caption);
    item->setObjectName(name);
    // Shown beside the caption; the panes' key handling below makes it act.
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WidgetShortcut);
    item->setShortcutVisibleInContextMenu(true);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

FindDialog* PaneMenu::ShownFindDialog() const {
    return dialog_.data();
}

OutputPane* PaneMenu::CurrentPane() const {
    const int t = host_.CurrentPage();
    return t >= 0 && t < host_.PaneCount() ? host_.Pane(t) : nullptr;
}

OutputPane* PaneMenu::ActivePane() const {
    return PaneOf(host_.HostWindow()->focusWidget());
}

void PaneMenu::UpdateItemStates(const OutputPane* pane) {
    const bool selection = HasSelection(pane);
    // The help page's pane is read-only: what would change its text stays grey there.
    const bool editable = !pane->isReadOnly();
    copy_item_->setEnabled(selection);
    cut_item_->setEnabled(selection && editable);
    delete_item_->setEnabled(selection && editable);
    length_item_->setEnabled(selection);
    paste_item_->setEnabled(editable && !ClipboardText().isEmpty());
}

void PaneMenu::OnPaneMouseDown(int /*index*/, Qt::MouseButton button, const QPoint& global_pos) {
    if (button != Qt::RightButton) return;
    // Only the current page's pane can be under the mouse; t names it.
    PrepareFor(host_.CurrentPage());
    popup_->popup(global_pos);
}

void PaneMenu::PrepareFor(int page) {
    if (page < 0 || page >= host_.PaneCount()) return;
    OutputPane* pane = host_.Pane(page);
    pane->setFocus(Qt::PopupFocusReason);
    UpdateItemStates(pane);
}

bool PaneMenu::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // Pressed on a viewport or on the long-text view, both inside a pane.
            OutputPane* pane = PaneOf(watched->parent());
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (pane == nullptr || mouse->button() != Qt::RightButton) break;
            OnPaneMouseDown(pane->Index(), mouse->button(), mouse->globalPosition().toPoint());
            return true;  // the right button leaves the caret and selection alone
        }
        case QEvent::ContextMenu:
            // The toolkit's own edit menu never shows, neither for the mouse (ours opens on the
            // button press) nor for the menu key (sent to the pane itself).
            return PaneOf(watched) != nullptr;
        case QEvent::KeyPress: {
            OutputPane* pane = PaneOf(watched);
            if (pane != nullptr && HandleShortcut(pane, *static_cast<QKeyEvent*>(event)))
                return true;
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool PaneMenu::HandleShortcut(OutputPane* pane, const QKeyEvent& key) {
    QAction* item = nullptr;
    // The editing keys also come in their alternative forms (Ctrl+Insert, Shift+Delete, ...),
    // so that every copy from a pane puts plain text on the clipboard.
    if (key.matches(QKeySequence::Cut))
        item = cut_item_;
    else if (key.matches(QKeySequence::Copy))
        item = copy_item_;
    else if (key.matches(QKeySequence::Paste))
        item = paste_item_;
    else if (key.matches(QKeySequence::SelectAll))
        item = select_all_item_;
    else {
        const QKeySequence pressed(key.keyCombination());
        for (QAction* candidate :
             {delete_item_, find_item_, count_item_, length_item_, save_item_, font_item_})
            if (candidate->shortcut() == pressed) item = candidate;
    }
    if (item == nullptr) return false;
    UpdateItemStates(pane);
    // Del without a selection keeps deleting the next character.
    if (item == delete_item_ && !item->isEnabled()) return false;
    item->trigger();  // does nothing while disabled
    return true;
}

void PaneMenu::Cut() {
    QApplication::clipboard()->clear(QClipboard::Clipboard);
    OutputPane* pane = ActivePane();
    if (pane == nullptr || pane->isReadOnly()) return;
    QTextCursor cursor = pane->textCursor();
    SetClipboardText(pane->SelectedText());
    cursor.removeSelectedText();
    pane->setTextCursor(cursor);
}

void PaneMenu::Copy() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr) return;
    QApplication::clipboard()->clear(QClipboard::Clipboard);
    SetClipboardText(pane->SelectedText());
}

void PaneMenu::Paste() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr || pane->isReadOnly()) return;
    QString text = ClipboardText();
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    // An empty format: the text takes the pane's font, not the look of its neighbours.
    QTextCursor cursor = pane->textCursor();
    cursor.insertText(text, QTextCharFormat());
    pane->setTextCursor(cursor);
}

void PaneMenu::Delete() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr || pane->isReadOnly()) return;
    QTextCursor cursor = pane->textCursor();
    cursor.removeSelectedText();
    pane->setTextCursor(cursor);
}

void PaneMenu::SelectAll() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr) return;
    pane->Select(0, static_cast<int>(pane->TextLength()));
}

void PaneMenu::OpenFind() {
    if (dialog_ == nullptr) {
        dialog_ = new FindDialog(
            platform_, [this] { return CurrentPane(); }, host_.HostWindow());
        dialog_->setAttribute(Qt::WA_DeleteOnClose);
        // Closed is unloaded, even before the deferred deletion has run.
        connect(dialog_, &QDialog::finished, this, [this] { dialog_ = nullptr; });
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    dialog_->FocusSearchText();
}

void PaneMenu::CountString() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr) return;
    const std::optional<QString> answer = platform_.AskText("\n\n\n\n 统计内容", kAppTitle);
    if (!answer || answer->isEmpty()) return;
    // A long pane is counted where its view holds it, without a copy of a gigabyte.
    const std::shared_ptr<const MappedText> content = pane->LongContent();
    const std::uint64_t count =
        content ? content->Count(*answer) : CountOccurrences(Units(pane->Text()), Units(*answer));
    platform_.ShowMessage(
        Message{"共找到 " + std::to_string(count) + " 个'" + answer->toStdString() + "'", kAppTitle,
                MessageIcon::Information, MessageButtons::Ok});
}

void PaneMenu::MeasureSelection() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr) return;
    platform_.ShowMessage(Message{"您选中的字符串长为:\r\n" + std::to_string(SelectionLength(pane)),
                                  "测字符串长", MessageIcon::Information, MessageButtons::Ok});
}

void PaneMenu::Save() {
    OutputPane* pane = ActivePane();
    if (pane == nullptr) return;
    const std::optional<QString> path =
        platform_.ChooseSaveFile(kSaveTitle, QtFilters(kSaveFilter));
    if (!path || path->isEmpty()) return;
    // A failed save must not pass for a saved result, so unlike a cancel it is reported.
    if (!pane->IsLong() && pane->StoredFile().isEmpty()) {
        if (!SavePaneText(*path, pane->Text())) ShowSaveFailure(*path);
        return;
    }
    // A long pane is saved in the background, all of its result where it shows only part of a
    // stored one; the busy cursor says the save goes on while the window stays usable.
    if (pane->StoredFile().isEmpty()) {
        saver_->SaveText(pane->Text(), *path);
    } else if (!saver_->SaveStored(pane->StoredFile(), *path, LocaleCodeset())) {
        ShowSaveFailure(*path);
        return;
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

void PaneMenu::ShowSaveFailure(const QString& path) {
    platform_.ShowMessage(Message{"无法保存到文件:\r\n" + path.toStdString(), kSaveTitle,
                                  MessageIcon::Exclamation, MessageButtons::Ok});
}

void PaneMenu::ChooseFont() {
    OutputPane* pane = CurrentPane();
    if (pane == nullptr) return;
    const QTextCharFormat current = pane->CurrentStyle();
    QFont initial = pane->font();
    // The face actually shown: a chooser looks for the first family named, and the pane names
    // SimSun first even where only its stand-in is installed.
    initial.setFamilies({QFontInfo(pane->font()).family()});
    initial.setBold(current.fontWeight() >= QFont::Bold);
    initial.setItalic(current.fontItalic());
    initial.setUnderline(current.fontUnderline());
    const QColor color = current.foreground().style() != Qt::NoBrush
                             ? current.foreground().color()
                             : pane->palette().color(QPalette::Text);
    const std::optional<FontChoice> choice = platform_.ChooseFont(initial, color);
    if (!choice) return;

    // Face and size belong to the whole pane.
    QFont whole = pane->font();
    whole.setFamilies(choice->font.families().isEmpty() ? QStringList{choice->font.family()}
                                                        : choice->font.families());
    if (choice->font.pointSizeF() > 0)
        whole.setPointSizeF(choice->font.pointSizeF());
    else if (choice->font.pixelSize() > 0)
        whole.setPixelSize(choice->font.pixelSize());
    // The style and colour go to the selection, or to what is typed next at the caret. A
    // struck-out choice is ignored.
    QTextCharFormat style;
    style.setFontWeight(choice->font.bold() ? QFont::Bold : QFont::Normal);
    style.setFontItalic(choice->font.italic());
    style.setFontUnderline(choice->font.underline());
    style.setForeground(choice->color);
    pane->ApplyFontChoice(whole, style);
}

}  // namespace numerel::ui
