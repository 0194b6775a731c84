#include "ui/qt/CategoryListDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/DialogSupport.h"

CCategoryListDlg::CCategoryListDlg(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent) {
    DialogSupport::Decorate(*this, "categoryListDialog", " Category Displayed at StartUp");
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("categoryList"));
    for (const std::string& name : names)
        list_->addItem(DialogSupport::Text(name));
    // The user's selection names the category; a row that the focus alone
    // made current does not.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        chosen_ =
            selected.isEmpty() ? std::string() : DialogSupport::Bytes(selected.first()->text());
    });

    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}
