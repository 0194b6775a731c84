#include "ui/qt/InstalledAppsDialog.h"

#include <algorithm>

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "ui/qt/DialogSupport.h"

namespace {
constexpr int kEntryRole = Qt::UserRole + 1;
}

CInstalledAppsDlg::CInstalledAppsDlg(const std::vector<InstalledApplication>& apps, QWidget* parent)
    : QDialog(parent) {
    DialogSupport::Decorate(*this, "installedAppsDialog", "Add Installed Application");
    model_ = new QStandardItemModel(this);
    for (const InstalledApplication& app : apps) {
        const QString iconFile = QFile::decodeName(app.iconFile.c_str());
        const QIcon fallback = iconFile.isEmpty() ? QIcon() : QIcon(iconFile);
        auto* item =
            new QStandardItem(QIcon::fromTheme(QString::fromStdString(app.iconName), fallback),
                              QString::fromStdString(app.name));
        const QString entry = QFile::decodeName(app.entry.c_str());
        item->setData(entry, kEntryRole);
        item->setToolTip(entry);
        item->setEditable(false);
        model_->appendRow(item);
    }
    shown_ = new QSortFilterProxyModel(this);
    shown_->setSourceModel(model_);
    shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("search"));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"));
    searchLabel->setBuddy(search_);

    list_ = new QListView;
    list_->setObjectName(QStringLiteral("applications"));
    list_->setAccessibleName(QStringLiteral("Installed applications"));
    list_->setModel(shown_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setIconSize(QSize(24, 24));
    list_->setUniformItemSizes(true);
    list_->setMinimumSize(360, 320);

    auto* add = new QPushButton(QStringLiteral("&Add"));
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    const auto updateAdd = [this, add] {
        add->setEnabled(list_->selectionModel()->hasSelection());
    };
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, updateAdd);
    connect(search_, &QLineEdit::textChanged, this, [this, updateAdd](const QString& text) {
        shown_->setFilterFixedString(text);
        // The best match stays selected while the user types.
        if (shown_->rowCount() > 0 && !list_->selectionModel()->hasSelection())
            list_->setCurrentIndex(shown_->index(0, 0));
        updateAdd();
    });
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListView::activated, this, &QDialog::accept);
    // Down from the search field goes into the list.
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (list_->selectionModel()->hasSelection())
            accept();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(searchLabel);
    top->addWidget(search_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    if (shown_->rowCount() > 0)
        list_->setCurrentIndex(shown_->index(0, 0));
    updateAdd();
    search_->setFocus();
}

bool CInstalledAppsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        list_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::vector<std::string> CInstalledAppsDlg::Chosen() const {
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::string> entries;
    for (const QModelIndex& row : rows)
        entries.push_back(QFile::encodeName(row.data(kEntryRole).toString()).toStdString());
    return entries;
}
