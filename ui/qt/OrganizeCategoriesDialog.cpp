#include "ui/qt/OrganizeCategoriesDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/qt/DialogSupport.h"
#include "ui/OrganizeCategories.h"

namespace {
QPushButton* Button(const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

COrganizeCategoriesDlg::COrganizeCategoriesDlg(COrganizeCategories& organize, QWidget* parent)
    : QDialog(parent), organize_(organize) {
    DialogSupport::Decorate(*this, "organizeCategoriesDialog", " Organize Categories");
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("categoryList"));
    moveUp_ = Button("moveUpButton", "Move &Up");
    moveDown_ = Button("moveDownButton", "Move &Down");
    delete_ = Button("deleteButton", "&Delete");
    sort_ = Button("sortButton", "&Sort");
    QPushButton* exit = Button("exitButton", "E&xit");

    // The selection, not the focus frame, is what the buttons act on: a list
    // taking the focus makes its first row current without selecting it.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        organize_.Select(selected.isEmpty() ? -1 : list_->row(selected.first()));
        UpdateButtons();
    });
    connect(moveUp_, &QPushButton::clicked, this, [this] { Run(&COrganizeCategories::MoveUp); });
    connect(moveDown_, &QPushButton::clicked, this,
            [this] { Run(&COrganizeCategories::MoveDown); });
    connect(delete_, &QPushButton::clicked, this, [this] { Run(&COrganizeCategories::Delete); });
    connect(sort_, &QPushButton::clicked, this, [this] { Run(&COrganizeCategories::Sort); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(moveUp_);
    buttons->addWidget(moveDown_);
    buttons->addWidget(delete_);
    buttons->addWidget(sort_);
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    Refresh();
}

void COrganizeCategoriesDlg::Run(void (COrganizeCategories::*action)()) {
    (organize_.*action)();
    if (organize_.Done()) {
        accept();
        return;
    }
    Refresh();
}

void COrganizeCategoriesDlg::Refresh() {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const std::string& name : organize_.Names())
        list_->addItem(DialogSupport::Text(name));
    const int selection = organize_.Selection();
    list_->setCurrentRow(selection);
    if (selection < 0)
        list_->clearSelection();
    UpdateButtons();
}

void COrganizeCategoriesDlg::UpdateButtons() {
    moveUp_->setEnabled(organize_.MoveUpEnabled());
    moveDown_->setEnabled(organize_.MoveDownEnabled());
    delete_->setEnabled(organize_.DeleteEnabled());
    sort_->setEnabled(organize_.SortEnabled());
}

void COrganizeCategoriesDlg::done(int result) {
    if (!closed_) {
        closed_ = true;
        organize_.Close();
    }
    QDialog::done(result);
}
