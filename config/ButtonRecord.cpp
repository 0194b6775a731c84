#include "config/ButtonRecord.h"

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

RecordLine ApplyRecordLine(PendingRecord& record, std::string_view line) {
    LineWords words(line);
    const std::string_view key = words.NextView();

    const bool url = EqualsNoCase(key, "BUTTON_URL") || EqualsNoCase(key, "ITEM_URL");
    if (url || EqualsNoCase(key, "BUTTON") || EqualsNoCase(key, "ITEM")) {
        record.Reset();
        record.url = url;
        record.afterKeyword = words.RestView();
        record.slot = words.NextInt();
        record.target = words.RestView();
        return RecordLine::Start;
    }
    if (EqualsNoCase(key, "END"))
        return RecordLine::End;

    std::string* text = nullptr;
    if (EqualsNoCase(key, "NAME"))
        text = &record.name;
    else if (EqualsNoCase(key, "TEXT"))
        text = &record.text;
    else if (EqualsNoCase(key, "DIRECTORY"))
        text = &record.directory;
    else if (EqualsNoCase(key, "PARAMETERS"))
        text = &record.parameters;
    else if (EqualsNoCase(key, "SOUND"))
        text = &record.sound;
    else if (const int field = DownloadKeywordIndex(key); field >= 0)
        text = &record.download[static_cast<size_t>(field)];
    if (text) {
        *text = words.RestView();
        return RecordLine::Field;
    }

    if (EqualsNoCase(key, "ICON")) {
        record.iconIndex = words.NextInt();
        record.iconFile = words.RestView();
    } else if (EqualsNoCase(key, "OPEN")) {
        record.openMode = OpenModeOf(words.NextView());
    } else if (EqualsNoCase(key, "SCHEDULE")) {
        static const EpochClock clock;
        record.schedule = ReadSchedule(words, clock);
    } else if (EqualsNoCase(key, "NO_BACKUP")) {
        record.backup = false;
    } else if (EqualsNoCase(key, "FAVORITE") || EqualsNoCase(key, "CREATED") ||
               EqualsNoCase(key, "USAGE")) {
        // Lines of older versions, accepted and ignored.
    } else {
        return RecordLine::Unknown;
    }
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
