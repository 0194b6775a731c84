#pragma once

#include <functional>
#include <map>

#include <QWidget>

#include "ui/OptionsPages.h"
#include "ui/StartupLink.h"

class CModel;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UpDownSpinBox;

// One page of the options sheet. Clicking a control sets the page's modified
// flag and asks the sheet to enable Apply; the sheet's Apply and OK apply
// every modified page, which compares its controls with the settings.
class OptionsPage : public QWidget {
    Q_OBJECT
  public:
    void ApplyIfModified();
    bool IsModified() const { return modified_; }

  Q_SIGNALS:
    // The page needs (true) or no longer needs (false) the sheet's Apply.
    void SheetModified(bool modified);

  protected:
    OptionsPage(CModel& model, OptionsWindow& window, const char* objectName);
    virtual void Apply() = 0;
    // Marks the page modified; a push button that already acted sets the
    // flag without enabling Apply.
    void MarkModified(bool enableApply = true);
    // Applies the page at once, as its push buttons and up-downs do.
    void ApplyNow();

    // Controls named for widget tests and screen readers; each click of a
    // box or radio button marks the page modified.
    QCheckBox* AddCheck(QBoxLayout* layout, const char* text, const char* name, bool checked);
    QRadioButton* AddRadio(QBoxLayout* layout, QButtonGroup* group, const char* text,
                           const char* name, int value);
    QPushButton* AddButton(QBoxLayout* layout, const char* text, const char* name);
    // A labelled numeric edit whose up-down clicks go to `onStep`.
    UpDownSpinBox* AddUpDown(QBoxLayout* layout, const char* label, const char* name,
                             UpDownRange range, int value, std::function<void(int)> onStep);

    CModel& model_;
    OptionsWindow& window_;

  private:
    bool modified_ = false;
};

// Page 0: docking, centring and screen-size buttons that act at once, the
// layout dialog and the position lock.
class CWindowPlacement : public OptionsPage {
    Q_OBJECT
  public:
    CWindowPlacement(CModel& model, OptionsWindow& window);

  Q_SIGNALS:
    // Docking sets the Menu Bar page's "Hide" box.
    void HideMenuBarChosen(bool hide);

  protected:
    void Apply() override;

  private:
    void Press(PlacementButton button);
    void RefreshButtonStates();

    std::map<PlacementButton, QPushButton*> buttons_;
    QCheckBox* lock_;
};

// Page 1: auto-hide and keep-on-top.
class CWindowOptions : public OptionsPage {
    Q_OBJECT
  public:
    CWindowOptions(CModel& model, OptionsWindow& window);

  protected:
    void Apply() override;

  private:
    QCheckBox* autoHide_;
    QCheckBox* showCaption_;
    QCheckBox* invisible_;
    QCheckBox* topMost_;
};

// Page 2: the menu bar and the buttons on it.
class CMenuBar : public OptionsPage {
    Q_OBJECT
  public:
    CMenuBar(CModel& model, OptionsWindow& window);
    // Set by the Window Placement page's docking buttons.
    void SetHideBox(bool hide);

  protected:
    void Apply() override;

  private:
    MenuBarChoice Choice() const;

    QCheckBox* hide_;
    QCheckBox* shortCaptions_;
    QCheckBox* colorBitmaps_;
    QCheckBox* pushpin_;
    QCheckBox* lock_;
    QCheckBox* home_;
    QCheckBox* aDrive_;
    QCheckBox* screenSaver_;
    QCheckBox* categoryUpDown_;
};

// Page 3: action sounds and chimes, and the Default Sounds dialog.
class CSoundOptions : public OptionsPage {
    Q_OBJECT
  public:
    CSoundOptions(CModel& model, OptionsWindow& window);

  protected:
    void Apply() override;

  private:
    QCheckBox* sound_;
    QCheckBox* chimes_;
};

// Page 4: button size, spacing and text. Every up-down click and text-mode
// choice applies at once, so the grid changes while the user clicks.
class CButtonPropsPage : public OptionsPage {
    Q_OBJECT
  public:
    CButtonPropsPage(CModel& model, OptionsWindow& window);

  protected:
    void Apply() override;

  private:
    ButtonPropsChoice Choice() const;
    void Step(UpDownSpinBox* box, UpDownRange range, int delta);
    void SetSizes(const ButtonPropsChoice& choice);

    UpDownSpinBox* width_;
    UpDownSpinBox* height_;
    UpDownSpinBox* spacing_;
    QButtonGroup* textMode_;
    QCheckBox* popupText_;
};

// Page 5: the date and time in the caption, with a preview.
class CDateAndTime : public OptionsPage {
    Q_OBJECT
  public:
    CDateAndTime(CModel& model, OptionsWindow& window);

  protected:
    void Apply() override;

  private:
    DateTimeChoice Choice() const;
    void UpdatePreview();

    QButtonGroup* weekday_;
    QButtonGroup* date_;
    QButtonGroup* time_;
    QLineEdit* preview_;
    DateTimeChoice lastApplied_;
};

// Page 6: how the category shows in the caption.
class CCatNameFmt : public OptionsPage {
    Q_OBJECT
  public:
    CCatNameFmt(CModel& model, OptionsWindow& window);

  protected:
    void Apply() override;

  private:
    QButtonGroup* format_;
    QCheckBox* showConfig_;
    QCheckBox* showCategory_;
};

// Page 7: options of the program as a whole: starting at login and the
// global shortcut, each a step of Apply. The shortcut is kept in the
// profile, not in the configuration.
class CMisc : public OptionsPage {
    Q_OBJECT
  public:
    CMisc(CModel& model, OptionsWindow& window, StartupLinkPlaces places);
    ~CMisc() override;

  protected:
    void Apply() override;

  private:
    // The recorded combination's portable text; "" for none.
    std::string ChosenHotkey() const;
    void HotkeyEdited();
    void ShowHotkeyState();

    StartupLinkPlaces places_;
    StartupLinkBox startupBox_;
    QCheckBox* startup_;
    QKeySequenceEdit* hotkeyEdit_ = nullptr;
    QPushButton* clearHotkey_ = nullptr;
    QLabel* hotkeyStatus_ = nullptr;
};
