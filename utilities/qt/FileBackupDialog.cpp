#include "utilities/qt/FileBackupDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "model/Model.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "ui/ModalScope.h"

namespace {

QString Q(const std::string& s) {
    return QFile::decodeName(QByteArray::fromStdString(s));
}

// How long one slice of work may keep the event loop waiting.
constexpr int kSliceMilliseconds = 30;
constexpr int kEntriesPerStep = 16;

// The first local path of a drag, or "".
std::string FirstLocalPath(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().isEmpty())
        return {};
    const QUrl url = mime->urls().first();
    return url.isLocalFile() ? QFile::encodeName(url.toLocalFile()).toStdString() : std::string();
}

} // namespace

CFileBackupDlg::CFileBackupDlg(CModel& model, QWidget* parent)
    : QDialog(parent), model_(model), backup_(model) {
    setObjectName(QStringLiteral("FileBackupDialog"));
    setWindowTitle(QStringLiteral(" File Backup"));
    setWindowIcon(ProgramIcons::Window());
    setAcceptDrops(true);

    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* setRoot = file->addAction(QStringLiteral("&Set Root Folder"));
    setRoot->setObjectName(QStringLiteral("setRootFolder"));
    QAction* showRoot = file->addAction(QStringLiteral("Show &Root Folder"));
    showRoot->setObjectName(QStringLiteral("showRootFolder"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("dropPicture"));
    picture->setAccessibleName(QStringLiteral("Drop files and folders here"));
    picture->setToolTip(QStringLiteral("Drop files and folders here to copy them"));
    picture->setAlignment(Qt::AlignCenter);
    // Drawn at the display's pixel ratio, so the picture stays sharp when scaled.
    const QIcon net(QString::fromUtf8(IconNames::BackupNet));
    picture->setPixmap(net.pixmap(QSize(96, 96), devicePixelRatioF()));
    picture->setMinimumSize(110, 110);

    source_ = new QLineEdit(this);
    source_->setObjectName(QStringLiteral("source"));
    destination_ = new QLineEdit(this);
    destination_->setObjectName(QStringLiteral("destination"));
    auto* copyingLabel = new QLabel(QStringLiteral("Copying"), this);
    copyingLabel->setBuddy(source_);
    auto* toLabel = new QLabel(QStringLiteral("To"), this);
    toLabel->setBuddy(destination_);
    for (QLineEdit* edit : {source_, destination_}) {
        edit->setReadOnly(true);
        edit->setAcceptDrops(false); // a drop anywhere on the dialog is a backup
        edit->setMinimumWidth(380);
    }
    source_->setAccessibleName(QStringLiteral("Copying"));
    destination_->setAccessibleName(QStringLiteral("To"));

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setAccessibleName(QStringLiteral("Files handled"));
    copyFiles_ = new QCheckBox(QStringLiteral("Copy Files"), this);
    copyFiles_->setObjectName(QStringLiteral("copyFiles"));
    subFolders_ = new QCheckBox(QStringLiteral("Copy Everything in Sub Folders"), this);
    subFolders_->setObjectName(QStringLiteral("subFolders"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setAccessibleName(QStringLiteral("Backup progress"));
    progress_->setVisible(false);

    enable_ = new QPushButton(this);
    enable_->setObjectName(QStringLiteral("enable"));
    failures_ = new QPushButton(QStringLiteral("&Failures..."), this);
    failures_->setObjectName(QStringLiteral("failures"));
    failures_->setVisible(false);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("help"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(copyingLabel, 0, 0);
    fields->addWidget(source_, 1, 0);
    fields->addWidget(toLabel, 2, 0);
    fields->addWidget(destination_, 3, 0);
    fields->addWidget(count_, 4, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(fields, 1);
    auto* options = new QVBoxLayout;
    options->addWidget(copyFiles_);
    options->addWidget(subFolders_);
    options->addWidget(progress_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(enable_);
    buttons->addWidget(failures_);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top);
    layout->addLayout(options);
    layout->addLayout(buttons);

    slices_ = new QTimer(this);
    slices_->setInterval(0);
    connect(slices_, &QTimer::timeout, this, &CFileBackupDlg::RunSlice);
    connect(setRoot, &QAction::triggered, this, [this] { SetBackupRootFolder(model_); });
    connect(showRoot, &QAction::triggered, this, [this] { ShowBackupRootFolder(model_); });
    connect(enable_, &QPushButton::clicked, this, [this] {
        ToggleFileBackup(model_);
        ShowState();
    });
    connect(failures_, &QPushButton::clicked, this, [this] {
        model_.Message(backup_.FailureReport(), "Files Not Copied", MsgIcon::Exclamation);
    });
    connect(help, &QPushButton::clicked, this, [this] { ShowBackupHelp(model_); });
    connect(close, &QPushButton::clicked, this, &CFileBackupDlg::reject);

    // Each opening starts with both switches on.
    copyFiles_->setChecked(true);
    subFolders_->setChecked(true);
    ShowState();
}

void CFileBackupDlg::Open(CModel& model, QWidget* parent, const std::string& path, bool autoClose) {
    ModalScope modal(model);
    CFileBackupDlg dialog(model, parent);
    if (!path.empty())
        dialog.BackUpOnOpen(path, autoClose);
    dialog.exec();
}

void CFileBackupDlg::BackUpOnOpen(const std::string& path, bool autoClose) {
    openPath_ = path;
    autoClose_ = autoClose;
}

void CFileBackupDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (openPath_.empty() || openStarted_)
        return;
    openStarted_ = true;
    QTimer::singleShot(500, this, [this] {
        DropPath(openPath_);
        if (autoClose_ && !backup_.Running())
            Finish();
    });
}

bool CFileBackupDlg::AcceptsDrops() const {
    return model_.settings.FileBackupEnabled && !backup_.Running();
}

void CFileBackupDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (AcceptsDrops() && !FirstLocalPath(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CFileBackupDlg::dropEvent(QDropEvent* event) {
    const std::string path = FirstLocalPath(event->mimeData());
    if (path.empty() || !AcceptsDrops())
        return;
    event->acceptProposedAction();
    // Handled after the drop returns, so the dragging program is not kept waiting.
    QTimer::singleShot(0, this, [this, path] { DropPath(path); });
}

void CFileBackupDlg::DropPath(const std::string& path) {
    if (!AcceptsDrops())
        return;
    if (!backup_.Start(path, copyFiles_->isChecked(), subFolders_->isChecked()))
        return;
    failures_->setVisible(false);
    slices_->start();
    ShowState();
}

void CFileBackupDlg::RunSlice() {
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < kSliceMilliseconds)
        more = backup_.Step(kEntriesPerStep);
    if (more) {
        ShowState();
        return;
    }
    slices_->stop();
    ShowState();
    if (autoClose_)
        Finish();
}

void CFileBackupDlg::ShowState() {
    const bool copying = backup_.CurrentPhase() == CFileBackup::Phase::Copying;
    copyFiles_->setVisible(!copying);
    subFolders_->setVisible(!copying);
    progress_->setVisible(copying);
    if (copying) {
        progress_->setRange(0, backup_.Total());
        progress_->setValue(backup_.Position());
    }
    source_->setText(Q(backup_.Source()));
    destination_->setText(Q(backup_.Destination()));
    count_->setText(QString::fromStdString(backup_.CountText()));
    failures_->setVisible(!backup_.Running() && !backup_.Failures().empty());
    enable_->setText(QString::fromStdString(BackupEnableText(model_)));
}

void CFileBackupDlg::Finish() {
    // A backup started by a command closes itself, but never hides a failure.
    if (!backup_.Failures().empty())
        model_.Message(backup_.FailureReport(), "Files Not Copied", MsgIcon::Exclamation);
    accept();
}

void CFileBackupDlg::reject() {
    // Close stops a running backup where it is; what was copied stays.
    slices_->stop();
    backup_.Stop();
    QDialog::reject();
}
