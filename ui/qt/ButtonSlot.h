#pragma once

#include <QAbstractButton>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

// One of the view's 100 slot controls. It draws a push-button bevel with the
// icon and text lines where the view's face layout puts them. In text mode an
// inactive slot (the source of a pending move or copy) is drawn inverted with
// gray text; in icon mode an inactive slot is simply disabled.
class ButtonSlot : public QAbstractButton {
    Q_OBJECT
  public:
    ButtonSlot(int slot, QWidget* parent);

    int SlotIndex() const { return slot_; }

    struct TextLine {
        QRect rect; // the line is centred in it
        QString text;
    };
    // The picture, where it goes, and the text lines drawn.
    void SetFace(const QPixmap& icon, const QRect& iconRect, const QList<TextLine>& lines);
    void SetTextMode(bool textMode);
    void SetActive(bool active);
    // A suppressed slot lets mouse presses pass to the window: the click on
    // an auto-hidden strip that brings the window back must not also act on
    // the button under it.
    void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
    bool IsActive() const { return active_; }
    const QList<TextLine>& Lines() const { return lines_; }
    const QPixmap& Picture() const { return icon_; }

  Q_SIGNALS:
    // A right click, the Menu key or Shift+F10; `globalPos` is where the
    // context menu opens.
    void RightClicked(int slot, QPoint globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int slot_;
    QPixmap icon_;
    QRect iconRect_;
    QList<TextLine> lines_;
    bool textMode_ = true;
    bool active_ = true;
    bool suppressed_ = false;
    // An owner-drawn press that left the slot: it stays cancelled until the
    // button is released, even when the pointer comes back.
    bool pressCancelled_ = false;
};
