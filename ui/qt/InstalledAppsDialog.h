#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "ui/InstalledApps.h"

class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class QStandardItemModel;

// The installed applications with their icons and names, searchable by name;
// the chosen ones become buttons as their desktop entries would.
class CInstalledAppsDlg : public QDialog {
    Q_OBJECT
  public:
    CInstalledAppsDlg(const std::vector<InstalledApplication>& apps, QWidget* parent);

    // The desktop entries of the selected applications, in list order.
    std::vector<std::string> Chosen() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* search_;
    QListView* list_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* shown_;
};
