#include "ui/qt/ButtonSlot.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace {

// Where a picture is drawn in the icon's place: scaled to fill it, a picture
// that is not square keeping its shape, centred.
QRect PictureRect(const QRect& place, const QPixmap& picture) {
    if (picture.isNull())
        return place;
    QRect rect(QPoint(),
               picture.deviceIndependentSize().toSize().scaled(place.size(), Qt::KeepAspectRatio));
    rect.moveCenter(place.center());
    return rect;
}

} // namespace

ButtonSlot::ButtonSlot(int slot, QWidget* parent) : QAbstractButton(parent), slot_(slot) {
    setObjectName(QStringLiteral("slot%1").arg(slot));
    // Tab reaches the slots in order; a mouse click does not move the focus.
    setFocusPolicy(Qt::TabFocus);
    hide();
}

void ButtonSlot::SetFace(const QPixmap& icon, const QRect& iconRect, const QList<TextLine>& lines) {
    icon_ = icon;
    iconRect_ = iconRect;
    lines_ = lines;
    update();
}

void ButtonSlot::SetTextMode(bool textMode) {
    textMode_ = textMode;
    setEnabled(textMode_ || active_);
    update();
}

void ButtonSlot::SetActive(bool active) {
    active_ = active;
    setEnabled(textMode_ || active_);
    update();
}

void ButtonSlot::mousePressEvent(QMouseEvent* event) {
    if (suppressed_) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::RightButton) {
        Q_EMIT RightClicked(slot_, event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton)
        pressCancelled_ = false;
    QAbstractButton::mousePressEvent(event);
}

void ButtonSlot::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        Q_EMIT RightClicked(slot_, mapToGlobal(rect().center()));
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ButtonSlot::mouseMoveEvent(QMouseEvent* event) {
    // In text mode a press that moves off its slot (onto another one or off
    // the grid) is given up for good, as the owner-drawn grid always did; icon
    // buttons keep the push button's own behaviour.
    if (pressCancelled_) {
        event->ignore();
        return;
    }
    if (textMode_ && isDown() && (event->buttons() & Qt::LeftButton) &&
        !hitButton(event->position().toPoint())) {
        pressCancelled_ = true;
        setDown(false);
        event->ignore();
        return;
    }
    QAbstractButton::mouseMoveEvent(event);
}

void ButtonSlot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressCancelled_ = false;
    if (suppressed_ && !isDown()) {
        event->ignore();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void ButtonSlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (!active_)
        option.state &= ~QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const int shift = isDown() ? 1 : 0;
    const QRect iconAt = PictureRect(iconRect_.translated(shift, shift), icon_);
    if (!icon_.isNull()) {
        if (active_ || textMode_)
            painter.drawPixmap(iconAt, icon_);
        else
            painter.drawPixmap(iconAt,
                               style()->generatedIconPixmap(QIcon::Disabled, icon_, &option));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    if (!textMode_)
        return;
    if (!active_) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(rect(), Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setFont(font());
    painter.setPen(active_ ? QColor(Qt::black)
                           : palette().color(QPalette::Disabled, QPalette::WindowText));
    for (const TextLine& line : lines_)
        painter.drawText(line.rect.translated(shift, shift),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, line.text);
}
