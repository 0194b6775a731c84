#pragma once

#include "ui/FindButton.h"

#include <vector>

#include <QFrame>

class CModel;
class QtButtonIcons;
class QLineEdit;
class QListWidget;

// Find Button: a search field with the matching buttons of all categories
// below it, shown as a popup over the grid. Up/Down choose, Enter launches,
// Shift+Enter shows the button in its category, Esc closes.
class CFindButtonPopup : public QFrame {
    Q_OBJECT
  public:
    CFindButtonPopup(CModel& model, QtButtonIcons& icons, QWidget* parent);

    // Indexes the buttons as they are now, empties the field and shows the
    // popup over `over` with the field focused.
    void Open(QWidget* over);
    QLineEdit* Field() const { return field_; }
    QListWidget* List() const { return list_; }
    // The matches listed, best first.
    const std::vector<FoundButton>& Matches() const { return matches_; }

    // At most this many matches are listed, so each keystroke stays cheap.
    static constexpr std::size_t kMaxListed = 200;

  Q_SIGNALS:
    void LaunchRequested(int category, int slot);
    void ShowRequested(int category, int slot);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Filter(const QString& text);
    void Choose(bool show);

    CModel& model_;
    QtButtonIcons& icons_;
    CButtonIndex index_;
    std::vector<FoundButton> matches_;
    QLineEdit* field_ = nullptr;
    QListWidget* list_ = nullptr;
};
