#include "platform/qt/GlobalShortcutX11.h"

#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xproto.h>

#include "platform/KeyCombination.h"

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

constexpr std::uint32_t kNumLock = 0xff7f;
constexpr std::uint32_t kAltL = 0xffe9;
constexpr std::uint32_t kAltR = 0xffea;
constexpr std::uint32_t kSuperL = 0xffeb;
constexpr std::uint32_t kSuperR = 0xffec;

// The keyboard's keycode-to-keysym table.
class KeyboardMap {
  public:
    explicit KeyboardMap(xcb_connection_t* c) {
        const xcb_setup_t* setup = xcb_get_setup(c);
        min_ = setup->min_keycode;
        const int count = setup->max_keycode - setup->min_keycode + 1;
        reply_.reset(xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, min_, static_cast<std::uint8_t>(count)), nullptr));
        if (reply_) {
            syms_ = xcb_get_keyboard_mapping_keysyms(reply_.get());
            length_ = xcb_get_keyboard_mapping_keysyms_length(reply_.get());
        }
    }
    // The first keycode that produces `keysym` at any level; 0 when none.
    std::uint8_t Keycode(std::uint32_t keysym) const {
        const int per = reply_ ? reply_->keysyms_per_keycode : 0;
        for (int i = 0; per > 0 && i < length_; ++i)
            if (syms_[i] == keysym)
                return static_cast<std::uint8_t>(min_ + i / per);
        return 0;
    }
    bool Produces(std::uint8_t keycode, std::uint32_t keysym) const {
        const int per = reply_ ? reply_->keysyms_per_keycode : 0;
        const int first = (keycode - min_) * per;
        for (int i = first; per > 0 && i >= 0 && i < first + per && i < length_; ++i)
            if (syms_[i] == keysym)
                return true;
        return false;
    }

  private:
    XcbReply<xcb_get_keyboard_mapping_reply_t> reply_;
    const xcb_keysym_t* syms_ = nullptr;
    int length_ = 0;
    std::uint8_t min_ = 0;
};

using ModifierMap = XcbReply<xcb_get_modifier_mapping_reply_t>;

// The modifier mask (Mod1..Mod5) that holds a key producing one of the
// keysyms; `fallback` when none does.
std::uint16_t ModifierOf(const ModifierMap& reply, const KeyboardMap& map,
                         std::initializer_list<std::uint32_t> keysyms, std::uint16_t fallback) {
    if (!reply)
        return fallback;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int per = reply->keycodes_per_modifier;
    for (int modifier = 3; modifier < 8; ++modifier) // Mod1..Mod5
        for (int i = 0; i < per; ++i) {
            const xcb_keycode_t code = codes[modifier * per + i];
            if (code == 0)
                continue;
            for (std::uint32_t keysym : keysyms)
                if (map.Produces(code, keysym))
                    return static_cast<std::uint16_t>(1u << modifier);
        }
    return fallback;
}

} // namespace

GlobalShortcutX11::GlobalShortcutX11(xcb_connection_t* connection, std::uint32_t root,
                                     std::function<void()> activated)
    : connection_(connection), root_(root), activated_(std::move(activated)) {}

GlobalShortcutX11::~GlobalShortcutX11() {
    Unbind();
}

void GlobalShortcutX11::Bind(const KeyCombination& combination,
                             std::function<void(ShortcutGrab)> done) {
    Unbind();
    combination_ = combination;
    bound_ = true;
    if (!filtering_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filtering_ = true;
    }
    done_ = std::move(done);
    const ShortcutGrab grab = Grab();
    if (done_)
        done_(grab);
}

void GlobalShortcutX11::Unbind() {
    Ungrab();
    bound_ = false;
    done_ = nullptr;
    if (filtering_) {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeNativeEventFilter(this);
        filtering_ = false;
    }
}

ShortcutGrab GlobalShortcutX11::Grab() {
    const KeyboardMap map(connection_);
    const std::uint32_t keysym = KeyX11Keysym(combination_.key);
    keycode_ = keysym == 0 ? 0 : map.Keycode(keysym);
    if (keycode_ == 0)
        return ShortcutGrab::Refused;

    const ModifierMap modifiers(xcb_get_modifier_mapping_reply(
        connection_, xcb_get_modifier_mapping(connection_), nullptr));
    const std::uint16_t alt = ModifierOf(modifiers, map, {kAltL, kAltR}, XCB_MOD_MASK_1);
    const std::uint16_t super = ModifierOf(modifiers, map, {kSuperL, kSuperR}, XCB_MOD_MASK_4);
    const std::uint16_t numLock = ModifierOf(modifiers, map, {kNumLock}, XCB_MOD_MASK_2);
    modifiers_ = static_cast<std::uint16_t>(
        (combination_.ctrl ? XCB_MOD_MASK_CONTROL : 0) | (combination_.alt ? alt : 0) |
        (combination_.shift ? XCB_MOD_MASK_SHIFT : 0) | (combination_.meta ? super : 0));
    considered_ =
        static_cast<std::uint16_t>(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | alt | super);

    const std::uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLock,
                                   static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock)};
    std::vector<std::pair<std::uint16_t, xcb_void_cookie_t>> requests;
    for (std::uint16_t lock : locks) {
        const auto mask = static_cast<std::uint16_t>(modifiers_ | lock);
        // Reported to the root window even while one of Dorvane's own windows
        // has the focus, so the press is never also a key for that window.
        requests.emplace_back(mask, xcb_grab_key_checked(connection_, 0, root_, mask, keycode_,
                                                         XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool taken = false;
    bool failed = false;
    for (const auto& [mask, cookie] : requests) {
        XcbReply<xcb_generic_error_t> error(xcb_request_check(connection_, cookie));
        if (!error)
            grabbed_.push_back(mask);
        else if (error->error_code == XCB_ACCESS)
            taken = true;
        else
            failed = true;
    }
    if (taken || failed) {
        // Part of a combination is no shortcut: give back what was taken.
        Ungrab();
        return taken ? ShortcutGrab::TakenByOther : ShortcutGrab::Refused;
    }
    return ShortcutGrab::Active;
}

void GlobalShortcutX11::Ungrab() {
    // An ungrab releases only this client's grabs, never another program's.
    for (std::uint16_t mask : grabbed_)
        xcb_ungrab_key(connection_, keycode_, root_, mask);
    if (!grabbed_.empty())
        xcb_flush(connection_);
    grabbed_.clear();
}

bool GlobalShortcutX11::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !bound_)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_KEY_PRESS) {
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        if (press->event == root_ && press->detail == keycode_ && !grabbed_.empty() &&
            (press->state & considered_) == modifiers_) {
            // Queued: Qt takes the press's time first, which the window
            // manager wants on the activation request that follows.
            QTimer::singleShot(0, QCoreApplication::instance(), activated_);
        }
    } else if (type == XCB_MAPPING_NOTIFY) {
        // Another keyboard layout may put the key or the locks elsewhere.
        const auto* mapping = static_cast<const xcb_mapping_notify_event_t*>(message);
        if (mapping->request != XCB_MAPPING_POINTER && !grabbed_.empty()) {
            Ungrab();
            const ShortcutGrab grab = Grab();
            if (done_)
                done_(grab);
        }
    }
    return false;
}
