#include "ui/Caption.h"

#include <ctime>

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

    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_wday = t.weekday;
    tm.tm_isdst = -1;
    char buffer[256];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format.c_str(), &tm);
    return std::string(buffer, n);
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
    const std::string categoryName = category ? category->Name() : std::string();
    if (model.editState.PendingOperation())
        return Format("(%s) %s", categoryName.c_str(), PendingPrompt(model).c_str());

    const CSettings& s = model.settings;
    std::string prefix = "DORVANE       ";
    if (s.ShowConfigName)
        prefix = Format(s.ShowCategoryName ? "DORVANE       %s: " : "DORVANE       %s ",
                        model.configName.c_str());
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
