#include "ui/qt/DorvaneView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QResizeEvent>
#include <QToolTip>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "resources/IconNames.h"
#include "ui/AccessibleNames.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/MainFrame.h"
#include "ui/Tooltips.h"
#include "ui/ViewRules.h"

namespace {
// Shows the wait cursor while a category is put on a window that is on
// screen (a hidden one has no cursor to change).
class WaitCursor {
  public:
    explicit WaitCursor(bool shown) : shown_(shown) {
        if (shown_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() {
        if (shown_)
            QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool shown_;
};

QRect ToQRect(const Rect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}
} // namespace

CDorvaneView::CDorvaneView(CModel& model, CMainFrame& frame)
    : model_(model), frame_(frame), icons_(frame.devicePixelRatio()) {
    setObjectName(QStringLiteral("view"));
    font_ = QFont(QStringLiteral("Arial"));
    font_.setPixelSize(10);
    font_.setWeight(QFont::Normal);
    for (int i = 0; i < kSlotsPerCategory; ++i) {
        auto* slot = new ButtonSlot(i, this);
        slot->setFont(font_);
        slot->installEventFilter(this);
        connect(slot, &QAbstractButton::clicked, this, [this, i] { Q_EMIT SlotClicked(i); });
        connect(slot, &ButtonSlot::RightClicked, this, &CDorvaneView::SlotRightClicked);
        slots_[i] = slot;
    }
}

CDorvaneView::~CDorvaneView() = default;

bool CDorvaneView::ShowCategory(int index) {
    if (index == -1)
        index = model_.CurrentCategoryIndex();
    if (index < 0 || index >= kMaxCategories)
        return false;
    // A load shows its categories as it reads them; the cursor would flicker.
    WaitCursor wait(isVisible() && !model_.loading);
    model_.SetCurrentCategoryIndex(index);
    ApplyButtonStyle();
    for (int i = 0; i < kSlotsPerCategory; ++i)
        RefreshSlot(i);
    Layout();
    frame_.RefreshCaption();
    frame_.RefreshMenus();
    return true;
}

void CDorvaneView::RefreshSlot(int slot) {
    if (slot < 0 || slot >= kSlotsPerCategory)
        return;
    const CSettings& s = model_.settings;
    const CButtonDef* button = model_.GetButton(-1, slot);
    const QPixmap& icon =
        button ? icons_.Pixmap(button->DrawnIcon()) : icons_.Resource(IconNames::EmptySlot);
    const std::string line1 = button ? button->TextLine1() : std::string();
    const std::string line2 = button ? button->TextLine2() : std::string();
    const ButtonFace face =
        LayoutButtonFace(s.TextOnButtons, s.ButtonWidth, s.ButtonHeight, line1, line2);
    QList<ButtonSlot::TextLine> lines;
    for (const FaceText& text : face.lines)
        if (!text.text.empty())
            lines.append({ToQRect(text.rect), QString::fromStdString(text.text)});
    ButtonSlot* control = slots_[slot];
    control->SetFace(icon, ToQRect(face.icon), lines);
    control->SetActive(SlotActive(model_, slot));
    // Qt announces every change to screen readers, equal text or not.
    const AccessibleText spoken = SlotAccessibleText(model_, slot);
    const QString name = QString::fromStdString(spoken.name);
    if (name != control->accessibleName())
        control->setAccessibleName(name);
    const QString description = QString::fromStdString(spoken.description);
    if (description != control->accessibleDescription())
        control->setAccessibleDescription(description);
}

void CDorvaneView::CheckStoredPictures() {
    if (!icons_.CheckStoredPictures())
        return;
    for (int i = 0; i < kSlotsPerCategory; ++i)
        RefreshSlot(i);
}

void CDorvaneView::RefreshSlotStates() {
    for (int i = 0; i < kSlotsPerCategory; ++i)
        slots_[i]->SetActive(SlotActive(model_, i));
}

void CDorvaneView::ApplyButtonStyle() {
    const bool textMode = OwnerDrawnButtons(model_.settings.TextOnButtons);
    for (ButtonSlot* slot : slots_)
        slot->SetTextMode(textMode);
}

void CDorvaneView::RelayoutIfRowsChanged() {
    const int needed =
        RowsNeeded(model_.settings, UsedSlotCount(model_.LastUsedSlot(-1)), memory_.grid.cols);
    if (needed >= 0 && needed != memory_.grid.rows)
        Layout();
}

void CDorvaneView::Layout() {
    if (model_.closing || suspended_ || layoutRunning_)
        return;
    layoutRunning_ = true;
    const Rect outer = frame_.OuterRect();
    const LayoutResult result = ComputeLayout(
        model_.settings, frame_.Metrics(), UsedSlotCount(model_.LastUsedSlot(-1)), outer.w, outer.h,
        [this](int outerW) { return frame_.MeasuredMenuHeight(outerW); }, memory_);
    if (result.frameW != outer.w || result.frameH != outer.h)
        frame_.ResizeFromLayout(result.frameW, result.frameH);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (i < result.slots.size()) {
            slots_[i]->setGeometry(ToQRect(result.slots[i]));
            slots_[i]->show();
        } else {
            slots_[i]->hide();
        }
    }
    layoutRunning_ = false;
    frame_.AfterLayout();
}

int CDorvaneView::HitTest(const QPoint& globalPos) const {
    const QPoint p = mapFromGlobal(globalPos);
    const CSettings& s = model_.settings;
    return HitTestSlot(memory_.grid, s.ButtonWidth, s.ButtonHeight, Point{p.x(), p.y()});
}

bool CDorvaneView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    auto* slot = qobject_cast<ButtonSlot*>(watched);
    const std::string tip = slot && model_.settings.DisplayPopupText
                                ? SlotTooltip(model_, slot->SlotIndex())
                                : std::string();
    if (tip.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           QString::fromStdString(tip), slot);
    return true;
}

void CDorvaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size().width() > 0 && event->size().height() > 0) {
        memory_.clientW = event->size().width();
        memory_.clientH = event->size().height();
    }
}

void CDorvaneView::SetClicksSuppressed(bool suppressed) {
    for (ButtonSlot* slot : slots_)
        if (slot)
            slot->SetSuppressed(suppressed);
}
