#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

class CButtonDef;
class CModel;
class CSchedule;

// The fields of one button record while it is being read (BUTTON ... end).
// Category buttons and Favorites items share this syntax.
struct PendingRecord {
    int slot = 0; // as written, 1-based
    std::string target;
    // The header's text after its keyword: a Favorites item header holds only
    // the target there, without a slot number.
    std::string afterKeyword;
    bool url = false;
    std::string name;
    std::string text;
    std::string iconFile;
    int iconIndex = 0;
    std::string directory;
    std::string parameters;
    std::string sound;
    int openMode = 1;
    bool backup = true;
    std::unique_ptr<CSchedule> schedule;
    std::array<std::string, 10> download;

    PendingRecord();
    ~PendingRecord();
    PendingRecord(PendingRecord&&) noexcept;
    PendingRecord& operator=(PendingRecord&&) noexcept;
    void Reset();
};

enum class RecordLine {
    Start,   // BUTTON, ITEM, BUTTON_URL or ITEM_URL: the record was reset and started
    Field,   // a field line, applied
    End,     // "end": the record is complete
    Unknown, // any other first word
};

// The first word of a record line, told apart once so that a line read
// again (two categories of one name) is not compared keyword by keyword again.
enum class RecordKey : unsigned char {
    Button,
    ButtonUrl,
    Item,
    ItemUrl,
    End,
    Name,
    Text,
    Directory,
    Parameters,
    Sound,
    Icon,
    Open,
    Schedule,
    NoBackup,
    Ignored,  // FAVORITE, CREATED, USAGE: lines of older versions
    Category, // not a record line: starts the next category
    Download, // first of the ten download notes, in CDownloadData::Field order
    Unknown = Download + 10,
};

// The key of a line's first word (ASCII case ignored).
RecordKey ClassifyRecordKey(std::string_view word);

// Applies one trimmed, non-empty line to `record`.
RecordLine ApplyRecordLine(PendingRecord& record, std::string_view line);
// The same for a line already split: `key` of its first word and `rest`, the
// text after that word and the spaces following it.
RecordLine ApplyRecordField(PendingRecord& record, RecordKey key, std::string_view rest);

// Makes the button of a completed record: constructed from name, target, icon
// file and index; a URL record gets kind "url" (and the address icon when it
// has no icon file); then text, directory, parameters, sound, open mode, the
// backup switch and the download notes. The schedule is left to the caller.
std::unique_ptr<CButtonDef> BuildButton(CModel& model, const PendingRecord& record);
