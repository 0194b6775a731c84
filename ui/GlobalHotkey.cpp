#include "ui/GlobalHotkey.h"

#include "platform/KeyCombination.h"
#include "platform/Profile.h"

namespace {
std::string NotACombination(const std::string& text) {
    return "\"" + text + "\" is no key combination Dorvane can use.";
}
} // namespace

CGlobalHotkey::CGlobalHotkey(Profile& profile, ShortcutDesktop& desktop,
                             std::function<void()> activated)
    : profile_(profile), desktop_(desktop), activated_(std::move(activated)) {}

CGlobalHotkey::~CGlobalHotkey() {
    Release();
}

void CGlobalHotkey::Start() {
    text_ = profile_.GetString(kGlobalHotkeyKey, "");
    if (text_.empty())
        return ChangeState(HotkeyState::None);
    const std::optional<KeyCombination> combination = ParseKeyCombination(text_);
    if (!combination || !GlobalCombinationProblem(*combination).empty())
        return ChangeState(HotkeyState::Invalid);
    Bind(*combination);
}

ShortcutBackend CGlobalHotkey::Backend() {
    if (!backend_) {
        // A Wayland session delivers keys to X clients only while one of them
        // has the focus, so there only the portal reaches everywhere.
        if (desktop_.WaylandSession())
            backend_ =
                desktop_.PortalOffersShortcuts() ? ShortcutBackend::Portal : ShortcutBackend::None;
        else
            backend_ = desktop_.X11() ? ShortcutBackend::X11 : ShortcutBackend::None;
    }
    return *backend_;
}

bool CGlobalHotkey::Available() {
    return Backend() != ShortcutBackend::None && state_ != HotkeyState::Unsupported;
}

void CGlobalHotkey::Bind(const KeyCombination& combination) {
    const ShortcutBackend backend = Backend();
    if (backend == ShortcutBackend::None)
        return ChangeState(HotkeyState::Unsupported);
    if (!shortcut_)
        shortcut_ = desktop_.Create(backend, activated_);
    if (!shortcut_)
        return ChangeState(HotkeyState::Unsupported);
    const unsigned generation = ++generation_;
    state_ = HotkeyState::Pending;
    shortcut_->Bind(combination, [this, generation](ShortcutGrab grab) {
        if (generation != generation_)
            return;
        switch (grab) {
        case ShortcutGrab::Active:
            return ChangeState(HotkeyState::Active);
        case ShortcutGrab::Pending:
            return ChangeState(HotkeyState::Pending);
        case ShortcutGrab::TakenByOther:
            return ChangeState(HotkeyState::TakenByOther);
        case ShortcutGrab::Refused:
            return ChangeState(HotkeyState::Refused);
        case ShortcutGrab::Unsupported:
            return ChangeState(HotkeyState::Unsupported);
        }
    });
    // A backend that answers later leaves the request pending meanwhile.
    if (state_ == HotkeyState::Pending)
        ChangeState(HotkeyState::Pending);
}

void CGlobalHotkey::Release() {
    ++generation_;
    if (shortcut_)
        shortcut_->Unbind();
}

std::string CGlobalHotkey::Set(const std::string& text) {
    if (text.empty()) {
        if (text_.empty())
            return "";
        Release();
        text_.clear();
        profile_.SetString(kGlobalHotkeyKey, "");
        ChangeState(HotkeyState::None);
        return "";
    }
    const std::optional<KeyCombination> combination = ParseKeyCombination(text);
    if (!combination)
        return NotACombination(text);
    if (std::string problem = GlobalCombinationProblem(*combination); !problem.empty())
        return problem;
    const std::string canonical = KeyCombinationText(*combination);
    if (canonical == text_ && (state_ == HotkeyState::Active || state_ == HotkeyState::Pending))
        return "";
    Release();
    text_ = canonical;
    profile_.SetString(kGlobalHotkeyKey, text_);
    Bind(*combination);
    return "";
}

std::string CGlobalHotkey::ChoiceText(const std::string& text) const {
    if (text.empty())
        return text_.empty() ? StatusText() : "OK or Apply removes the shortcut.";
    const std::optional<KeyCombination> combination = ParseKeyCombination(text);
    if (!combination)
        return NotACombination(text);
    if (std::string problem = GlobalCombinationProblem(*combination); !problem.empty())
        return problem;
    const std::string canonical = KeyCombinationText(*combination);
    if (canonical == text_)
        return StatusText();
    return "OK or Apply makes " + canonical + " the shortcut.";
}

void CGlobalHotkey::ChangeState(HotkeyState state) {
    state_ = state;
    if (listener_)
        listener_();
}

std::string CGlobalHotkey::StatusText() const {
    if (backend_ == ShortcutBackend::None)
        return UnsupportedText();
    switch (state_) {
    case HotkeyState::None:
        return "No shortcut is set.";
    case HotkeyState::Invalid:
        return "The stored shortcut \"" + text_ + "\" is no usable key combination.";
    case HotkeyState::Pending:
        return "Waiting for the desktop to accept " + text_ + "...";
    case HotkeyState::Active:
        return "Press " + text_ + " anywhere to bring up Dorvane and find a button.";
    case HotkeyState::TakenByOther:
        return text_ + " is used by another program. Choose another combination.";
    case HotkeyState::Refused:
        return "The desktop did not accept " + text_ + ".";
    case HotkeyState::Unsupported:
        break;
    }
    return UnsupportedText();
}

std::string CGlobalHotkey::UnsupportedText() const {
    return desktop_.WaylandSession()
               ? "This Wayland desktop offers no global shortcuts to programs."
               : "Global shortcuts need an X11 desktop, or a Wayland desktop that offers them.";
}
