#pragma once

#include <QDialog>

class CModel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The modeless tutorial window: 19 lessons stepped through with Previous and
// Next while the user tries each one in the main window. Auto-hide is off
// while it is open and comes back as it was when it closes.
class Tutorial : public QDialog {
    Q_OBJECT
  public:
    Tutorial(CModel& model, QWidget* parent);
    ~Tutorial() override;

    int Step() const { return step_; }
    void ShowStep(int step);
    // The AutoHide setting the tutorial switched off, which the
    // configuration keeps when the program is saved on closing.
    bool SavedAutoHide() const { return savedAutoHide_; }

  Q_SIGNALS:
    void Closed();

  protected:
    void done(int result) override;

  private:
    CModel& model_;
    int step_ = 1;
    bool savedAutoHide_;
    QLineEdit* lesson_;
    QPlainTextEdit* action_;
    QPushButton* previous_;
    QPushButton* next_;
};
