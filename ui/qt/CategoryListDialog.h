#pragma once

#include <string>
#include <vector>

#include <QDialog>

class QListWidget;

// Picks the category shown at start-up from the list of category names.
class CCategoryListDlg : public QDialog {
    Q_OBJECT
  public:
    CCategoryListDlg(const std::vector<std::string>& names, QWidget* parent);

    // The chosen category's name; empty when nothing was selected.
    const std::string& Chosen() const { return chosen_; }

  private:
    QListWidget* list_;
    std::string chosen_;
};
