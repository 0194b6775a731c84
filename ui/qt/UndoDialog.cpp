#include "ui/qt/UndoDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Model.h"
#include "undo/Undo.h"
#include "ui/qt/DialogSupport.h"

using DialogSupport::Text;

namespace {
QLineEdit* ReadOnlyField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    return field;
}

QPushButton* Button(const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

CUndoDlg::CUndoDlg(CModel& model, QWidget* parent) : QDialog(parent), model_(model), modal_(model) {
    DialogSupport::Decorate(*this, "undoDialog", " Undo Changes");
    model_.changes.recording = false;

    lastChange_ = new QLabel;
    lastChange_->setObjectName(QStringLiteral("lastChange"));
    category_ = ReadOnlyField("category");
    buttonNumber_ = ReadOnlyField("buttonNumber");
    button_ = ReadOnlyField("button");
    picture_ = Button("picture", "");
    picture_->setIconSize(QSize(QtButtonIcons::kSize, QtButtonIcons::kSize));
    picture_->setFlat(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Last Change:"), lastChange_);
    fields->addRow(QStringLiteral("Category:"), category_);
    fields->addRow(QStringLiteral("Button #:"), buttonNumber_);
    fields->addRow(QStringLiteral("Button:"), button_);
    auto* top = new QHBoxLayout;
    top->addWidget(picture_, 0, Qt::AlignTop);
    top->addLayout(fields, 1);

    QPushButton* undo = Button("undoButton", "&Undo");
    QPushButton* undoAll = Button("undoAllButton", "Undo &All");
    QPushButton* exit = Button("exitButton", "E&xit");
    exit->setDefault(true);
    connect(undo, &QPushButton::clicked, this, &CUndoDlg::OnUndo);
    connect(undoAll, &QPushButton::clicked, this, &CUndoDlg::OnUndoAll);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undo);
    buttons->addWidget(undoAll);
    buttons->addStretch();
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setMinimumWidth(380);
    ShowLastChange();
}

CUndoDlg::~CUndoDlg() {
    model_.changes.recording = true;
}

void CUndoDlg::Show(CModel& model, QWidget* parent) {
    CUndoDlg dialog(model, parent);
    dialog.exec();
}

void CUndoDlg::ShowLastChange() {
    const UndoView view = DescribeLastChange(model_);
    setWindowTitle(Text(view.title));
    lastChange_->setText(Text(view.lastChange));
    category_->setText(Text(view.category));
    buttonNumber_->setText(Text(view.buttonNumber));
    button_->setText(Text(view.button));
    const CChange* last = model_.changes.Last();
    const QPixmap& picture =
        view.hasIcon && last ? icons_.Pixmap(last->icon) : icons_.Resource(IconNames::Undo);
    picture_->setIcon(QIcon(picture));
}

void CUndoDlg::OnUndo() {
    if (UndoLastChange(model_)) {
        accept();
        return;
    }
    ShowLastChange();
}

void CUndoDlg::OnUndoAll() {
    if (UndoAllChanges(model_))
        accept();
}
