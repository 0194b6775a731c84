#pragma once

#include "ui/GridLayout.h"
#include "ui/qt/QtButtonIcons.h"

#include <array>

#include <QFont>
#include <QWidget>

class CModel;
class CMainFrame;
class ButtonSlot;

// The button grid: 100 slot controls showing the current category, laid out
// by the core grid arithmetic and sized together with the frame.
class CDorvaneView : public QWidget {
    Q_OBJECT
  public:
    CDorvaneView(CModel& model, CMainFrame& frame);
    ~CDorvaneView() override;

    // Makes category `index` (-1: the current one) current and shows it:
    // slot images, layout, caption and menus. False for an index outside the
    // category table.
    bool ShowCategory(int index);
    void RefreshSlot(int slot);
    void RefreshSlotStates();
    // Lays the grid out again when the rows the used slots need differ from
    // the rows shown.
    void RelayoutIfRowsChanged();
    // Runs the window sizing passes and places the buttons.
    void Layout();
    // Switches all slots between icon buttons and owner-drawn buttons.
    void ApplyButtonStyle();
    // The slot under a point in global coordinates, or -1.
    int HitTest(const QPoint& globalPos) const;

    ButtonSlot* Slot(int slot) const { return slots_[slot]; }
    // While the window is rolled up, clicks on the slots only bring it back.
    void SetClicksSuppressed(bool suppressed);
    const GridState& Grid() const { return memory_.grid; }
    LayoutMemory& Memory() { return memory_; }
    bool LayoutRunning() const { return layoutRunning_; }
    // Layouts do nothing while the frame changes its own geometry.
    void SuspendLayout(bool suspended) { suspended_ = suspended; }
    QtButtonIcons& Icons() { return icons_; }
    // Checks the document pictures taken from the theme picture store
    // against the icon theme and redraws the buttons if one changed.
    void CheckStoredPictures();

  Q_SIGNALS:
    void SlotClicked(int slot);
    void SlotRightClicked(int slot, QPoint globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceSlots();
    void UpdateFaces();

    CModel& model_;
    CMainFrame& frame_;
    std::array<ButtonSlot*, 100> slots_{};
    QtButtonIcons icons_;
    QFont font_;
    LayoutMemory memory_;
    bool layoutRunning_ = false;
    bool suspended_ = false;
};
