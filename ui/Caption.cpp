#include "ui/Caption.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "platform/Clock.h"

std::string LoadingCaption(int categoryCounter, int categoryCount) {
    if (categoryCounter < categoryCount - 1)
        return Format("DORVANE     Loading  %d / %d ...", categoryCounter + 1, categoryCount);
    return "DORVANE     Loading...";
}

namespace {

const char* WeekdayFormat(int v) {
    switch (v) {
    case 1:
        return "%A";
    case 2:
        return "%a";
    default:
        return "";
    }
}

const char* DateFormat(int v) {
    switch (v) {
    case 1:
        return "%B %d, %Y";
    case 2:
        return "%b %d, %Y";
    case 3:
        return "%B %d";
    case 4:
        return "%b %d";
    case 5:
        return "%m/%d/%y";
    case 6:
        return "%m/%d";
    default:
        return "";
    }
}

const char* TimeFormat(int v) {
    switch (v) {
    case 1:
        return "%I:%M %p";
    case 2:
        return "%H:%M";
    default:
        return "";
    }
}

std::string CategoryText(const CSettings& s, const std::string& prefix, const std::string& name,
                         int number, int count) {
    const char* p = prefix.c_str();
    const char* n = name.c_str();
    switch (s.CatNameFormat) {
    case 1:
        return Format(" %sCategory = %s", p, n);
    case 2:
        return Format(" %sCategory %d = %s", p, number, n);
    case 3:
        return Format(" %sCategory = %s (%d/%d)", p, n, number, count);
    case 4:
        return Format(" %s%s", p, n);
    case 5:
        return Format(" %s%d: %s", p, number, n);
    case 6:
        return Format(" %s%s (%d/%d)", p, n, number, count);
    default:
        return "";
    }
}

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

// The strftime conversions the caption uses, with the program's own English
// names and a.m./p.m. marker, so the caption reads the same in every locale.
std::string FormatDateTime(const std::string& format, const LocalDateTime& t) {
    const std::string weekday = t.weekday >= 0 && t.weekday < 7 ? kWeekdays[t.weekday] : "";
    const std::string month = t.month >= 1 && t.month <= 12 ? kMonths[t.month - 1] : "";
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        switch (format[++i]) {
        case 'A':
            out += weekday;
            break;
        case 'a':
            out += weekday.substr(0, 3);
            break;
        case 'B':
            out += month;
            break;
        case 'b':
            out += month.substr(0, 3);
            break;
        case 'd':
            out += Format("%02d", t.day);
            break;
        case 'm':
            out += Format("%02d", t.month);
            break;
        case 'Y':
            out += Format("%d", t.year);
            break;
        case 'y':
            out += Format("%02d", ((t.year % 100) + 100) % 100);
            break;
        case 'H':
            out += Format("%02d", t.hour);
            break;
        case 'I':
            out += Format("%02d", hour12);
            break;
        case 'M':
            out += Format("%02d", t.minute);
            break;
        case 'p':
            out += t.hour < 12 ? "AM" : "PM";
            break;
        default:
            out += format[i];
            break;
        }
    }
    return out;
}

bool ShowsDateTime(const CSettings& s) {
    return s.ShowTimeWeekday > 0 || s.ShowTimeDate > 0 || s.ShowTimeTime > 0;
}

} // namespace

std::string DateTimeText(const CSettings& s, const LocalDateTime& t) {
    const std::string weekday = WeekdayFormat(s.ShowTimeWeekday);
    const std::string date = DateFormat(s.ShowTimeDate);
    const std::string time = TimeFormat(s.ShowTimeTime);
    std::string format = weekday;
    if (!weekday.empty() && (!date.empty() || !time.empty()))
        format += ", ";
    format += date + "  " + time;

    return FormatDateTime(format, t);
}

std::string PendingPrompt(const CModel& model) {
    const ButtonWindowState& st = model.editState;
    const bool chosen = st.sourceCategory >= 0 && st.sourceSlot >= 0;
    if (st.moveMode)
        return chosen ? "Click Where You Want the Button Moved (ESC to Cancel)"
                      : "Click the Button to Move";
    if (st.copyMode)
        return chosen ? "Click Where You Want the Button Copied (ESC to Cancel)"
                      : "Click the Button to Copy";
    if (st.iconCopyMode)
        return chosen ? "Click Where You Want the Icon Copied (ESC to Cancel)"
                      : "Click the Button with the Icon to Copy";
    return "";
}

std::string CaptionText(const CModel& model) {
    if (model.loading)
        return model.loadProgress ? LoadingCaption(model.loadedCategories, model.CategoryCount())
                                  : LoadingCaption(kMaxCategories, kMaxCategories);
    const CCategory* category = model.CurrentCategory();
    const std::string categoryName = category ? ShownText(category->Name()) : std::string();
    if (model.editState.PendingOperation())
        return Format("(%s) %s", categoryName.c_str(), PendingPrompt(model).c_str());

    const CSettings& s = model.settings;
    std::string prefix = "DORVANE       ";
    if (s.ShowConfigName)
        prefix = Format(s.ShowCategoryName ? "DORVANE       %s: " : "DORVANE       %s ",
                        ShownText(model.configName).c_str());
    std::string caption = prefix;
    if (s.ShowCategoryName)
        caption = CategoryText(s, prefix, categoryName, model.CurrentCategoryIndex() + 1,
                               model.CategoryCount());

    const bool special =
        !model.programFolder.empty() &&
        FileExists(model.platform.fs, JoinPath(model.programFolder, kSpecialCaptionFile));
    if (special)
        return " " + DateTimeText(s, model.platform.clock.Now());
    if (ShowsDateTime(s))
        caption += "       " + DateTimeText(s, model.platform.clock.Now());
    return caption;
}

std::string TrayTooltip(const CModel& model) {
    const CCategory* category = model.CurrentCategory();
    if (category == nullptr)
        return "Dorvane - " + ShownText(model.configName);
    return Format("Dorvane - %s: %s", ShownText(model.configName).c_str(),
                  ShownText(category->Name()).c_str());
}
