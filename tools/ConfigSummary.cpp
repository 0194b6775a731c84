#include "tools/ConfigSummary.h"

#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/AlarmTable.h"
#include "schedule/Schedule.h"
#include "sounds/ActionSounds.h"

namespace {

// The calendar date of a day count from 1 January 1970.
void DateOfDays(int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

std::string Clock12(int hour, int minute, int am) {
    return Format("%d:%02d %s", hour, minute, am ? "AM" : "PM");
}

std::string Rule(const CSchedule& s) {
    const std::string at = Clock12(s.hour, s.minute, s.am);
    switch (s.type) {
    case CSchedule::One_Time:
        return Format("once on %04d-%02d-%02d at %s", s.year, s.month, s.day, at.c_str());
    case CSchedule::Daily:
        return "daily at " + at;
    case CSchedule::Weekly:
        return std::string("every ") + WeekdayName(s.weekday) + " at " + at;
    case CSchedule::Monthly:
        return (s.dayOfMonth < 1 ? std::string("monthly on the last day")
                                 : Format("monthly on day %d", s.dayOfMonth)) +
               " at " + at;
    }
    return "unknown rule";
}

std::string Next(const CModel& model, const CSchedule& s) {
    if (s.minutesToGo < 0)
        return "passed";
    const int64_t minute = CivilMinutes(model.platform.clock.Now()) + s.minutesToGo;
    int year = 0, month = 0, day = 0;
    DateOfDays(minute >= 0 ? minute / 1440 : (minute - 1439) / 1440, year, month, day);
    const int64_t ofDay = ((minute % 1440) + 1440) % 1440;
    return Format("next %04d-%02d-%02d %02d:%02d", year, month, day, static_cast<int>(ofDay / 60),
                  static_cast<int>(ofDay % 60));
}

std::string ButtonLine(const CButtonDef& b) {
    return Format("%-8s %s -> %s", b.Kind().empty() ? "-" : b.Kind().c_str(), b.Name().c_str(),
                  b.Target().c_str());
}

void Favorites(const CFavoritesMenu& menu, std::string& out) {
    CFavoritesTree::Walk(
        menu,
        [&out](const CFavoritesMenu& parent, int index, int level) {
            const std::string indent(static_cast<size_t>(level + 1) * 2, ' ');
            if (const CFavoritesMenu* sub = parent.SubMenu(index)) {
                out += indent + "[" + sub->Text() + "]\n";
            } else if (const CButtonDef* item = parent.Item(index)) {
                out += indent + ButtonLine(*item) + "\n";
            }
        },
        [](const CFavoritesMenu&, int) {});
}

} // namespace

std::string ConfigSummary(const CModel& model) {
    std::string out = "Configuration \"" + model.configName + "\"\n\nCategories\n";
    std::string launches;
    for (int c = 0; c < kMaxCategories; ++c) {
        const CCategory* category = model.Category(c);
        if (!category)
            continue;
        const int count = model.ButtonCount(c);
        out += Format("  %d. %s (%d button%s)\n", c + 1, category->Name().c_str(), count,
                      count == 1 ? "" : "s");
        for (int s = 0; s < kSlotsPerCategory; ++s) {
            const CButtonDef* b = category->Slot(s);
            if (!b)
                continue;
            out += Format("     %3d  ", s + 1) + ButtonLine(*b) + "\n";
            if (const CSchedule* schedule = b->Schedule())
                launches += Format("  %s, button %d \"%s\": ", category->Name().c_str(), s + 1,
                                   b->Name().c_str()) +
                            Rule(*schedule) + ", " + Next(model, *schedule) + "\n";
        }
    }

    out += "\nFavorites\n";
    const CFavoritesMenu* root = model.favorites.Root();
    if (root && root->EntryCount() > 0)
        Favorites(*root, out);
    else
        out += "  (none)\n";

    out += "\nScheduled launches\n" + (launches.empty() ? std::string("  (none)\n") : launches);

    out += "\nAlarms\n";
    if (model.alarms.AlarmCount() == 0)
        out += "  (none)\n";
    for (int i = 0; const CSchedule* alarm = model.alarms.Alarm(i); ++i)
        out += Format("  %d. \"%s\": ", i + 1, alarm->message.c_str()) + Rule(*alarm) + ", " +
               Next(model, *alarm) + "\n";

    out += "\nChanged sounds\n";
    bool anySound = false;
    for (int i = 0; i < model.sounds.Count(); ++i) {
        if (EqualsNoCase(model.sounds.CurrentFile(i), model.sounds.DefaultFile(i)))
            continue;
        anySound = true;
        const std::string& file = model.sounds.CurrentFile(i);
        out += "  " + model.sounds.Name(i) + ": " + (file.empty() ? "(no sound)" : file) + "\n";
    }
    if (!anySound)
        out += "  (none)\n";
    return out;
}
