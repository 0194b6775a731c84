#include "favorites/qt/OrganizeFavoritesDialog.h"

#include <algorithm>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

#include "favorites/OrganizeFavorites.h"
#include "ui/qt/DialogSupport.h"

namespace {
QPushButton* Button(const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The first local file of a drag, or an empty text.
QString FirstLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}
} // namespace

COrganizeFavoritesDlg::COrganizeFavoritesDlg(COrganizeFavorites& organize, QWidget* parent)
    : QDialog(parent), organize_(organize) {
    DialogSupport::Decorate(*this, "organizeFavoritesDialog", " Organize Favorites Menu");
    setAcceptDrops(true);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("favoritesList"));
    list_->setAccessibleName(QStringLiteral("Favorites menu entries"));
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list_->setUniformItemSizes(true);
    list_->setMinimumSize(280, 320);

    moveUp_ = Button("moveUpButton", "Move &Up");
    moveDown_ = Button("moveDownButton", "Move &Down");
    top_ = Button("topButton", "&Top");
    bottom_ = Button("bottomButton", "Botto&m");
    shiftUp_ = Button("shiftUpButton", "Move U&p <-->");
    shiftDown_ = Button("shiftDownButton", "Move Dow&n <-->");
    addAbove_ = Button("addAboveButton", "Add Menu &Above");
    addBelow_ = Button("addBelowButton", "Add Menu &Below");
    delete_ = Button("deleteButton", "&Delete");
    rename_ = Button("renameButton", "&Rename");
    properties_ = Button("propertiesButton", "&Properties");
    save_ = Button("saveButton", "&Save");
    QPushButton* help = Button("helpButton", "&Help");
    QPushButton* cancel = Button("cancelButton", "&Cancel");

    // The selection, not the focus frame, is what the buttons act on.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        organize_.Select(selected.isEmpty() ? -1 : list_->row(selected.first()));
        UpdateButtons();
    });
    connect(list_, &QListWidget::itemActivated, this,
            [this] { Run(&COrganizeFavorites::Properties); });
    const std::pair<QPushButton*, void (COrganizeFavorites::*)()> actions[] = {
        {moveUp_, &COrganizeFavorites::MoveUp},
        {moveDown_, &COrganizeFavorites::MoveDown},
        {top_, &COrganizeFavorites::MoveToTop},
        {bottom_, &COrganizeFavorites::MoveToBottom},
        {shiftUp_, &COrganizeFavorites::ShiftUp},
        {shiftDown_, &COrganizeFavorites::ShiftDown},
        {addAbove_, &COrganizeFavorites::AddMenuAbove},
        {addBelow_, &COrganizeFavorites::AddMenuBelow},
        {delete_, &COrganizeFavorites::Delete},
        {rename_, &COrganizeFavorites::Rename},
        {properties_, &COrganizeFavorites::Properties},
    };
    for (const auto& [button, action] : actions)
        connect(button, &QPushButton::clicked, this, [this, action] { Run(action); });
    connect(save_, &QPushButton::clicked, this, [this] {
        organize_.Save();
        UpdateButtons();
    });
    connect(help, &QPushButton::clicked, this, [this] { organize_.Help(); });
    connect(cancel, &QPushButton::clicked, this, &COrganizeFavoritesDlg::reject);

    auto* column = new QVBoxLayout;
    for (QPushButton* button : {moveUp_, moveDown_, top_, bottom_})
        column->addWidget(button);
    column->addSpacing(8);
    for (QPushButton* button : {shiftUp_, shiftDown_})
        column->addWidget(button);
    column->addSpacing(8);
    for (QPushButton* button : {addAbove_, addBelow_, delete_, rename_, properties_})
        column->addWidget(button);
    column->addStretch();
    for (QPushButton* button : {save_, help, cancel})
        column->addWidget(button);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(column);
    Refresh();
    list_->setFocus();
}

void COrganizeFavoritesDlg::Run(void (COrganizeFavorites::*action)()) {
    (organize_.*action)();
    Refresh();
}

// The list is built again after every change; its first visible line stays
// where it was as far as the list is long, and the selection follows the
// entry it was on.
void COrganizeFavoritesDlg::Refresh() {
    const int top = list_->verticalScrollBar()->value();
    const QSignalBlocker block(list_);
    list_->clear();
    for (const FavoritesLine& line : organize_.Lines())
        list_->addItem(DialogSupport::Text(line.text));
    list_->doItemsLayout();
    list_->verticalScrollBar()->setValue(std::min(top, list_->verticalScrollBar()->maximum()));
    const int selection = organize_.Selection();
    if (selection >= 0) {
        list_->setCurrentRow(selection);
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    UpdateButtons();
}

void COrganizeFavoritesDlg::UpdateButtons() {
    const OrganizeFavoritesStates states = organize_.States();
    moveUp_->setEnabled(states.moveUp);
    top_->setEnabled(states.moveUp);
    moveDown_->setEnabled(states.moveDown);
    bottom_->setEnabled(states.moveDown);
    shiftUp_->setEnabled(states.shiftUp);
    shiftDown_->setEnabled(states.shiftDown);
    for (QPushButton* button : {addAbove_, addBelow_, delete_, rename_, properties_})
        button->setEnabled(states.entry);
    save_->setEnabled(states.save);
}

void COrganizeFavoritesDlg::reject() {
    if (organize_.Cancel()) {
        QDialog::reject();
        return;
    }
    UpdateButtons();
}

void COrganizeFavoritesDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void COrganizeFavoritesDlg::dropEvent(QDropEvent* event) {
    const QString file = FirstLocalFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    organize_.DropFile(DialogSupport::PathBytes(file));
    Refresh();
}
