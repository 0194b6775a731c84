#include "sounds/qt/DefaultSoundsDialog.h"

#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "sounds/DefaultSounds.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

CDefaultSoundsDlg::CDefaultSoundsDlg(CModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("DefaultSoundsDialog"));
    setWindowTitle(QStringLiteral(" Default Sounds for Button Actions"));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("soundList"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Action"), QStringLiteral("Sound File")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the longest action name in the desktop's font, and tall
    // enough to show most of the table without scrolling.
    list_->setColumnWidth(0, 180);
    list_->setColumnWidth(1, 365);
    list_->setMinimumSize(570, 360);

    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("soundFile"));
    file_->setReadOnly(true);
    file_->setFocusPolicy(Qt::NoFocus); // the focus stays with the list

    browse_ = new QPushButton(QStringLiteral("&Browse..."), this);
    browse_->setObjectName(QStringLiteral("browse"));
    play_ = new QPushButton(QStringLiteral("&Play"), this);
    play_->setObjectName(QStringLiteral("play"));
    remove_ = new QPushButton(QStringLiteral("&Remove"), this);
    remove_->setObjectName(QStringLiteral("remove"));
    useDefault_ = new QPushButton(QStringLiteral("Use &Default"), this);
    useDefault_->setObjectName(QStringLiteral("useDefault"));
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("exit"));

    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(QStringLiteral("Sound File:"), this);
    fileLabel->setBuddy(file_); // names the field for screen readers
    list_->setAccessibleName(QStringLiteral("Actions and their sound files"));
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {browse_, play_, remove_, useDefault_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(fileRow);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CDefaultSoundsDlg::RowChanged);
    connect(browse_, &QPushButton::clicked, this, [this] {
        if (BrowseActionSound(model_, SelectedRow()))
            AfterChange();
    });
    connect(play_, &QPushButton::clicked, this,
            [this] { PlayActionSoundRow(model_, SelectedRow()); });
    connect(remove_, &QPushButton::clicked, this, [this] {
        RemoveActionSound(model_, SelectedRow());
        AfterChange();
    });
    connect(useDefault_, &QPushButton::clicked, this, [this] {
        UseDefaultActionSound(model_, SelectedRow());
        AfterChange();
    });
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    Fill();
    RowChanged();
}

int CDefaultSoundsDlg::exec() {
    const bool wasModal = model_.modal;
    model_.modal = true;
    const int result = QDialog::exec();
    model_.modal = wasModal;
    return result;
}

int CDefaultSoundsDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
}

void CDefaultSoundsDlg::Fill() {
    list_->clear();
    for (int i = 0; i < model_.sounds.Count(); ++i)
        new QTreeWidgetItem(list_, {Q(model_.sounds.Name(i)), Q(model_.sounds.CurrentFile(i))});
}

void CDefaultSoundsDlg::RowChanged() {
    const int row = SelectedRow();
    file_->setText(row < 0 ? QString() : Q(model_.sounds.CurrentFile(row)));
    const DefaultSoundsButtons states = DefaultSoundsButtonStates(model_, row);
    browse_->setEnabled(states.browse);
    play_->setEnabled(states.play);
    remove_->setEnabled(states.remove);
    useDefault_->setEnabled(states.useDefault);
}

void CDefaultSoundsDlg::AfterChange() {
    const int row = SelectedRow();
    if (row >= 0)
        list_->topLevelItem(row)->setText(1, Q(model_.sounds.CurrentFile(row)));
    RowChanged();
    list_->setFocus();
}
