#include "ui/qt/OptionsPageWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/Model.h"
#include "sounds/qt/DefaultSoundsDialog.h"
#include "ui/GlobalHotkey.h"
#include "ui/Launcher.h"
#include "ui/ModalScope.h"
#include "ui/qt/CustomizeLayoutDialog.h"
#include "ui/qt/UpDownSpinBox.h"

namespace {
QString Latin(const char* text) {
    return QString::fromLatin1(text);
}

// A titled group whose controls stand in one column.
QVBoxLayout* AddGroup(QBoxLayout* layout, const char* title, const char* name) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    group->setObjectName(Latin(name));
    layout->addWidget(group);
    return new QVBoxLayout(group);
}

QVBoxLayout* PageColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setAlignment(Qt::AlignTop);
    return column;
}

// Records one key combination. Tab, Shift+Tab, Esc and Return without Ctrl,
// Alt or Super keep their meaning in the dialog (none of them could be a
// global shortcut), so the field is no keyboard trap.
class HotkeyEdit : public QKeySequenceEdit {
  public:
    using QKeySequenceEdit::QKeySequenceEdit;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(e);
            const bool plain = (key->modifiers() &
                                (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
            switch (plain ? key->key() : 0) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                if (e->type() == QEvent::KeyPress)
                    focusNextPrevChild(key->key() == Qt::Key_Tab &&
                                       !(key->modifiers() & Qt::ShiftModifier));
                return true;
            case Qt::Key_Escape:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return QWidget::event(e);
            default:
                break;
            }
        }
        return QKeySequenceEdit::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const bool plain =
            (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
        if (plain && (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return ||
                      e->key() == Qt::Key_Enter)) {
            e->ignore();
            return;
        }
        const QKeySequence before = keySequence();
        QKeySequenceEdit::keyPressEvent(e);
        const QKeySequence after = keySequence();
        // Taken at once rather than after the field's pause, and alone: the
        // next press starts a new combination instead of a sequence.
        if (!after.isEmpty() && (after != before || after.count() > 1)) {
            const QKeySequence last(after[after.count() - 1]);
            setKeySequence(QKeySequence());
            setKeySequence(last);
        }
    }
};
} // namespace

// --- OptionsPage -----------------------------------------------------------------

OptionsPage::OptionsPage(CModel& model, OptionsWindow& window, const char* objectName)
    : model_(model), window_(window) {
    setObjectName(Latin(objectName));
}

void OptionsPage::ApplyIfModified() {
    if (!modified_)
        return;
    Apply();
    modified_ = false;
    Q_EMIT SheetModified(false);
}

void OptionsPage::MarkModified(bool enableApply) {
    modified_ = true;
    if (enableApply)
        Q_EMIT SheetModified(true);
}

void OptionsPage::ApplyNow() {
    modified_ = true;
    ApplyIfModified();
}

QCheckBox* OptionsPage::AddCheck(QBoxLayout* layout, const char* text, const char* name,
                                 bool checked) {
    auto* box = new QCheckBox(QString::fromUtf8(text));
    box->setObjectName(Latin(name));
    box->setChecked(checked);
    connect(box, &QCheckBox::clicked, this, [this] { MarkModified(); });
    layout->addWidget(box);
    return box;
}

QRadioButton* OptionsPage::AddRadio(QBoxLayout* layout, QButtonGroup* group, const char* text,
                                    const char* name, int value) {
    auto* radio = new QRadioButton(QString::fromUtf8(text));
    radio->setObjectName(Latin(name));
    group->addButton(radio, value);
    layout->addWidget(radio);
    return radio;
}

QPushButton* OptionsPage::AddButton(QBoxLayout* layout, const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(Latin(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

UpDownSpinBox* OptionsPage::AddUpDown(QBoxLayout* layout, const char* label, const char* name,
                                      UpDownRange range, int value,
                                      std::function<void(int)> onStep) {
    auto* box = new UpDownSpinBox;
    box->setObjectName(Latin(name));
    box->setRange(range.min, range.max);
    box->setValue(value);
    box->SetStepHandler(std::move(onStep));
    auto* caption = new QLabel(QString::fromUtf8(label));
    caption->setBuddy(box);
    box->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    auto* row = new QHBoxLayout;
    row->addWidget(caption, 1);
    row->addWidget(box);
    layout->addLayout(row);
    // A typed value is taken on Apply or OK.
    box->SetTypedHandler([this] { MarkModified(); });
    return box;
}

// --- Window Placement ----------------------------------------------------------------

CWindowPlacement::CWindowPlacement(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "windowPlacementPage") {
    QVBoxLayout* column = PageColumn(this);
    QVBoxLayout* dock = AddGroup(column, "Dock the Window", "dockGroup");
    auto* dockRow = new QHBoxLayout;
    dock->addLayout(dockRow);
    const struct {
        PlacementButton button;
        const char* text;
        const char* name;
        bool docking;
    } kButtons[] = {
        {PlacementButton::Top, "&Top", "top", true},
        {PlacementButton::Left, "&Left", "left", true},
        {PlacementButton::Bottom, "&Bottom", "bottom", true},
        {PlacementButton::Right, "&Right", "right", true},
        {PlacementButton::CenterHorizontally, "Center Horizontally in Screen", "centerHorizontally",
         false},
        {PlacementButton::CenterVertically, "Center Vertically in Screen", "centerVertically",
         false},
        {PlacementButton::WidthToScreen, "Set Width to Screen Width", "widthToScreen", false},
        {PlacementButton::HeightToScreen, "Set Height to Screen Height", "heightToScreen", false},
    };
    QVBoxLayout* size = AddGroup(column, "Size and Position", "sizeGroup");
    for (const auto& b : kButtons) {
        QPushButton* button =
            AddButton(b.docking ? static_cast<QBoxLayout*>(dockRow) : size, b.text, b.name);
        const PlacementButton which = b.button;
        connect(button, &QPushButton::clicked, this, [this, which] { Press(which); });
        buttons_[which] = button;
    }
    auto* lower = new QHBoxLayout;
    column->addLayout(lower);
    QPushButton* customize = AddButton(lower, "&Customize...", "customize");
    lower->addStretch(1);
    lock_ = AddCheck(lower, "Lock Position", "lockPosition", model_.settings.LockWindowPosition);
    connect(customize, &QPushButton::clicked, this, [this] {
        CCustomizeLayoutDlg dialog(model_, this);
        dialog.exec();
        RefreshButtonStates();
    });
    RefreshButtonStates();
}

void CWindowPlacement::Press(PlacementButton button) {
    const std::optional<bool> hide = PressPlacementButton(model_, window_, button);
    if (hide)
        Q_EMIT HideMenuBarChosen(*hide);
    MarkModified(false);
    RefreshButtonStates();
}

void CWindowPlacement::RefreshButtonStates() {
    const PlacementButtonStates st = PlacementButtonsEnabled(model_.settings.SpecialWindowLayout);
    buttons_[PlacementButton::CenterHorizontally]->setEnabled(st.centerHorizontally);
    buttons_[PlacementButton::CenterVertically]->setEnabled(st.centerVertically);
    buttons_[PlacementButton::WidthToScreen]->setEnabled(st.widthToScreen);
    buttons_[PlacementButton::HeightToScreen]->setEnabled(st.heightToScreen);
}

void CWindowPlacement::Apply() {
    ApplyWindowPlacement(model_, window_, lock_->isChecked());
}

// --- Window Options ------------------------------------------------------------------

CWindowOptions::CWindowOptions(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "windowOptionsPage") {
    QVBoxLayout* column = PageColumn(this);
    const WindowOptionsChoice c = WindowOptionsChoice::From(model_.settings);
    autoHide_ = AddCheck(column, "Auto-Hide", "autoHide", c.autoHide);
    showCaption_ =
        AddCheck(column, "Show Caption Bar on Auto-Hide", "showCaptionBar", c.showCaptionBar);
    invisible_ = AddCheck(column, "Make Invisible on Auto-Hide", "invisibleOnAutoHide",
                          c.invisibleOnAutoHide);
    topMost_ = AddCheck(column, "Keep on Top", "keepOnTop", c.topMost);
}

void CWindowOptions::Apply() {
    ApplyWindowOptions(model_, window_,
                       {autoHide_->isChecked(), showCaption_->isChecked(), invisible_->isChecked(),
                        topMost_->isChecked()});
}

// --- Menu Bar ------------------------------------------------------------------------

CMenuBar::CMenuBar(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "menuBarPage") {
    QVBoxLayout* column = PageColumn(this);
    const MenuBarChoice c = MenuBarChoice::From(model_.settings);
    QVBoxLayout* bar = AddGroup(column, "Menu Bar", "menuBarGroup");
    hide_ = AddCheck(bar, "Hide", "hideMenuBar", c.hide);
    shortCaptions_ =
        AddCheck(bar, "Short (Abbreviated) Captions", "shortCaptions", c.shortCaptions);
    colorBitmaps_ = AddCheck(bar, "Color Graphics", "colorGraphics", c.colorBitmaps);
    QVBoxLayout* buttons = AddGroup(column, "Menu Bar Buttons", "menuButtonsGroup");
    pushpin_ = AddCheck(buttons, "Push-Pin for Auto-Hide Control", "pushpin", c.pushpin);
    lock_ = AddCheck(buttons, "Lock Window Position", "lock", c.lock);
    home_ = AddCheck(buttons, "Home (category on start-up)", "home", c.home);
    aDrive_ = AddCheck(buttons, "A-Drive (3.5\" Diskette)", "aDrive", c.aDrive);
    screenSaver_ = AddCheck(buttons, "Screen Saver", "screenSaver", c.screenSaver);
    categoryUpDown_ =
        AddCheck(buttons, "Category Up-Down Controls", "categoryUpDown", c.categoryUpDown);
    // Without a screen saver on this desktop the choice has no effect.
    screenSaver_->setEnabled(ScreenSaverAvailable(model_));
}

void CMenuBar::SetHideBox(bool hide) {
    hide_->setChecked(hide);
}

MenuBarChoice CMenuBar::Choice() const {
    MenuBarChoice c;
    c.hide = hide_->isChecked();
    c.shortCaptions = shortCaptions_->isChecked();
    c.colorBitmaps = colorBitmaps_->isChecked();
    c.pushpin = pushpin_->isChecked();
    c.lock = lock_->isChecked();
    c.home = home_->isChecked();
    c.aDrive = aDrive_->isChecked();
    c.screenSaver = screenSaver_->isChecked();
    c.categoryUpDown = categoryUpDown_->isChecked();
    return c;
}

void CMenuBar::Apply() {
    if (!ApplyMenuBar(model_, window_, Choice()))
        screenSaver_->setEnabled(false);
}

// --- Sounds --------------------------------------------------------------------------

CSoundOptions::CSoundOptions(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "soundsPage") {
    QVBoxLayout* column = PageColumn(this);
    const SoundChoice c = SoundChoice::From(model_.settings);
    sound_ = AddCheck(column, "Play Action Sounds", "playActionSounds", c.sound);
    chimes_ = AddCheck(column, "Play Chimes", "playChimes", c.chimes);
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    QPushButton* setSounds = AddButton(row, "&Set Sounds...", "setSounds");
    row->addStretch(1);
    connect(setSounds, &QPushButton::clicked, this, [this] {
        ModalScope modal(model_);
        CDefaultSoundsDlg dialog(model_, this);
        dialog.exec();
    });
}

void CSoundOptions::Apply() {
    ApplySoundOptions(model_, {sound_->isChecked(), chimes_->isChecked()});
}

// --- Button Properties -----------------------------------------------------------------

CButtonPropsPage::CButtonPropsPage(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "buttonPropertiesPage") {
    QVBoxLayout* column = PageColumn(this);
    const ButtonPropsChoice c = ButtonPropsChoice::From(model_.settings);
    QVBoxLayout* size = AddGroup(column, "Button Size", "buttonSizeGroup");
    width_ = AddUpDown(size, "Button &Width", "buttonWidth", kButtonSizeRange, c.width,
                       [this](int d) { Step(width_, kButtonSizeRange, d); });
    height_ = AddUpDown(size, "Button &Height", "buttonHeight", kButtonSizeRange, c.height,
                        [this](int d) { Step(height_, kButtonSizeRange, d); });
    spacing_ = AddUpDown(size, "S&pacing Between Buttons", "buttonSpacing", kButtonSpacingRange,
                         c.spacing, [this](int d) { Step(spacing_, kButtonSpacingRange, d); });

    QVBoxLayout* text = AddGroup(column, "Text on Buttons", "textOnButtonsGroup");
    textMode_ = new QButtonGroup(this);
    AddRadio(text, textMode_, "None", "textNone", 0);
    AddRadio(text, textMode_, "One Line", "textOneLine", 1);
    AddRadio(text, textMode_, "Two Lines", "textTwoLines", 2);
    if (QAbstractButton* mode = textMode_->button(c.textMode))
        mode->setChecked(true);
    connect(textMode_, &QButtonGroup::idClicked, this, [this] { ApplyNow(); });

    popupText_ =
        AddCheck(column, "Display Popup Text when Cursor is on a Button", "popupText", c.popupText);
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    QPushButton* defaults = AddButton(row, "Use &Defaults", "useDefaults");
    row->addStretch(1);
    connect(defaults, &QPushButton::clicked, this, [this] {
        ButtonPropsChoice choice = Choice();
        UseDefaultButtonSize(choice);
        SetSizes(choice);
        ApplyNow();
    });
}

ButtonPropsChoice CButtonPropsPage::Choice() const {
    ButtonPropsChoice c;
    c.width = width_->value();
    c.height = height_->value();
    c.spacing = spacing_->value();
    c.textMode =
        textMode_->checkedId() >= 0 ? textMode_->checkedId() : model_.settings.TextOnButtons;
    c.popupText = popupText_->isChecked();
    return c;
}

void CButtonPropsPage::SetSizes(const ButtonPropsChoice& choice) {
    width_->setValue(choice.width);
    height_->setValue(choice.height);
    spacing_->setValue(choice.spacing);
}

void CButtonPropsPage::Step(UpDownSpinBox* box, UpDownRange range, int delta) {
    if (const std::optional<int> value = StepUpDown(model_, box->value(), delta, range)) {
        box->setValue(*value);
        ApplyNow();
    }
}

void CButtonPropsPage::Apply() {
    ApplyButtonProps(model_, window_, Choice());
}

// --- Date and Time -------------------------------------------------------------------

CDateAndTime::CDateAndTime(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "dateAndTimePage"),
      lastApplied_(DateTimeChoice::From(model.settings)) {
    QVBoxLayout* column = PageColumn(this);
    auto* groups = new QHBoxLayout;
    column->addLayout(groups);
    QVBoxLayout* weekday = AddGroup(groups, "Weekday", "weekdayGroup");
    weekday_ = new QButtonGroup(this);
    AddRadio(weekday, weekday_, "none", "weekdayNone", 0);
    AddRadio(weekday, weekday_, "Full Name", "weekdayFull", 1);
    AddRadio(weekday, weekday_, "Abbreviation", "weekdayAbbreviation", 2);
    QVBoxLayout* date = AddGroup(groups, "Date", "dateGroup");
    date_ = new QButtonGroup(this);
    AddRadio(date, date_, "none", "dateNone", 0);
    AddRadio(date, date_, "September 21, 1998", "dateLong", 1);
    AddRadio(date, date_, "Sept. 21, 1998", "dateShort", 2);
    AddRadio(date, date_, "September 21", "dateLongNoYear", 3);
    AddRadio(date, date_, "Sept. 21", "dateShortNoYear", 4);
    AddRadio(date, date_, "09/21/98", "dateNumeric", 5);
    AddRadio(date, date_, "09/21", "dateNumericNoYear", 6);
    QVBoxLayout* time = AddGroup(groups, "Time", "timeGroup");
    time_ = new QButtonGroup(this);
    AddRadio(time, time_, "none", "timeNone", 0);
    AddRadio(time, time_, "12-hour time", "time12", 1);
    AddRadio(time, time_, "24-hour time", "time24", 2);
    for (QVBoxLayout* group : {weekday, date, time})
        group->addStretch(1);

    const DateTimeChoice c = lastApplied_;
    for (const auto& [group, value] :
         {std::pair{weekday_, c.weekday}, std::pair{date_, c.date}, std::pair{time_, c.time}}) {
        if (QAbstractButton* button = group->button(value))
            button->setChecked(true);
        connect(group, &QButtonGroup::idClicked, this, [this] {
            UpdatePreview();
            MarkModified();
        });
    }

    auto* previewRow = new QHBoxLayout;
    column->addLayout(previewRow);
    auto* previewLabel = new QLabel(QStringLiteral("Caption text:"));
    preview_ = new QLineEdit;
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setReadOnly(true);
    previewLabel->setBuddy(preview_);
    preview_->setAccessibleName(QStringLiteral("Caption text"));
    previewRow->addWidget(previewLabel);
    previewRow->addWidget(preview_, 1);
    UpdatePreview();
}

DateTimeChoice CDateAndTime::Choice() const {
    return {std::max(0, weekday_->checkedId()), std::max(0, date_->checkedId()),
            std::max(0, time_->checkedId())};
}

void CDateAndTime::UpdatePreview() {
    preview_->setText(QString::fromStdString(DateTimePreview(model_, Choice())));
}

void CDateAndTime::Apply() {
    ApplyDateAndTime(model_, Choice(), lastApplied_);
}

// --- Cat. Name Format ------------------------------------------------------------------

CCatNameFmt::CCatNameFmt(CModel& model, OptionsWindow& window)
    : OptionsPage(model, window, "catNameFormatPage") {
    QVBoxLayout* column = PageColumn(this);
    const CatNameChoice c = CatNameChoice::From(model_.settings);
    QVBoxLayout* formats = AddGroup(column, "Category Name Format", "formatGroup");
    format_ = new QButtonGroup(this);
    AddRadio(formats, format_, "Category = xxxxx", "format1", 1);
    AddRadio(formats, format_, "Category n = xxxxx", "format2", 2);
    AddRadio(formats, format_, "Category = xxxxx  (n / nTot)", "format3", 3);
    AddRadio(formats, format_, "xxxxx", "format4", 4);
    AddRadio(formats, format_, "n: xxxxx", "format5", 5);
    AddRadio(formats, format_, "xxxxx (n / nTot)", "format6", 6);
    if (QAbstractButton* button = format_->button(c.format))
        button->setChecked(true);
    connect(format_, &QButtonGroup::idClicked, this, [this] { MarkModified(); });
    showConfig_ = AddCheck(column, "Show Configuration Name", "showConfigName", c.showConfigName);
    showCategory_ = AddCheck(column, "Show Category Name", "showCategoryName", c.showCategoryName);
}

void CCatNameFmt::Apply() {
    const int format =
        format_->checkedId() > 0 ? format_->checkedId() : model_.settings.CatNameFormat;
    ApplyCatNameFormat(model_, {format, showConfig_->isChecked(), showCategory_->isChecked()});
}

// --- Miscellaneous ---------------------------------------------------------------------

CMisc::CMisc(CModel& model, OptionsWindow& window, StartupLinkPlaces places)
    : OptionsPage(model, window, "miscellaneousPage"), places_(std::move(places)),
      startupBox_(ReadStartupLinkBox(model.platform.fs, places_)) {
    QVBoxLayout* column = PageColumn(this);
    startup_ =
        AddCheck(column, "&Start Dorvane when you log in", "startWithSession", startupBox_.current);
    connect(startup_, &QCheckBox::clicked, this,
            [this](bool checked) { startupBox_.current = checked; });

    QVBoxLayout* group = AddGroup(column, "Global Shortcut", "globalShortcutGroup");
    auto* caption = new QLabel(QStringLiteral("&Bring up Dorvane and find a button:"));
    hotkeyEdit_ = new HotkeyEdit;
    hotkeyEdit_->setObjectName(QStringLiteral("globalHotkey"));
    hotkeyEdit_->setAccessibleName(QStringLiteral("Global shortcut"));
    hotkeyEdit_->setAccessibleDescription(
        QStringLiteral("Press the key combination that brings up Dorvane from anywhere"));
    caption->setBuddy(hotkeyEdit_);
    clearHotkey_ = AddButton(group, "C&lear", "clearGlobalHotkey");
    clearHotkey_->setAccessibleName(QStringLiteral("Clear the global shortcut"));
    auto* row = new QHBoxLayout;
    row->addWidget(hotkeyEdit_, 1);
    row->addWidget(clearHotkey_);
    group->insertWidget(0, caption);
    group->insertLayout(1, row);
    hotkeyStatus_ = new QLabel;
    hotkeyStatus_->setObjectName(QStringLiteral("globalHotkeyStatus"));
    hotkeyStatus_->setWordWrap(true);
    hotkeyStatus_->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
    group->addWidget(hotkeyStatus_);

    if (CGlobalHotkey* hotkey = window_.GlobalHotkey()) {
        hotkeyEdit_->setKeySequence(QKeySequence::fromString(
            QString::fromStdString(hotkey->Combination()), QKeySequence::PortableText));
        // The desktop may answer a bind later; the page shows it when it does.
        hotkey->SetStateListener([this] { ShowHotkeyState(); });
    }
    connect(hotkeyEdit_, &QKeySequenceEdit::keySequenceChanged, this, &CMisc::HotkeyEdited);
    connect(clearHotkey_, &QPushButton::clicked, this, [this] {
        hotkeyEdit_->clear();
        hotkeyEdit_->setFocus(Qt::OtherFocusReason);
    });
    ShowHotkeyState();
}

CMisc::~CMisc() {
    if (CGlobalHotkey* hotkey = window_.GlobalHotkey())
        hotkey->SetStateListener(nullptr);
}

std::string CMisc::ChosenHotkey() const {
    const QKeySequence sequence = hotkeyEdit_->keySequence();
    if (sequence.isEmpty())
        return "";
    return QKeySequence(sequence[0]).toString(QKeySequence::PortableText).toStdString();
}

void CMisc::HotkeyEdited() {
    MarkModified();
    if (CGlobalHotkey* hotkey = window_.GlobalHotkey())
        hotkeyStatus_->setText(QString::fromStdString(hotkey->ChoiceText(ChosenHotkey())));
}

void CMisc::ShowHotkeyState() {
    CGlobalHotkey* hotkey = window_.GlobalHotkey();
    const bool available = hotkey != nullptr && hotkey->Available();
    hotkeyEdit_->setEnabled(available);
    clearHotkey_->setEnabled(available);
    hotkeyStatus_->setText(
        hotkey ? QString::fromStdString(hotkey->StatusText())
               : QStringLiteral("Global shortcuts are not available in this window."));
}

void CMisc::Apply() {
    ApplyStartupLink(model_, places_, startupBox_);
    startup_->setChecked(startupBox_.current);

    CGlobalHotkey* hotkey = window_.GlobalHotkey();
    if (hotkey == nullptr || !hotkey->Available())
        return;
    // A combination already in effect stays as it is; one that failed is
    // asked for again.
    const std::string problem = hotkey->Set(ChosenHotkey());
    if (!problem.empty())
        hotkeyStatus_->setText(QString::fromStdString(problem));
}
