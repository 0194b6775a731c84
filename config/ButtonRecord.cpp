#include "config/ButtonRecord.h"

#include <vector>

#include "model/ButtonDef.h"
#include "model/Text.h"
#include "platform/Clock.h"
#include "schedule/Schedule.h"
#include "schedule/ScheduleRecord.h"
#include "utilities/DownloadData.h"

PendingRecord::PendingRecord() = default;
PendingRecord::~PendingRecord() = default;
PendingRecord::PendingRecord(PendingRecord&&) noexcept = default;
PendingRecord& PendingRecord::operator=(PendingRecord&&) noexcept = default;

void PendingRecord::Reset() {
    // Cleared field by field: the strings keep their buffers for the next
    // record, so a load does not allocate them anew for every button.
    slot = 0;
    target.clear();
    afterKeyword.clear();
    url = false;
    name.clear();
    text.clear();
    iconFile.clear();
    iconIndex = 0;
    directory.clear();
    parameters.clear();
    sound.clear();
    openMode = 1;
    backup = true;
    schedule.reset();
    for (std::string& note : download)
        note.clear();
}

namespace {

// Record lines are read without the program's clock; the minutes to go of a
// schedule read here are computed again when its button is made.
class EpochClock : public Clock {
  public:
    LocalDateTime Now() const override { return {1970, 1, 1, 0, 0, 0, 4}; }
};

int OpenModeOf(std::string_view word) {
    if (StringInList(word, "Maximized", "Maximize", "Maximum"))
        return 2;
    if (StringInList(word, "Minimized", "Minimize", "Minimum"))
        return 3;
    return 1;
}

} // namespace

namespace {

struct KeyName {
    std::string_view name;
    RecordKey key;
};

constexpr KeyName kKeyNames[] = {
    {"BUTTON", RecordKey::Button},
    {"NAME", RecordKey::Name},
    {"TEXT", RecordKey::Text},
    {"PARAMETERS", RecordKey::Parameters},
    {"DIRECTORY", RecordKey::Directory},
    {"SOUND", RecordKey::Sound},
    {"end", RecordKey::End},
    {"ICON", RecordKey::Icon},
    {"OPEN", RecordKey::Open},
    {"SCHEDULE", RecordKey::Schedule},
    {"NO_BACKUP", RecordKey::NoBackup},
    {"BUTTON_URL", RecordKey::ButtonUrl},
    {"ITEM", RecordKey::Item},
    {"ITEM_URL", RecordKey::ItemUrl},
    {"CATEGORY", RecordKey::Category},
    {"FAVORITE", RecordKey::Ignored},
    {"CREATED", RecordKey::Ignored},
    {"USAGE", RecordKey::Ignored},
};

// EqualsNoCase for words of equal length, kept here so that it inlines.
bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

} // namespace

RecordKey ClassifyRecordKey(std::string_view word) {
    // Keywords are 3 to 17 letters long; grouped by length, a word is
    // compared with the few of its own length only.
    constexpr size_t kLongest = 17;
    static const auto byLength = [] {
        std::array<std::vector<KeyName>, kLongest + 1> groups;
        for (const KeyName& k : kKeyNames)
            groups[k.name.size()].push_back(k);
        for (int i = 0; i < CDownloadData::FieldCount; ++i) {
            const std::string_view name = DownloadKeyword(static_cast<CDownloadData::Field>(i));
            groups[name.size()].push_back(
                {name, static_cast<RecordKey>(static_cast<int>(RecordKey::Download) + i)});
        }
        return groups;
    }();
    if (word.size() > kLongest)
        return RecordKey::Unknown;
    for (const KeyName& k : byLength[word.size()])
        if (SameLetters(k.name, word))
            return k.key;
    return RecordKey::Unknown;
}

RecordLine ApplyRecordLine(PendingRecord& record, std::string_view line) {
    LineWords words(line);
    const RecordKey key = ClassifyRecordKey(words.NextView());
    return ApplyRecordField(record, key, words.RestView());
}

RecordLine ApplyRecordField(PendingRecord& record, RecordKey key, std::string_view rest) {
    std::string* text = nullptr;
    switch (key) {
    case RecordKey::Button:
    case RecordKey::ButtonUrl:
    case RecordKey::Item:
    case RecordKey::ItemUrl: {
        LineWords words(rest);
        record.Reset();
        record.url = key == RecordKey::ButtonUrl || key == RecordKey::ItemUrl;
        record.afterKeyword = words.RestView();
        record.slot = words.NextInt();
        record.target = words.RestView();
        return RecordLine::Start;
    }
    case RecordKey::End:
        return RecordLine::End;
    case RecordKey::Name:
        text = &record.name;
        break;
    case RecordKey::Text:
        text = &record.text;
        break;
    case RecordKey::Directory:
        text = &record.directory;
        break;
    case RecordKey::Parameters:
        text = &record.parameters;
        break;
    case RecordKey::Sound:
        text = &record.sound;
        break;
    case RecordKey::Icon: {
        LineWords words(rest);
        record.iconIndex = words.NextInt();
        record.iconFile = words.RestView();
        return RecordLine::Field;
    }
    case RecordKey::Open: {
        LineWords words(rest);
        record.openMode = OpenModeOf(words.NextView());
        return RecordLine::Field;
    }
    case RecordKey::Schedule: {
        static const EpochClock clock;
        LineWords words(rest);
        record.schedule = ReadSchedule(words, clock);
        return RecordLine::Field;
    }
    case RecordKey::NoBackup:
        record.backup = false;
        return RecordLine::Field;
    case RecordKey::Ignored:
        return RecordLine::Field;
    case RecordKey::Category:
    case RecordKey::Unknown:
        return RecordLine::Unknown;
    default: {
        const int field = static_cast<int>(key) - static_cast<int>(RecordKey::Download);
        if (field < 0 || field >= CDownloadData::FieldCount)
            return RecordLine::Unknown;
        text = &record.download[static_cast<size_t>(field)];
        break;
    }
    }
    *text = TrimView(rest);
    return RecordLine::Field;
}

std::unique_ptr<CButtonDef> BuildButton(CModel& model, const PendingRecord& record) {
    auto button = std::make_unique<CButtonDef>(model, record.name, record.target, record.iconFile,
                                               record.iconIndex, 1);
    if (record.url) {
        button->SetKind("url");
        if (record.iconFile.empty())
            button->SetUrl(record.target);
    }
    if (!record.text.empty())
        button->SetText(record.text);
    if (!record.directory.empty())
        button->SetDirectory(record.directory);
    if (!record.parameters.empty())
        button->SetParameters(record.parameters);
    if (!record.sound.empty())
        button->SetSound(record.sound);
    if (record.openMode != 1)
        button->SetOpenMode(record.openMode);
    if (!record.backup)
        button->SetBackupEnabled(false);

    bool anyNote = false;
    for (const std::string& note : record.download)
        anyNote = anyNote || !note.empty();
    if (anyNote) {
        auto data = std::make_unique<CDownloadData>();
        for (size_t i = 0; i < record.download.size(); ++i)
            data->Set(static_cast<CDownloadData::Field>(i), record.download[i]);
        button->SetDownloadData(std::move(data));
    }
    return button;
}
