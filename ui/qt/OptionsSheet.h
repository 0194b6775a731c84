#pragma once

#include <array>
#include <set>

#include <QDialog>

#include "ui/OptionsPages.h"
#include "ui/StartupLink.h"

class CModel;
class CMainFrame;
class OptionsPage;
class QPushButton;
class QTabWidget;

// The options pages' view of the main window.
class QtOptionsWindow : public OptionsWindow {
  public:
    explicit QtOptionsWindow(CMainFrame& frame) : frame_(frame) {}
    CFrameGeometry& Placement() override;
    void ApplyZOrder() override;
    void SetMenuBarShown(bool shown) override;
    void RebuildMenuBar() override;
    void ApplyButtonStyle() override;
    CGlobalHotkey* GlobalHotkey() override;

  private:
    CMainFrame& frame_;
};

// The autostart folder of this session and the running program's start
// command: its start script when it ran through one, else the program itself.
StartupLinkPlaces SessionStartupLinkPlaces();

// " Dorvane Settings": the eight option pages as tabs, with OK, Cancel and
// Apply. Apply is enabled while a page has changes to apply; Cancel undoes
// nothing that a page already applied. The page shown at closing is the one
// the sheet opens on next time.
class COptions : public QDialog {
    Q_OBJECT
  public:
    COptions(CModel& model, OptionsWindow& window, const StartupLinkPlaces& places,
             QWidget* parent = nullptr);

    int exec() override;
    void done(int result) override;

    QTabWidget* Tabs() const { return tabs_; }
    OptionsPage* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }

  private:
    void ApplyPages();
    void PageModified(OptionsPage* page, bool modified);

    CModel& model_;
    QTabWidget* tabs_;
    QPushButton* apply_;
    std::array<OptionsPage*, kOptionsPageCount> pages_{};
    std::set<OptionsPage*> modifiedPages_;
};
