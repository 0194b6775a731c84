#include "utilities/qt/SelectIconsDialog.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "platform/qt/IconPixmaps.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "sounds/PlaySound.h"
#include "ui/ModalScope.h"
#include "ui/qt/QtButtonIcons.h"

namespace {

constexpr int kIconSize = 32;

QString Q(const std::string& s) {
    return QFile::decodeName(QByteArray::fromStdString(s));
}

// An icon-mode list whose items the dialog places itself.
class PlacedList : public QListWidget {
  public:
    using QListWidget::QListWidget;
    void Place(int row, const IconCell& cell) {
        setPositionForIndex(QPoint(cell.x, cell.y), model()->index(row, 0));
    }
};

QListWidget* MakeList(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* list = new PlacedList(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setViewMode(QListView::IconMode);
    list->setMovement(QListView::Free);
    list->setDragDropMode(QAbstractItemView::NoDragDrop);
    list->setAcceptDrops(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setIconSize(QSize(kIconSize, kIconSize));
    list->setMinimumSize(260, 300);
    return list;
}

QLabel* MakePreview(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* preview = new QLabel(parent);
    preview->setObjectName(QString::fromLatin1(name));
    preview->setAccessibleName(accessibleName);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setFixedSize(kIconSize + 12, kIconSize + 12);
    preview->setAlignment(Qt::AlignCenter);
    return preview;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name,
                        const QString& accessibleName) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CSelectIconsDlg::CSelectIconsDlg(CModel& model, QWidget* parent)
    : QDialog(parent), model_(model), icons_(model),
      buttonIcons_(std::make_unique<QtButtonIcons>(devicePixelRatioF())) {
    setObjectName(QStringLiteral("SelectIconsDialog"));
    setWindowIcon(ProgramIcons::Window());
    setAcceptDrops(true);

    auto* files = MakeButton(this, QStringLiteral("Files..."), "files", QStringLiteral("Files..."));
    auto* folders =
        MakeButton(this, QStringLiteral("Folders..."), "folders", QStringLiteral("Folders..."));
    source_ = new QLineEdit(this);
    source_->setObjectName(QStringLiteral("iconIn"));
    source_->setReadOnly(true);
    source_->setAcceptDrops(false);
    source_->setAccessibleName(QStringLiteral("Icon In:"));
    auto* sourceLabel = new QLabel(QStringLiteral("Icon In:"), this);
    sourceLabel->setBuddy(source_);

    const QString iconsText = QStringLiteral("Select an Icon to Apply to a Button");
    const QString buttonsText = QStringLiteral("Select the Button to Receive the Selected Icon");
    iconList_ = MakeList(this, "iconList", iconsText);
    buttonList_ = MakeList(this, "buttonList", buttonsText);
    buttonList_->setMinimumWidth(140);
    // One column of buttons, centred: nothing to scroll sideways.
    buttonList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* iconsLabel = new QLabel(iconsText, this);
    iconsLabel->setBuddy(iconList_);
    auto* buttonsLabel = new QLabel(buttonsText, this);
    buttonsLabel->setWordWrap(true);
    buttonsLabel->setBuddy(buttonList_);

    iconPreview_ = MakePreview(this, "iconPreview", QStringLiteral("Selected icon"));
    buttonPreview_ = MakePreview(this, "buttonPreview", QStringLiteral("Selected button's icon"));
    apply_ = MakeButton(this, QStringLiteral("----->"), "apply",
                        QStringLiteral("Apply the icon to the button"));
    previous_ =
        MakeButton(this, QStringLiteral("<--"), "previous", QStringLiteral("Previous category"));
    next_ = MakeButton(this, QStringLiteral("-->"), "next", QStringLiteral("Next category"));
    auto* close = MakeButton(this, QStringLiteral("&Close"), "close", QStringLiteral("Close"));
    close->setDefault(true);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(files);
    sourceRow->addWidget(folders);
    sourceRow->addWidget(sourceLabel);
    sourceRow->addWidget(source_, 1);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(iconPreview_, 0, Qt::AlignHCenter);
    middle->addWidget(apply_);
    middle->addWidget(buttonPreview_, 0, Qt::AlignHCenter);
    middle->addStretch(1);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(previous_);
    arrows->addWidget(next_);
    middle->addLayout(arrows);
    auto* lists = new QGridLayout;
    lists->addWidget(iconsLabel, 0, 0);
    lists->addWidget(buttonsLabel, 0, 2);
    lists->addWidget(iconList_, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(buttonList_, 1, 2);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(2, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sourceRow);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    resize(720, 480);

    connect(files, &QPushButton::clicked, this, [this] {
        if (icons_.ChooseFile())
            LoadIcons();
    });
    connect(folders, &QPushButton::clicked, this, [this] {
        if (icons_.ChooseFolder())
            LoadIcons();
    });
    connect(iconList_, &QListWidget::currentRowChanged, this, &CSelectIconsDlg::IconChosen);
    connect(buttonList_, &QListWidget::currentRowChanged, this, &CSelectIconsDlg::ButtonChosen);
    connect(apply_, &QPushButton::clicked, this, &CSelectIconsDlg::Apply);
    connect(previous_, &QPushButton::clicked, this, [this] {
        icons_.StepCategory(-1);
        FillButtons();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        icons_.StepCategory(+1);
        FillButtons();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    setWindowTitle(QString::fromStdString(icons_.Caption()));
    FillButtons();
}

CSelectIconsDlg::~CSelectIconsDlg() = default;

void CSelectIconsDlg::Show(CModel& model, QWidget* parent, int slot) {
    ModalScope modal(model);
    CSelectIconsDlg dialog(model, parent);
    if (slot >= 0)
        dialog.SelectButton(slot);
    dialog.exec();
}

void CSelectIconsDlg::LoadIcons() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QSignalBlocker blocker(iconList_);
    iconList_->clear();
    for (int i = 0; i < icons_.IconCount(); ++i) {
        const IconRef& ref = icons_.Icon(i);
        auto* item =
            new QListWidgetItem(IconPixmaps::FromFile(ref.file, ref.index), QString(), iconList_);
        item->setData(Qt::AccessibleTextRole, QStringLiteral("Icon %1").arg(i + 1));
        item->setToolTip(Q(ref.file) + (icons_.SourceMode() == CSelectIcons::Mode::File
                                            ? QStringLiteral(", icon %1").arg(ref.index)
                                            : QString()));
    }
    PlaceItems();
    QApplication::restoreOverrideCursor();
    setWindowTitle(Q(icons_.Caption()));
    source_->setText(Q(icons_.SourcePath()));
    iconPreview_->clear();
    UpdateStates();
}

void CSelectIconsDlg::FillButtons() {
    {
        const QSignalBlocker blocker(buttonList_);
        buttonList_->clear();
        for (int slot = 0; slot < kSlotsPerCategory; ++slot) {
            const CButtonDef* button = model_.GetButton(-1, slot);
            const QPixmap& pixmap = button ? buttonIcons_->Pixmap(button->DrawnIcon())
                                           : buttonIcons_->Resource(IconNames::EmptySlot);
            auto* item = new QListWidgetItem(QIcon(pixmap), QString(), buttonList_);
            const QString name = button ? QString::fromStdString(button->Name()) : QString();
            item->setData(Qt::AccessibleTextRole,
                          button ? QStringLiteral("Button %1: %2").arg(slot + 1).arg(name)
                                 : QStringLiteral("Empty slot %1").arg(slot + 1));
            item->setToolTip(name);
        }
    }
    PlaceItems();
    icons_.SelectButton(-1);
    buttonPreview_->clear();
    UpdateStates();
    PlayActionSound(model_, "Change Category", true);
}

void CSelectIconsDlg::SelectButton(int slot) {
    buttonList_->setCurrentRow(slot);
}

void CSelectIconsDlg::PlaceItems() {
    const int iconWidth = iconList_->viewport()->width();
    for (int i = 0; i < iconList_->count(); ++i)
        static_cast<PlacedList*>(iconList_)->Place(i, IconGridCell(iconWidth, i));
    const int buttonWidth = buttonList_->viewport()->width();
    for (int i = 0; i < buttonList_->count(); ++i)
        static_cast<PlacedList*>(buttonList_)->Place(i, ButtonListCell(buttonWidth, i));
}

void CSelectIconsDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceItems();
}

void CSelectIconsDlg::UpdateStates() {
    previous_->setEnabled(icons_.PreviousEnabled());
    next_->setEnabled(icons_.NextEnabled());
    apply_->setEnabled(icons_.ApplyEnabled());
}

void CSelectIconsDlg::IconChosen(int row) {
    icons_.SelectIcon(row);
    if (icons_.SelectedIcon() >= 0) {
        const IconRef& ref = icons_.Icon(icons_.SelectedIcon());
        iconPreview_->setPixmap(IconPixmaps::FromFile(ref.file, ref.index)
                                    .pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    } else {
        iconPreview_->clear();
    }
    UpdateStates();
}

void CSelectIconsDlg::ButtonChosen(int row) {
    icons_.SelectButton(row);
    const CButtonDef* button = model_.GetButton(-1, icons_.SelectedSlot());
    if (button) {
        buttonPreview_->setPixmap(buttonIcons_->Pixmap(button->DrawnIcon()));
    } else {
        // An empty slot cannot receive an icon: the selection goes back.
        buttonPreview_->clear();
        const QSignalBlocker blocker(buttonList_);
        buttonList_->setCurrentRow(-1);
        buttonList_->clearSelection();
    }
    UpdateStates();
}

void CSelectIconsDlg::Apply() {
    const int slot = icons_.Apply();
    if (slot >= 0) {
        if (const CButtonDef* button = model_.GetButton(-1, slot))
            buttonList_->item(slot)->setIcon(QIcon(buttonIcons_->Pixmap(button->DrawnIcon())));
    }
    iconPreview_->clear();
    buttonPreview_->clear();
    for (QListWidget* list : {iconList_, buttonList_}) {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    UpdateStates();
}

void CSelectIconsDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CSelectIconsDlg::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    const std::string path = QFile::encodeName(urls.first().toLocalFile()).toStdString();
    if (icons_.Drop(path)) {
        event->acceptProposedAction();
        LoadIcons();
    }
}
