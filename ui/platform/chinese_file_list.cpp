#include "ui/platform/chinese_file_list.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>

namespace numerel::ui {

namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

const QLocale& Chinese() {
    static const QLocale chinese(QLocale::Chinese, QLocale::China);
    return chinese;
}

}  // namespace

QString ChineseFileTypes::type(const QFileInfo& info) const {
    if (info.isRoot()) return "驱动器";
    if (info.isDir()) return "文件夹";
    if (info.isFile()) return info.suffix().isEmpty() ? "文件" : info.suffix() + " 文件";
    if (info.isSymLink()) return "快捷方式";
    return "未知";
}

QVariant ChineseFileDetails::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    const int column = index.column();
    if (role != Qt::DisplayRole || files == nullptr ||
        (column != kSizeColumn && column != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    if (column == kDateColumn) return Chinese().toString(info.lastModified(), QLocale::ShortFormat);
    // Folders have no size in the list.
    if (info.isDir()) return QIdentityProxyModel::data(index, role);
    return Chinese().formattedDataSize(info.size());
}

void ShowFileListInChinese(QFileDialog& dialog) {
    auto* types = new ChineseFileTypes;
    // The dialog does not own its icon provider.
    QObject::connect(&dialog, &QObject::destroyed, [types] { delete types; });
    dialog.setIconProvider(types);
    dialog.setProxyModel(new ChineseFileDetails(&dialog));
}

}  // namespace numerel::ui
