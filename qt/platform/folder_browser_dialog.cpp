#include "folder_browser_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "behaviour/translation.h"
#include "modal.h"
#include "paths.h"

namespace skinwright::platform {

FolderBrowserDialog::FolderBrowserDialog(const behaviour::FolderRequest& request)
    : QDialog(static_cast<QWidget*>(request.owner)),
      request_(request),
      model_(new QFileSystemModel(this)),
      tree_(new QTreeView(this)),
      status_(new QLabel(this))
{
    setWindowTitle(QString::fromStdString(behaviour::Tr("Browse for Folder")));
    auto* layout = new QVBoxLayout(this);

    auto* title = new QLabel(QString::fromStdString(request.title), this);
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    layout->addWidget(title);

    status_->setTextFormat(Qt::PlainText);
    status_->setVisible(request.statusLine);
    layout->addWidget(status_);

    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QStringLiteral("/"));
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(tree_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { OnCurrentChanged(); });
    connect(model_, &QFileSystemModel::rowsInserted, this, [this] { KeepSelectionInView(); });
    connect(model_, &QFileSystemModel::layoutChanged, this, [this] { KeepSelectionInView(); });
    connect(tree_->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { StopFollowing(); });
    tree_->installEventFilter(this);
    tree_->viewport()->installEventFilter(this);
    resize(360, 420);
}

void FolderBrowserDialog::SetSelection(const std::filesystem::path& folder)
{
    const QModelIndex index = model_->index(QDir::cleanPath(FromFileSystemPath(folder)));
    if (!index.isValid())
        return;
    followed_ = index;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
}

void FolderBrowserDialog::SetStatusText(const std::string& text)
{
    status_->setText(QString::fromStdString(text));
}

std::optional<QString> FolderBrowserDialog::SelectedFolder() const
{
    const QModelIndex current = tree_->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return model_->filePath(current);
}

QString FolderBrowserDialog::StatusText() const
{
    return status_->text();
}

std::optional<std::filesystem::path> FolderBrowserDialog::Browse(const behaviour::FolderRequest& request)
{
    FolderBrowserDialog dialog(request);
    if (RunModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const std::optional<QString> selected = dialog.SelectedFolder();
    if (!selected)
        return std::nullopt;
    return ToFileSystemPath(*selected);
}

void FolderBrowserDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (initialized_)
        return;
    initialized_ = true;
    if (request_.onInitialized)
        request_.onInitialized(*this);
}

bool FolderBrowserDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        StopFollowing();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void FolderBrowserDialog::KeepSelectionInView()
{
    if (followed_.isValid())
        tree_->scrollTo(followed_);
}

void FolderBrowserDialog::StopFollowing()
{
    followed_ = QPersistentModelIndex();
}

void FolderBrowserDialog::OnCurrentChanged()
{
    if (tree_->currentIndex() != followed_)
        StopFollowing();
    const std::optional<QString> selected = SelectedFolder();
    ok_->setEnabled(selected.has_value());
    if (selected && request_.onSelectionChanged)
        request_.onSelectionChanged(*this, ToFileSystemPath(*selected));
}

}  // namespace skinwright::platform
