#pragma once

#include <string>

class CModel;
struct CSettings;
struct LocalDateTime;

// The file whose presence in the program folder turns the caption into the
// date and time alone.
inline constexpr const char* kSpecialCaptionFile = "Quibb's Special DV Caption.txt";

// The caption shown while a configuration is read: the category counter of
// the reader (0-based) and the number of categories.
std::string LoadingCaption(int categoryCounter, int categoryCount);

// The date-time text of the ShowTimeWeekday/ShowTimeDate/ShowTimeTime
// settings for `t`: English names and the AM/PM marker whatever the locale.
std::string DateTimeText(const CSettings& s, const LocalDateTime& t);

// The prompt of a pending two-click operation, or empty when none is pending.
std::string PendingPrompt(const CModel& model);

// The frame's caption for the model's present state: loading, a pending
// two-click prompt, or configuration, category and date-time. Reads the clock
// and checks the special caption file through the model's platform.
std::string CaptionText(const CModel& model);

// The tray icon's tooltip: the program, the configuration and the category
// shown ("Dorvane - Buttons: Tools"), whatever the caption settings hide.
std::string TrayTooltip(const CModel& model);
