#include "ui/qt/FindButtonPopup.h"

#include <algorithm>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include "model/ButtonDef.h"
#include "model/Category.h"
#include "model/Model.h"
#include "ui/qt/QtButtonIcons.h"

namespace {

QString Utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

CFindButtonPopup::CFindButtonPopup(CModel& model, QtButtonIcons& icons, QWidget* parent)
    : QFrame(parent, Qt::Popup), model_(model), icons_(icons) {
    setObjectName(QStringLiteral("findButtonPopup"));
    setAccessibleName(QStringLiteral("Find Button"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);

    auto* label = new QLabel(QStringLiteral("&Find button:"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("findButtonField"));
    field_->setAccessibleName(QStringLiteral("Find button"));
    field_->setPlaceholderText(QStringLiteral("Name, text or target"));
    label->setBuddy(field_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("findButtonList"));
    list_->setAccessibleName(QStringLiteral("Matching buttons"));
    list_->setIconSize(QSize(QtButtonIcons::kSize / 2, QtButtonIcons::kSize / 2));
    list_->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(list_);

    connect(field_, &QLineEdit::textChanged, this, &CFindButtonPopup::Filter);
    connect(list_, &QListWidget::itemActivated, this, [this] { Choose(false); });
    field_->installEventFilter(this);
    list_->installEventFilter(this);
}

void CFindButtonPopup::Open(QWidget* over) {
    index_.Build(model_);
    field_->clear();
    Filter(QString());
    // Over the grid, at least wide and tall enough for a useful list, and
    // inside the screen.
    const QPoint topLeft = over->mapToGlobal(QPoint(0, 0));
    QRect rect(topLeft, QSize(std::max(over->width(), 380), 320));
    if (const QScreen* screen = over->screen()) {
        const QRect avail = screen->availableGeometry();
        rect.moveLeft(std::clamp(rect.left(), avail.left(),
                                 std::max(avail.left(), avail.right() - rect.width())));
        rect.moveTop(std::clamp(rect.top(), avail.top(),
                                std::max(avail.top(), avail.bottom() - rect.height())));
    }
    setGeometry(rect);
    show();
    raise();
    activateWindow();
    field_->setFocus(Qt::PopupFocusReason);
}

void CFindButtonPopup::Filter(const QString& text) {
    matches_ = index_.Find(text.toStdString(), kMaxListed);
    list_->clear();
    for (const FoundButton& found : matches_) {
        const CButtonDef* button = model_.GetButton(found.category, found.slot);
        const CCategory* category = model_.Category(found.category);
        if (button == nullptr || category == nullptr)
            continue;
        const QString name = Utf8(button->Name().empty() ? button->Target() : button->Name());
        auto* item =
            new QListWidgetItem(QIcon(icons_.Pixmap(button->Icon())),
                                name + QStringLiteral("  \u2014  ") + Utf8(category->Name()));
        item->setToolTip(Utf8(button->Target()));
        list_->addItem(item);
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);
}

void CFindButtonPopup::Choose(bool show) {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(matches_.size()))
        return;
    const FoundButton chosen = matches_[static_cast<std::size_t>(row)];
    hide();
    if (show)
        Q_EMIT ShowRequested(chosen.category, chosen.slot);
    else
        Q_EMIT LaunchRequested(chosen.category, chosen.slot);
}

bool CFindButtonPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Choose(key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched == field_) {
            // The field keeps the focus; the list follows the arrows.
            QKeyEvent copy(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(list_, &copy);
            return true;
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}
