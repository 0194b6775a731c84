#pragma once

#include <QDialog>

class COrganizeFavorites;
class QListWidget;
class QPushButton;

// The Organize Favorites dialog: the Favorites tree as an indented list with
// the buttons that move, add, rename, edit and delete its entries, and files
// dropped onto it as new items. Every decision is the organize object's.
class COrganizeFavoritesDlg : public QDialog {
    Q_OBJECT
  public:
    COrganizeFavoritesDlg(COrganizeFavorites& organize, QWidget* parent);

    // Closing by any means (Cancel, Escape, the window's close button) asks
    // about unsaved changes first; the dialog stays open when a save failed.
    void reject() override;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Refresh();
    void UpdateButtons();
    void Run(void (COrganizeFavorites::*action)());

    COrganizeFavorites& organize_;
    QListWidget* list_;
    QPushButton* moveUp_;
    QPushButton* moveDown_;
    QPushButton* top_;
    QPushButton* bottom_;
    QPushButton* shiftUp_;
    QPushButton* shiftDown_;
    QPushButton* addAbove_;
    QPushButton* addBelow_;
    QPushButton* delete_;
    QPushButton* rename_;
    QPushButton* properties_;
    QPushButton* save_;
};
