#pragma once

#include <optional>
#include <string>

class CGlobalHotkey;
class CModel;
class CFrameGeometry;
struct CSettings;

// The rules of the options sheet " Dorvane Settings" and of its pages. Each
// page keeps a choice (what its controls show); applying a page compares the
// choice with the settings and applies what differs.

inline constexpr int kOptionsPageCount = 8;
inline constexpr const char* kOptionsCaption = " Dorvane Settings";

// The tab caption of page `index` (0..7), in the sheet's order.
const char* OptionsPageCaption(int index);

// The page the sheet opens on: the one active when it last closed, or the
// first when the stored index is out of range.
int OpeningOptionsPage(const CSettings& s);
// Remembers the page active when the sheet closes. This alone is no change
// of the configuration: the settings-modified flag stays as it is.
void RememberOptionsPage(CSettings& s, int page);

// What the pages ask of the main window beyond the view hooks.
class OptionsWindow {
  public:
    virtual ~OptionsWindow() = default;
    // The placement rules, with the screen and rectangle the window has now.
    virtual CFrameGeometry& Placement() = 0;
    virtual void ApplyZOrder() = 0;
    // Attaches or detaches the menu bar (MenuVisible already updated).
    virtual void SetMenuBarShown(bool shown) = 0;
    // Menu-bar buttons, short captions and the system menu.
    virtual void RebuildMenuBar() = 0;
    // Switches the slots between icon buttons and buttons with text.
    virtual void ApplyButtonStyle() = 0;
    // The global shortcut the Miscellaneous page sets; null without one.
    virtual CGlobalHotkey* GlobalHotkey() { return nullptr; }
};

// Frame toggles the pages share with the menu-bar buttons. Auto-hide and
// the lock are not counted as changes here: the Save command compares them
// with their saved values.
void ToggleAutoHide(CModel& model, OptionsWindow& window);
void ToggleLockPosition(CModel& model, OptionsWindow& window);
void ToggleTopMost(CModel& model, OptionsWindow& window);

// --- Window Placement ------------------------------------------------------
enum class PlacementButton {
    Top,
    Left,
    Bottom,
    Right,
    CenterHorizontally,
    CenterVertically,
    WidthToScreen,
    HeightToScreen
};

struct PlacementButtonStates {
    bool centerHorizontally = false;
    bool centerVertically = false;
    bool widthToScreen = false;
    bool heightToScreen = false;
    bool operator==(const PlacementButtonStates&) const = default;
};
// Which centring and screen-size buttons make sense for a docking code.
PlacementButtonStates PlacementButtonsEnabled(int specialWindowLayout);

// Runs a placement push button at once and redisplays the window. Returns
// the state the Menu Bar page's "Hide" box takes (docking at the top or
// bottom attaches the menu bar, at the left or right removes it), or nullopt
// when the button leaves it alone.
std::optional<bool> PressPlacementButton(CModel& model, OptionsWindow& window,
                                         PlacementButton button);
// The page's apply: the lock follows the box, the category is redisplayed.
void ApplyWindowPlacement(CModel& model, OptionsWindow& window, bool lockPosition);

// --- Window Options --------------------------------------------------------
struct WindowOptionsChoice {
    bool autoHide = false;
    bool showCaptionBar = false;
    bool invisibleOnAutoHide = false;
    bool topMost = false;
    static WindowOptionsChoice From(const CSettings& s);
};
void ApplyWindowOptions(CModel& model, OptionsWindow& window, const WindowOptionsChoice& choice);

// --- Menu Bar --------------------------------------------------------------
struct MenuBarChoice {
    bool hide = false;
    bool shortCaptions = false;
    bool colorBitmaps = false;
    bool pushpin = false;
    bool lock = false;
    bool home = false;
    bool aDrive = false;
    bool screenSaver = false;
    bool categoryUpDown = false;
    static MenuBarChoice From(const CSettings& s);
};
// Applies what differs; the menu-bar buttons are rebuilt once when any of
// them changed. The screen-saver box is applied only where the desktop has a
// screen saver; false when it has none (the page then disables the box).
bool ApplyMenuBar(CModel& model, OptionsWindow& window, const MenuBarChoice& choice);

// --- Sounds ----------------------------------------------------------------
struct SoundChoice {
    bool sound = false;
    bool chimes = false;
    static SoundChoice From(const CSettings& s);
};
void ApplySoundOptions(CModel& model, const SoundChoice& choice);

// --- Up-down controls ------------------------------------------------------
struct UpDownRange {
    int min;
    int max;
};
inline constexpr UpDownRange kButtonSizeRange{32, 100};
inline constexpr UpDownRange kButtonSpacingRange{1, 20};
inline constexpr UpDownRange kLayoutCountRange{1, 30};

// One click of an up-down control: the new value, with the "Low Beep" or
// "High Beep" sound; nullopt, with the "Remove Gaps" sound, when the step
// would leave the range.
std::optional<int> StepUpDown(CModel& model, int value, int delta, UpDownRange range);

// --- Button Properties -----------------------------------------------------
struct ButtonPropsChoice {
    int width = 54;
    int height = 64;
    int spacing = 1;
    int textMode = 2; // 0 none, 1 one line, 2 two lines
    bool popupText = true;
    static ButtonPropsChoice From(const CSettings& s);
};
// The default size for the chosen text mode: 42 x 42 without text, 54 x 54
// with one line, 54 x 64 with two; spacing 1.
void UseDefaultButtonSize(ButtonPropsChoice& choice);
// Stores the size, spacing and popup text, switches the text mode when it
// changed and lays the grid out again.
void ApplyButtonProps(CModel& model, OptionsWindow& window, const ButtonPropsChoice& choice);

// --- Date and Time ---------------------------------------------------------
struct DateTimeChoice {
    int weekday = 0;
    int date = 0;
    int time = 0;
    static DateTimeChoice From(const CSettings& s);
    bool operator==(const DateTimeChoice&) const = default;
};
// The caption's date-time text for the choice, at the clock's present time.
std::string DateTimePreview(const CModel& model, const DateTimeChoice& choice);
// Applies a choice that differs from the last applied one (`lastApplied`,
// initially the stored settings), which it then becomes.
void ApplyDateAndTime(CModel& model, const DateTimeChoice& choice, DateTimeChoice& lastApplied);

// --- Cat. Name Format ------------------------------------------------------
struct CatNameChoice {
    int format = 4;
    bool showConfigName = true;
    bool showCategoryName = true;
    static CatNameChoice From(const CSettings& s);
};
void ApplyCatNameFormat(CModel& model, const CatNameChoice& choice);
