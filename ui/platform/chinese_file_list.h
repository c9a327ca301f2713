// The file list of the save dialog in Chinese. Qt's file model writes sizes and dates in the
// system's locale, whatever the window's language, and its type column ("Folder", "txt File")
// has no Chinese in Qt's catalogue; these two pieces give the dialog Chinese texts throughout.
#pragma once

#include <QFileIconProvider>
#include <QIdentityProxyModel>

class QFileDialog;

namespace numerel::ui {

// The type column: "文件夹", "txt 文件", "文件"; the icons stay Qt's.
class ChineseFileTypes final : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override;
};

// The size and date columns of a dialog's file model in the Chinese locale.
class ChineseFileDetails final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// Gives `dialog` (Qt's own, not the desktop's) both; they live as long as the dialog.
void ShowFileListInChinese(QFileDialog& dialog);

}  // namespace numerel::ui
