#include "folderlist.h"

#include "paths.h"
#include "picture.h"

#include <QStyledItemDelegate>

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndent = 10;

class IndentingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + kIndent * index.data(kDepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

QIcon folderIcon(const QString& resource) {
    return QIcon(renderPicture(resource, QSize(16, 16), 2));
}

}  // namespace

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent),
      m_open(folderIcon(QStringLiteral(":/pictures/folder_open.svg"))),
      m_closed(folderIcon(QStringLiteral(":/pictures/folder_closed.svg"))) {
    setItemDelegate(new IndentingDelegate(this));
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { Q_EMIT folderOpened(item->data(kPathRole).toString()); });
}

void FolderList::showFolder(const QString& root, const QString& folder, const QStringList& subfolders) {
    clear();
    const QStringList chain = folderChain(root, folder);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& path = chain[depth];
        append(depth == 0 ? path : path.section(QLatin1Char('/'), -1), path, depth, m_open);
    }
    setCurrentRow(count() - 1);
    for (const QString& name : subfolders) append(name, joinPath(folder, name), int(chain.size()), m_closed);
}

void FolderList::append(const QString& text, const QString& path, int depth, const QIcon& icon) {
    auto* item = new QListWidgetItem(icon, text, this);
    item->setData(kPathRole, path);
    item->setData(kDepthRole, depth);
}
