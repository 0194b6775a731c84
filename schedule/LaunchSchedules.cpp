#include "schedule/LaunchSchedules.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/Schedule.h"
#include "undo/Undo.h"

namespace {

// Calls f(category, slot, button) for every button that has a schedule, in
// table order.
template <typename F> void ForEachScheduledButton(const CModel& model, F&& f) {
    for (int cat = 0; cat < kMaxCategories; ++cat) {
        const CCategory* category = model.Category(cat);
        if (!category)
            continue;
        for (int slot = 0; slot < kSlotsPerCategory; ++slot) {
            CButtonDef* button = category->Slot(slot);
            if (button && button->Schedule())
                f(cat, slot, *button);
        }
    }
}

} // namespace

void RecomputeLaunchSchedules(CModel& model, bool purge) {
    const Clock& clock = model.platform.clock;
    ForEachScheduledButton(model, [&](int, int, CButtonDef& button) {
        CSchedule& schedule = *button.Schedule();
        if (schedule.Recompute(clock) < 0 && purge && schedule.type == CSchedule::One_Time)
            button.SetSchedule(nullptr);
    });
}

void RecomputeAlarms(CModel& model) {
    model.alarms.RecomputeAlarms(model.platform.clock);
}

bool AnyLaunchSchedule(const CModel& model) {
    bool any = false;
    ForEachScheduledButton(model, [&](int, int, CButtonDef&) { any = true; });
    return any;
}

bool LaunchTimeClashes(const CModel& model, int category, int slot) {
    if (category == -1)
        category = model.CurrentCategoryIndex();
    const CButtonDef* self = model.GetButton(category, slot);
    if (!self || !self->Schedule())
        return false;
    const int minutes = self->Schedule()->minutesToGo;
    bool clash = false;
    ForEachScheduledButton(model, [&](int, int, CButtonDef& button) {
        if (&button != self && button.Schedule()->minutesToGo == minutes)
            clash = true;
    });
    return clash;
}

void ClearListedMarks(CModel& model) {
    ForEachScheduledButton(model,
                           [](int, int, CButtonDef& button) { button.Schedule()->listed = 0; });
    model.alarms.ClearListedMarks();
}

void DeleteAllLaunchSchedules(CModel& model) {
    if (!AnyLaunchSchedule(model))
        return;
    BeginChange(model, "Delete all Button Schedules", -1, -1, true);
    ForEachScheduledButton(model, [&](int cat, int slot, CButtonDef& button) {
        AddChangeEntry(model, "Delete Button Schedule", cat, slot, true);
        button.SetSchedule(nullptr);
    });
    model.View().RefreshMenuBar();
    model.SetModified();
}

void DeleteAllAlarms(CModel& model) {
    if (!model.alarms.AnyAlarm())
        return;
    model.alarms.Clear();
    model.View().RefreshMenuBar();
    model.SetModified();
}

void ToggleScheduledLaunches(CModel& model) {
    model.settings.EnableScheduledLaunches = !model.settings.EnableScheduledLaunches;
    if (model.settings.EnableScheduledLaunches)
        RecomputeLaunchSchedules(model, true);
    model.SetModified();
}
