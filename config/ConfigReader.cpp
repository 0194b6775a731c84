#include "config/ConfigReader.h"

#include "config/ButtonRecord.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/Schedule.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kHeaders[] = {
    "DORVANE CONFIGURATION FILE v10.0", "DORVANE CONFIGURATION FILE v9.0",
    "DORVANE CONFIGURATION FILE v8.0",  "DORVANE CONFIGURATION FILE v6.0",
    "DORVANE CONFIGURATION FILE v5.0",  "DORVANE CATEGORIES and BUTTONS",
};
constexpr int kHeaderVersions[] = {10, 9, 8, 6, 5, 4};

const std::initializer_list<std::string_view> kSettingsEnd = {"FILE_DIALOG_PARAMETERS", "SOUNDS",
                                                              "ALARMS", "BUTTONS"};
constexpr int kDialogLines = 4;

// A line trimmed, its first word (up to the first space) and the text after
// the spaces that follow that word: what TrimView and LineWords give, in one
// pass over the line's ends and one search for its first space.
struct SplitLine {
    std::string_view line;
    std::string_view first;
    std::string_view rest;
};

SplitLine Split(std::string_view raw) {
    const std::string_view line = TrimLineSpace(raw);
    const char* begin = line.data();
    const char* end = begin + line.size();
    // A plain loop: the first word is short, and a call costs more than it.
    const char* space = begin;
    while (space < end && *space != ' ')
        ++space;
    if (space == end)
        return {line, line, {}};
    const char* rest = space + 1;
    while (rest < end && IsLineSpace(*rest))
        ++rest;
    return {line, std::string_view(begin, static_cast<size_t>(space - begin)),
            std::string_view(rest, static_cast<size_t>(end - rest))};
}

void BadKeyword(CModel& model, const ConfigSource& file) {
    model.Message(Format("Invalid keyword in \"%s\"", file.Path().c_str()), "Bad Keyword",
                  MsgIcon::Stop);
}

// Puts the button of a completed record into its slot; slot numbers outside
// 1..100 (only a hand-edited file has them) are skipped.
void CreateButton(CModel& model, CCategory& category, const PendingRecord& record) {
    if (record.slot < 1 || record.slot > kSlotsPerCategory)
        return;
    std::unique_ptr<CButtonDef> button = BuildButton(model, record);
    if (const CSchedule* read = record.schedule.get()) {
        const Clock& clock = model.platform.clock;
        if (read->type == CSchedule::One_Time &&
            HasPassed(clock, read->month, read->day, read->year, read->hour, read->minute,
                      read->am)) {
            model.loadDropped = true;
        } else {
            auto schedule = std::make_unique<CSchedule>(*read);
            schedule->Recompute(clock);
            button->SetSchedule(std::move(schedule));
        }
    }
    category.SetSlot(record.slot - 1, std::move(button));
}

} // namespace

ConfigSource::ConfigSource(std::string path, bool readable, std::string bytes, int readError,
                           std::string readFailure)
    : path_(std::move(path)), readable_(readable), readError_(readError),
      readFailure_(std::move(readFailure)), text_(std::move(bytes)) {}

ConfigSource ConfigSource::Read(const FileSystem& fs, const std::string& path) {
    std::string bytes;
    FileResult read = fs.ReadFile(path, bytes);
    // Offsets into the text are 32-bit; a file of 4 GiB is no configuration
    // and is refused as unreadable rather than read in part.
    if (read && bytes.size() > ConfigText::kMaxBytes)
        read = FileResult::Failure(EFBIG, "It is too large");
    if (!read)
        bytes.clear();
    // Built in place: the text's lines point into its bytes.
    return ConfigSource(path, static_cast<bool>(read), std::move(bytes), read.error, read.reason);
}

const std::vector<ConfigSource::CategoryLine>& ConfigSource::CategoryLines() const {
    IndexButtons();
    return categoryLines_;
}

const ConfigSource::CategoryLine* ConfigSource::FindCategory(std::string_view name) const {
    for (const CategoryLine& line : CategoryLines())
        if (EqualsNoCase(line.name, name))
            return &line;
    return nullptr;
}

bool ConfigSource::Record(size_t line, RecordEntry& entry) const {
    const SplitLine split = Split(text_.Line(line));
    if (split.line.empty())
        return false;
    entry = {ClassifyRecordKey(split.first), split.rest};
    return true;
}

void ConfigSource::IndexButtons() const {
    if (indexed_)
        return;
    indexed_ = true;
    const size_t start = text_.FindSection("BUTTONS");
    if (start == ConfigText::npos)
        return;
    // The records end at the first section name after them (a one-word line,
    // found in the text's index of those).
    size_t end = text_.LineCount();
    for (const std::string_view name : kButtonsEnd)
        if (const size_t after = text_.FindSection(name, start); after != ConfigText::npos)
            end = std::min(end, after - 1);
    for (size_t i = start; i < end; ++i) {
        // Only a line whose first letter is a C can be a CATEGORY line.
        const std::string_view raw = text_.Line(i);
        size_t first = 0;
        while (first < raw.size() && IsLineSpace(raw[first]))
            ++first;
        if (first == raw.size() || (raw[first] | 0x20) != 'c')
            continue;
        const SplitLine split = Split(raw);
        if (ClassifyRecordKey(split.first) != RecordKey::Category)
            continue;
        if (!categoryLines_.empty())
            categoryLines_.back().last = i;
        // Lines before the first category belong to none and are not read.
        categoryLines_.push_back({split.rest, i + 1, i + 1});
    }
    if (!categoryLines_.empty())
        categoryLines_.back().last = end;
}

int HeaderVersion(std::string_view firstLine) {
    for (size_t i = 0; i < std::size(kHeaders); ++i)
        if (EqualsNoCase(firstLine, kHeaders[i]))
            return kHeaderVersions[i];
    return -1;
}

int ConfigurationVersion(CModel& model, const ConfigSource& file) {
    if (!file.Readable())
        return -1;
    const ConfigText& text = file.Text();
    const int version = text.LineCount() == 0 ? -1 : HeaderVersion(text.Line(0));
    if (version < 0)
        model.Message("The file\r\n\r\n" + file.Path() + "\r\n\r\n" +
                          "is not a valid DORVANE configuration file.\r\n\r\n",
                      "Bad Configuration File", MsgIcon::Stop);
    return version;
}

void ReadCategories(CModel& model, const ConfigSource& file) {
    int number = 0; // CATEGORY lines seen
    for (const ConfigSource::CategoryLine& category : file.CategoryLines()) {
        if (number == kMaxCategories) {
            model.Message(Format("The maximum number of categories is %d", kMaxCategories),
                          "Too Many Categories", MsgIcon::Stop);
            return;
        }
        ++number;
        if (category.name.empty()) {
            model.Message(
                Format("Category %d in \"%s\" is not named\r\n\r\n", number, file.Path().c_str()),
                "Category Name Missing", MsgIcon::Stop);
            return;
        }
        model.CreateCategory(-1, std::string(category.name));
    }
}

void ReadSettings(CModel& model, const ConfigSource& file) {
    const ConfigText& text = file.Text();
    const size_t start = text.FindSection("SETTINGS");
    if (start == ConfigText::npos)
        return;
    for (size_t i = start; i < text.LineCount(); ++i) {
        const std::string_view line = TrimView(text.Line(i));
        if (line.empty())
            continue;
        if (IsSectionEnd(line, kSettingsEnd))
            break;
        LineWords words(line);
        const std::string key = words.Next();
        ApplySettingLine(model.settings, key, words.Rest());
    }
    NormaliseLayoutTypes(model.settings);
}

void ReadCategoryButtons(CModel& model, const ConfigSource& file, int index) {
    CCategory* category = index >= 0 ? model.Category(index) : nullptr;
    if (!category)
        return;
    // With two categories of the same name, both take the records of the first.
    const ConfigSource::CategoryLine* found = file.FindCategory(category->Name());
    if (!found)
        return;

    PendingRecord record;
    ConfigSource::RecordEntry entry;
    for (size_t i = found->first; i < found->last; ++i) {
        if (!file.Record(i, entry))
            continue;
        switch (ApplyRecordField(record, entry.key, entry.rest)) {
        case RecordLine::Start:
        case RecordLine::Field:
            break;
        case RecordLine::End:
            // The record stays as it is until the next header line.
            CreateButton(model, *category, record);
            break;
        case RecordLine::Unknown:
            BadKeyword(model, file);
            return;
        }
    }
}

void ReadDialogParameters(CModel& model, const ConfigSource& file) {
    const ConfigText& text = file.Text();
    const size_t start = text.FindSection("FILE_DIALOG_PARAMETERS");
    if (start == ConfigText::npos)
        return;
    for (int entry = 0; entry < kDialogLines; ++entry) {
        const size_t i = start + static_cast<size_t>(entry);
        if (i >= text.LineCount())
            return;
        const std::string_view line = TrimView(text.Line(i));
        if (IsSectionEnd(line, kSettingsEnd))
            return;
        LineWords words(line);
        words.Next(); // the label is not examined
        DialogParams& params = model.DialogEntry(entry);
        params.filter = words.NextInt();
        params.folder = words.Rest();
        if (EqualsNoCase(params.folder, "Default"))
            params.folder.clear();
    }
}
