#include "ui/OptionsPages.h"

#include "model/Model.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "sounds/PlaySound.h"
#include "ui/Caption.h"
#include "ui/FrameGeometry.h"
#include "ui/Launcher.h"

namespace {
constexpr const char* kPageCaptions[kOptionsPageCount] = {
    "Window Placement",  "Window Options", "Menu Bar",         "Sounds",
    "Button Properties", "Date and Time",  "Cat. Name Format", "Miscellaneous"};

// Stores `value` in `field` when it differs; true when it did.
template <typename T> bool Store(T& field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

const char* OptionsPageCaption(int index) {
    return index >= 0 && index < kOptionsPageCount ? kPageCaptions[index] : "";
}

int OpeningOptionsPage(const CSettings& s) {
    const int page = s.ActiveOptionsPropPage;
    return page >= 0 && page < kOptionsPageCount ? page : 0;
}

void RememberOptionsPage(CSettings& s, int page) {
    s.ActiveOptionsPropPage = page;
}

void ToggleAutoHide(CModel& model, OptionsWindow& window) {
    model.settings.AutoHide = !model.settings.AutoHide;
    window.RebuildMenuBar();
}

void ToggleLockPosition(CModel& model, OptionsWindow& window) {
    model.settings.LockWindowPosition = !model.settings.LockWindowPosition;
    window.RebuildMenuBar();
}

void ToggleTopMost(CModel& model, OptionsWindow& window) {
    model.settings.TopMost = !model.settings.TopMost;
    window.ApplyZOrder();
    model.SetModified();
}

// --- Window Placement ----------------------------------------------------------

PlacementButtonStates PlacementButtonsEnabled(int code) {
    PlacementButtonStates st;
    st.centerHorizontally = code == DockFree || code == DockTopEdge || code == DockBottomEdge;
    st.centerVertically = code == DockFree || code == DockLeftEdge || code == DockRightEdge;
    st.widthToScreen = code == DockTopEdge || code == DockBottomEdge;
    st.heightToScreen = code == DockLeftEdge || code == DockRightEdge;
    return st;
}

std::optional<bool> PressPlacementButton(CModel& model, OptionsWindow& window,
                                         PlacementButton button) {
    CSettings& s = model.settings;
    CFrameGeometry& frame = window.Placement();
    const Rect& screen = frame.Screen().available;
    std::optional<bool> hideMenuBar;
    switch (button) {
    case PlacementButton::Top:
    case PlacementButton::Bottom:
        s.WindowWidthToScreen = true;
        s.WindowHeightToScreen = false;
        s.CenterWindowVertically = false;
        if (button == PlacementButton::Top)
            frame.DockTop(screen.x);
        else
            frame.DockBottom(screen.x);
        hideMenuBar = false;
        break;
    case PlacementButton::Left:
    case PlacementButton::Right:
        s.WindowWidthToScreen = false;
        s.WindowHeightToScreen = true;
        s.CenterWindowHorizontally = false;
        if (button == PlacementButton::Left)
            frame.DockLeft(screen.y);
        else
            frame.DockRight(screen.y);
        hideMenuBar = true;
        break;
    case PlacementButton::CenterHorizontally:
        s.CenterWindowHorizontally = true;
        frame.CenterHorizontally();
        break;
    case PlacementButton::CenterVertically:
        s.CenterWindowVertically = true;
        frame.CenterVertically();
        break;
    case PlacementButton::WidthToScreen:
        s.WindowWidthToScreen = true;
        frame.SetWidthToScreen();
        break;
    case PlacementButton::HeightToScreen:
        s.WindowHeightToScreen = true;
        frame.SetHeightToScreen();
        break;
    }
    model.View().ShowCategory();
    model.SetModified();
    return hideMenuBar;
}

void ApplyWindowPlacement(CModel& model, OptionsWindow& window, bool lockPosition) {
    if (lockPosition != model.settings.LockWindowPosition)
        ToggleLockPosition(model, window);
    model.View().ShowCategory();
}

// --- Window Options ------------------------------------------------------------

WindowOptionsChoice WindowOptionsChoice::From(const CSettings& s) {
    return {s.AutoHide, s.AutoHideShowCaptionBar, s.InvisibleOnAutoHide, s.TopMost};
}

void ApplyWindowOptions(CModel& model, OptionsWindow& window, const WindowOptionsChoice& choice) {
    CSettings& s = model.settings;
    if (choice.autoHide != s.AutoHide)
        ToggleAutoHide(model, window);
    if (Store(s.AutoHideShowCaptionBar, choice.showCaptionBar))
        model.SetModified();
    if (Store(s.InvisibleOnAutoHide, choice.invisibleOnAutoHide))
        model.SetModified();
    if (choice.topMost != s.TopMost)
        ToggleTopMost(model, window);
}

// --- Menu Bar ------------------------------------------------------------------

MenuBarChoice MenuBarChoice::From(const CSettings& s) {
    MenuBarChoice c;
    c.hide = !s.MenuVisible;
    c.shortCaptions = s.ShortMenuCaptions;
    c.colorBitmaps = s.MenuColorBitmaps;
    c.pushpin = s.MenuShowPushpin;
    c.lock = s.MenuShowLock;
    c.home = s.MenuShowHome;
    c.aDrive = s.MenuShowADrive;
    c.screenSaver = s.MenuShowScreenSaver;
    c.categoryUpDown = s.MenuShowCategoryUpDown;
    return c;
}

bool ApplyMenuBar(CModel& model, OptionsWindow& window, const MenuBarChoice& choice) {
    CSettings& s = model.settings;
    if (Store(s.MenuVisible, !choice.hide)) {
        window.SetMenuBarShown(s.MenuVisible);
        model.View().ShowCategory();
        model.SetModified();
    }
    bool captions = Store(s.ShortMenuCaptions, choice.shortCaptions);
    bool buttons = false;
    buttons |= Store(s.MenuColorBitmaps, choice.colorBitmaps);
    buttons |= Store(s.MenuShowPushpin, choice.pushpin);
    buttons |= Store(s.MenuShowLock, choice.lock);
    buttons |= Store(s.MenuShowHome, choice.home);
    buttons |= Store(s.MenuShowADrive, choice.aDrive);
    const bool screenSaver = ScreenSaverAvailable(model);
    if (screenSaver)
        buttons |= Store(s.MenuShowScreenSaver, choice.screenSaver);
    buttons |= Store(s.MenuShowCategoryUpDown, choice.categoryUpDown);
    if (captions || buttons) {
        model.SetModified();
        window.RebuildMenuBar();
    }
    return screenSaver;
}

// --- Sounds ----------------------------------------------------------------------

SoundChoice SoundChoice::From(const CSettings& s) {
    return {s.Sound, s.PlayChimes};
}

void ApplySoundOptions(CModel& model, const SoundChoice& choice) {
    if (Store(model.settings.Sound, choice.sound))
        model.SetModified();
    if (Store(model.settings.PlayChimes, choice.chimes))
        model.SetModified();
}

// --- Up-down controls -------------------------------------------------------------

std::optional<int> StepUpDown(CModel& model, int value, int delta, UpDownRange range) {
    const int next = value + delta;
    if (next < range.min || next > range.max) {
        PlayActionSound(model, "Remove Gaps", true);
        return std::nullopt;
    }
    if (delta < 0)
        PlayActionSound(model, "Low Beep", true);
    else if (delta > 0)
        PlayActionSound(model, "High Beep", true);
    return next;
}

// --- Button Properties -----------------------------------------------------------

ButtonPropsChoice ButtonPropsChoice::From(const CSettings& s) {
    return {s.ButtonWidth, s.ButtonHeight, s.ButtonSpacing, s.TextOnButtons, s.DisplayPopupText};
}

void UseDefaultButtonSize(ButtonPropsChoice& choice) {
    switch (choice.textMode) {
    case 0:
        choice.width = 42;
        choice.height = 42;
        break;
    case 1:
        choice.width = 54;
        choice.height = 54;
        break;
    default:
        choice.width = 54;
        choice.height = 64;
        break;
    }
    choice.spacing = 1;
}

void ApplyButtonProps(CModel& model, OptionsWindow& window, const ButtonPropsChoice& choice) {
    PlayActionSound(model, "Generic Button Click", true);
    CSettings& s = model.settings;
    s.ButtonWidth = choice.width;
    s.ButtonHeight = choice.height;
    s.ButtonSpacing = choice.spacing;
    s.DisplayPopupText = choice.popupText;
    if (Store(s.TextOnButtons, choice.textMode))
        window.ApplyButtonStyle();
    model.View().ShowCategory();
    model.SetModified();
}

// --- Date and Time ----------------------------------------------------------------

DateTimeChoice DateTimeChoice::From(const CSettings& s) {
    return {s.ShowTimeWeekday, s.ShowTimeDate, s.ShowTimeTime};
}

std::string DateTimePreview(const CModel& model, const DateTimeChoice& choice) {
    CSettings s = model.settings;
    s.ShowTimeWeekday = choice.weekday;
    s.ShowTimeDate = choice.date;
    s.ShowTimeTime = choice.time;
    return DateTimeText(s, model.platform.clock.Now());
}

void ApplyDateAndTime(CModel& model, const DateTimeChoice& choice, DateTimeChoice& lastApplied) {
    if (choice == lastApplied)
        return;
    CSettings& s = model.settings;
    if (!(choice == DateTimeChoice::From(s))) {
        s.ShowTimeWeekday = choice.weekday;
        s.ShowTimeDate = choice.date;
        s.ShowTimeTime = choice.time;
        PlayActionSound(model, "Generic Button Click", true);
        model.View().RefreshCaption();
        model.SetModified();
    }
    lastApplied = choice;
}

// --- Cat. Name Format -------------------------------------------------------------

CatNameChoice CatNameChoice::From(const CSettings& s) {
    return {s.CatNameFormat, s.ShowConfigName, s.ShowCategoryName};
}

void ApplyCatNameFormat(CModel& model, const CatNameChoice& choice) {
    CSettings& s = model.settings;
    bool changed = Store(s.CatNameFormat, choice.format);
    changed |= Store(s.ShowConfigName, choice.showConfigName);
    changed |= Store(s.ShowCategoryName, choice.showCategoryName);
    if (!changed)
        return;
    model.View().RefreshCaption();
    PlayActionSound(model, "Generic Button Click", true);
    model.SetModified();
}
