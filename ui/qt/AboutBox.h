#pragma once

#include <QDialog>

class CModel;

// The About box: name, version, the program's two-line motto, and a button
// that opens the maker's web page.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(CModel& model, QWidget* parent);

    // The page "Other Programs by Ombrell" opens.
    static constexpr const char* kMakerPage = "https://ombrell.example.org/";

    // Shows the box modally with the program's modal flag raised.
    static void Show(CModel& model, QWidget* parent);
};
