#pragma once

#include <QDialog>

class CModel;

// The About box: name, version, the program's two-line motto, and a button
// that opens the page about the maker's programs installed with it.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(CModel& model, QWidget* parent);

    // Shows the box modally with the program's modal flag raised.
    static void Show(CModel& model, QWidget* parent);
};
