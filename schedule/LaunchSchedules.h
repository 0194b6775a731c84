#pragma once

class CModel;

// Queries and bulk operations over the buttons' launch schedules, and the
// alarm-table operations that also touch the window or the modified flag.

// Recomputes every launch schedule's minutes to go. With `purge`, a one-time
// schedule whose moment has passed is deleted.
void RecomputeLaunchSchedules(CModel& model, bool purge);
void RecomputeAlarms(CModel& model);
bool AnyLaunchSchedule(const CModel& model);
// Whether any other button has a schedule with the same minutes to go as the
// one at (category, slot); category -1 is the current category.
bool LaunchTimeClashes(const CModel& model, int category, int slot);
// Clears the listed mark on every launch schedule and every alarm.
void ClearListedMarks(CModel& model);
// "&Enable Scheduled Launches": flips the switch; switching it on deletes the
// one-time launch schedules whose moment has passed. Marks the configuration
// modified.
void ToggleScheduledLaunches(CModel& model);
// Deletes every launch schedule as one undoable change.
void DeleteAllLaunchSchedules(CModel& model);
// Deletes every alarm (not undoable).
void DeleteAllAlarms(CModel& model);
