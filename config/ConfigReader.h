#pragma once

#include "config/ButtonRecord.h"
#include "config/ConfigText.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

class CModel;
class FileSystem;

// A configuration file as one load sees it: read once, then scanned by every
// section reader. An unreadable or missing file reads as one without sections.
class ConfigSource {
  public:
    ConfigSource() = default;
    ConfigSource(std::string path, bool readable, std::string bytes, int readError = 0,
                 std::string readFailure = {});
    static ConfigSource Read(const FileSystem& fs, const std::string& path);

    const std::string& Path() const { return path_; }
    bool Readable() const { return readable_; }
    // The file exists (or cannot be told not to) but could not be read.
    bool Unreadable() const { return !readable_ && readError_ != 0 && readError_ != ENOENT; }
    const std::string& ReadFailure() const { return readFailure_; }
    const ConfigText& Text() const { return text_; }

    // A non-empty line of a category's records, split: the key of its first
    // word and the text after it.
    struct RecordEntry {
        RecordKey key;
        std::string_view rest;
    };
    // A CATEGORY line of the BUTTONS section: its name and the lines of its
    // records, [first, last) of Text().
    struct CategoryLine {
        std::string_view name;
        size_t first;
        size_t last;
    };
    // Built in one scan of the BUTTONS section on first use, so that every
    // category read does not scan the file again.
    const std::vector<CategoryLine>& CategoryLines() const;
    // The lines of the category named `name` (any case); of two categories
    // of the same name, the first. Null when the file has none.
    const CategoryLine* FindCategory(std::string_view name) const;
    // The record on line `line` of a category's lines; false for a blank line.
    // Split when read rather than kept: an index of every record line would
    // be alive beside all the buttons at the height of a load.
    bool Record(size_t line, RecordEntry& entry) const;

  private:
    std::string path_;
    bool readable_ = false;
    int readError_ = 0;
    std::string readFailure_;
    ConfigText text_;
    void IndexButtons() const;

    mutable bool indexed_ = false;
    mutable std::vector<CategoryLine> categoryLines_;
};

// Where the button records of a file end (besides the next CATEGORY line).
inline const std::initializer_list<std::string_view> kButtonsEnd = {
    "FILE_DIALOG_PARAMETERS", "SOUNDS", "ALARMS", "FAVORITES", "BUTTONS"};

// The version a header line names (10, 9, 8, 6, 5 or 4), or -1.
int HeaderVersion(std::string_view firstLine);

// The version of the file's header. -1 without a message when the file could
// not be read; -1 after "Bad Configuration File" when it is empty or its first
// line is no header.
int ConfigurationVersion(CModel& model, const ConfigSource& file);

// Creates the categories named by the CATEGORY lines, in file order.
void ReadCategories(CModel& model, const ConfigSource& file);
// Applies the SETTINGS section, then the row/column rule.
void ReadSettings(CModel& model, const ConfigSource& file);
// Reads the button records of category `index` into its slots.
void ReadCategoryButtons(CModel& model, const ConfigSource& file, int index);
// Fills the file-dialog entries 0 to 3.
void ReadDialogParameters(CModel& model, const ConfigSource& file);
