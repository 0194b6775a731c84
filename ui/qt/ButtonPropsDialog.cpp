#include "ui/qt/ButtonPropsDialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "model/ButtonDef.h"
#include "ui/ButtonPropertiesEdit.h"
#include "ui/qt/DialogSupport.h"

using DialogSupport::Bytes;
using DialogSupport::PathText;
using DialogSupport::Text;

namespace {
QLineEdit* Field(const char* name, bool readOnly = false) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(readOnly);
    if (readOnly) {
        // A field that cannot be typed in looks like one: the window's colour
        // instead of the white of an entry.
        QPalette look = field->palette();
        look.setColor(QPalette::Base, look.color(QPalette::Window));
        field->setPalette(look);
    }
    return field;
}

QPushButton* Button(const char* name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QPushButton* SmallButton(const char* name, const QIcon& icon) {
    QPushButton* button = Button(name, QString());
    button->setIcon(icon);
    button->setFlat(true);
    button->setFixedSize(22, 22);
    return button;
}
} // namespace

CButtonProps::CButtonProps(CButtonPropertiesEdit& edit, QWidget* parent)
    : QDialog(parent), edit_(edit) {
    DialogSupport::Decorate(*this, "buttonPropsDialog", " Button Properties");
    QStyle* look = style();

    targetLabel_ = new QLabel;
    targetLabel_->setObjectName(QStringLiteral("targetLabel"));
    target_ = Field("target", true);
    name_ = Field("name");
    name_->setEnabled(edit.PopupTextEnabled());
    line1_ = Field("line1");
    line2_ = Field("line2");
    parameters_ = Field("parameters");
    directory_ = Field("directory", true);
    QPushButton* directoryBrowse = Button("directoryBrowse", QStringLiteral("Browse..."));
    directoryClear_ =
        SmallButton("directoryClear", look->standardIcon(QStyle::SP_LineEditClearButton));
    sound_ = Field("sound", true);
    play_ = SmallButton("playSound", look->standardIcon(QStyle::SP_MediaPlay));
    QPushButton* soundBrowse = Button("soundBrowse", QStringLiteral("Browse..."));
    soundClear_ = SmallButton("soundClear", look->standardIcon(QStyle::SP_LineEditClearButton));
    const char* modeNames[] = {"modeNormal", "modeMaximized", "modeMinimized"};
    const char* modeTexts[] = {"Normal", "Maximized", "Minimized"};
    auto* modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        modes_[i] = new QRadioButton(QString::fromLatin1(modeTexts[i]));
        modes_[i]->setObjectName(QString::fromLatin1(modeNames[i]));
        modeGroup->addButton(modes_[i], i + 1);
    }
    icon_ = Button("iconButton", QString());
    icon_->setIconSize(QSize(QtButtonIcons::kSize, QtButtonIcons::kSize));
    apply_ = Button("applyButton", QStringLiteral("&Apply"));
    apply_->setDefault(true);
    QPushButton* cancel = Button("cancelButton", QStringLiteral("&Cancel"));

    Fill();

    // Each edit goes to the copy at once; the fields that the copy may refuse
    // (directory, sound) show what it kept.
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit_.SetName(Bytes(text));
        UpdateStates();
    });
    const auto setText = [this] {
        edit_.SetTextLines(Bytes(line1_->text()), Bytes(line2_->text()));
        UpdateStates();
    };
    connect(line1_, &QLineEdit::textEdited, this, setText);
    connect(line2_, &QLineEdit::textEdited, this, setText);
    connect(parameters_, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit_.SetParameters(Bytes(text));
        UpdateStates();
    });
    connect(modeGroup, &QButtonGroup::idClicked, this, [this](int mode) {
        edit_.SetOpenMode(mode);
        UpdateStates();
    });
    connect(directoryBrowse, &QPushButton::clicked, this, [this] {
        edit_.BrowseDirectory();
        UpdateStates();
    });
    connect(soundBrowse, &QPushButton::clicked, this, [this] {
        edit_.BrowseSound();
        UpdateStates();
    });
    connect(directoryClear_, &QPushButton::clicked, this, [this] {
        edit_.ClearDirectory();
        UpdateStates();
    });
    connect(soundClear_, &QPushButton::clicked, this, [this] {
        edit_.ClearSound();
        UpdateStates();
    });
    connect(play_, &QPushButton::clicked, this, [this] { edit_.PlaySound(); });
    connect(icon_, &QPushButton::clicked, this, [this] { edit_.ShowTarget(); });
    connect(apply_, &QPushButton::clicked, this, &CButtonProps::OnApply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(targetLabel_, target_);
    form->addRow(QStringLiteral("Popup Text"), name_);
    auto* textBox = new QGroupBox(QStringLiteral("Button Text"));
    auto* textForm = new QFormLayout(textBox);
    textForm->addRow(QStringLiteral("Line 1"), line1_);
    textForm->addRow(QStringLiteral("Line 2"), line2_);
    form->addRow(textBox);
    textBox->setVisible(edit.TextLinesEnabled());
    form->addRow(QStringLiteral("Parameters"), parameters_);
    auto* directoryRow = new QHBoxLayout;
    directoryRow->addWidget(directory_, 1);
    directoryRow->addWidget(directoryClear_);
    directoryRow->addWidget(directoryBrowse);
    form->addRow(QStringLiteral("Directory"), directoryRow);
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(sound_, 1);
    soundRow->addWidget(soundClear_);
    soundRow->addWidget(play_);
    soundRow->addWidget(soundBrowse);
    form->addRow(QStringLiteral("Sound"), soundRow);
    auto* modeBox = new QGroupBox(QStringLiteral("Open Mode"));
    auto* modeRow = new QHBoxLayout(modeBox);
    for (QRadioButton* mode : modes_)
        modeRow->addWidget(mode);
    form->addRow(modeBox);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(icon_);
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(460);
    UpdateStates();
    if (name_->isEnabled())
        name_->setFocus();
    else
        (edit.TextLinesEnabled() ? line1_ : parameters_)->setFocus();
}

void CButtonProps::Fill() {
    const CButtonDef& b = edit_.Copy();
    targetLabel_->setText(Text(edit_.FileLabel()));
    target_->setText(PathText(edit_.FileField()));
    name_->setText(Text(b.Name()));
    line1_->setText(Text(b.TextLine1()));
    line2_->setText(Text(b.TextLine2()));
    parameters_->setText(Text(b.Parameters()));
    const int mode = b.OpenMode() >= 1 && b.OpenMode() <= 3 ? b.OpenMode() : 1;
    modes_[mode - 1]->setChecked(true);
    icon_->setIcon(QIcon(icons_.Pixmap(b.DrawnIcon())));
}

void CButtonProps::UpdateStates() {
    const CButtonDef& b = edit_.Copy();
    directory_->setText(PathText(b.Directory()));
    sound_->setText(PathText(b.Sound()));
    apply_->setEnabled(edit_.Changed());
    directoryClear_->setVisible(edit_.ClearDirectoryShown());
    soundClear_->setVisible(edit_.ClearSoundShown());
    play_->setEnabled(edit_.PlayEnabled());
}

void CButtonProps::OnApply() {
    if (edit_.Apply())
        accept();
}
