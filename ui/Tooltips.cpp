#include "ui/Tooltips.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "ui/MenuIds.h"

namespace {

// `s` cut to at most `maxBytes` bytes without splitting a UTF-8 sequence.
std::string CutUtf8(const std::string& s, std::size_t maxBytes) {
    if (s.size() <= maxBytes)
        return s;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
        --end;
    return s.substr(0, end);
}

// The tip naming a button: prefix "name" suffix, or the name alone when there
// is neither; the fallback when the name is blank.
std::string NamedTip(const std::string& name, const char* prefix, const char* suffix,
                     const char* fallback) {
    if (Trim(name).empty())
        return fallback;
    const std::string p = prefix;
    const std::string s = suffix;
    if (p.empty() && s.empty())
        return CutUtf8(name, kMaxTooltipBytes);
    const std::size_t fixed = p.size() + s.size() + 2;
    const std::size_t room = kMaxTooltipBytes > fixed ? kMaxTooltipBytes - fixed : 0;
    return p + "\"" + CutUtf8(name, room) + "\"" + s;
}

} // namespace

std::string SlotTooltip(const CModel& model, int slot) {
    const ButtonWindowState& st = model.editState;
    const CButtonDef* button = model.GetButton(-1, slot);
    if (!st.PendingOperation()) {
        if (!button)
            return "Press to Create a Button Here";
        return NamedTip(button->Name(), "", "",
                        button->IsExe() ? "Launch this Application" : "Open this File");
    }

    const bool sourceChosen = st.sourceCategory >= 0 && st.sourceSlot >= 0;
    if (!sourceChosen) {
        if (!button)
            return "";
        if (st.moveMode)
            return NamedTip(button->Name(), "Move ", "", "Move this Button");
        if (st.copyMode)
            return NamedTip(button->Name(), "Copy ", "", "Copy this Button");
        if (button->ShellIcon())
            return "";
        return NamedTip(button->Name(), "Copy the Icon of ", "", "Copy The Icon of this Button");
    }

    const bool isSource =
        st.sourceCategory == model.CurrentCategoryIndex() && st.sourceSlot == slot;
    const CButtonDef* source = model.GetButton(st.sourceCategory, st.sourceSlot);
    const std::string sourceName = source ? source->Name() : std::string();
    if (st.moveMode) {
        if (isSource)
            return "This Button Will be Moved";
        return NamedTip(sourceName, "Move ", " Here", "Move the Selected Button Here");
    }
    if (st.copyMode) {
        if (isSource)
            return "This Button Will be Copied";
        if (button)
            return "";
        return NamedTip(sourceName, "Copy ", " Here", "Copy the Selected Button Here");
    }
    if (isSource)
        return "This Button's Icon Will be Copied";
    if (!button)
        return "";
    return NamedTip(sourceName, "Copy the Icon of ", " Here",
                    "Copy the Icon of the Selected Button Here");
}

std::string ControlTooltip(int id) {
    if (id == IdAlarmClock)
        return "Show Alarms";
    if (id == IdScreenSaverBitmap)
        return "Start Screen Saver";
    if (id == IdPushpin)
        return "Auto-Hide";
    if (id == IdLock)
        return "Lock Window Position";
    if (id == IdADrive)
        return "Open Removable Media";
    return "";
}

std::string MenuBarTooltip(const CModel& model, int id) {
    return model.settings.DisplayPopupText ? ControlTooltip(id) : std::string();
}
