#include "ui/qt/OptionsSheet.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/Model.h"
#include "ui/ModalScope.h"
#include "ui/qt/DialogSupport.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"
#include "ui/qt/OptionsPageWidgets.h"

CFrameGeometry& QtOptionsWindow::Placement() {
    CFrameGeometry& geometry = frame_.Geometry();
    geometry.SetScreen(frame_.Metrics());
    geometry.SetGeometry(frame_.OuterRect());
    return geometry;
}

void QtOptionsWindow::ApplyZOrder() {
    frame_.ApplyZOrder();
}

void QtOptionsWindow::SetMenuBarShown(bool shown) {
    frame_.SetMenuAttached(shown);
}

void QtOptionsWindow::RebuildMenuBar() {
    frame_.RebuildMenuBar();
}

void QtOptionsWindow::ApplyButtonStyle() {
    frame_.View()->ApplyButtonStyle();
}

CGlobalHotkey* QtOptionsWindow::GlobalHotkey() {
    return &frame_.Hotkey();
}

StartupLinkPlaces SessionStartupLinkPlaces() {
    StartupLinkPlaces places;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!config.isEmpty())
        places.autostartFolder = DialogSupport::PathBytes(config + QStringLiteral("/autostart"));
    // Started through its start script (which sets the program folder and
    // the display platform), the program is started the same way at login.
    const QString script = qEnvironmentVariable("DORVANE_START_COMMAND");
    const QString command = !script.isEmpty() && QFileInfo(script).isExecutable()
                                ? script
                                : QCoreApplication::applicationFilePath();
    places.executable = DialogSupport::PathBytes(command);
    return places;
}

COptions::COptions(CModel& model, OptionsWindow& window, const StartupLinkPlaces& places,
                   QWidget* parent)
    : QDialog(parent), model_(model) {
    DialogSupport::Decorate(*this, "optionsSheet", kOptionsCaption);
    auto* placement = new CWindowPlacement(model, window);
    auto* menuBar = new CMenuBar(model, window);
    pages_ = {placement,
              new CWindowOptions(model, window),
              menuBar,
              new CSoundOptions(model, window),
              new CButtonPropsPage(model, window),
              new CDateAndTime(model, window),
              new CCatNameFmt(model, window),
              new CMisc(model, window, places)};
    connect(placement, &CWindowPlacement::HideMenuBarChosen, menuBar, &CMenuBar::SetHideBox);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("optionsTabs"));
    // Every tab caption stays in view; the sheet widens to hold them.
    tabs_->setUsesScrollButtons(false);
    for (int i = 0; i < kOptionsPageCount; ++i) {
        OptionsPage* page = pages_[static_cast<std::size_t>(i)];
        tabs_->addTab(page, QString::fromUtf8(OptionsPageCaption(i)));
        connect(page, &OptionsPage::SheetModified, this,
                [this, page](bool modified) { PageModified(page, modified); });
    }
    tabs_->setCurrentIndex(OpeningOptionsPage(model_.settings));

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    buttons->setObjectName(QStringLiteral("sheetButtons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    apply_ = buttons->button(QDialogButtonBox::Apply);
    apply_->setObjectName(QStringLiteral("apply"));
    apply_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyPages();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, &COptions::ApplyPages);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

int COptions::exec() {
    ModalScope modal(model_);
    return QDialog::exec();
}

void COptions::done(int result) {
    RememberOptionsPage(model_.settings, tabs_->currentIndex());
    QDialog::done(result);
}

void COptions::ApplyPages() {
    for (OptionsPage* page : pages_)
        page->ApplyIfModified();
}

void COptions::PageModified(OptionsPage* page, bool modified) {
    if (modified)
        modifiedPages_.insert(page);
    else
        modifiedPages_.erase(page);
    apply_->setEnabled(!modifiedPages_.empty());
}
