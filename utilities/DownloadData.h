#pragma once

#include <string>
#include <string_view>

// Ten free-text notes about where a button's program was downloaded from.
// Dates, sizes and addresses are stored as the user typed them.
class CDownloadData {
  public:
    // The fields in the order their lines are written.
    enum Field {
        ZipFileName,
        ZipFileVersion,
        ZipFileDate,
        ZipFileSize,
        Author,
        AuthorUrl,
        SharewareSite,
        DownloadUrl,
        DownloadDate,
        RegistrationCode,
        FieldCount
    };

    virtual ~CDownloadData() = default;

    const std::string& Get(Field field) const { return fields_[field]; }
    void Set(Field field, std::string value) { fields_[field] = std::move(value); }
    // True when no field holds text; such a record is never written.
    bool IsEmpty() const;

  private:
    std::string fields_[FieldCount];
};

// The keyword of a field in the configuration file ("ZIP_FILE_NAME" ...).
const char* DownloadKeyword(CDownloadData::Field field);
// The field whose keyword this is (compared without regard to case), or -1.
int DownloadKeywordIndex(std::string_view keyword);
// One "KEYWORD text\r\n" line per non-empty field, in field order.
std::string DownloadLines(const CDownloadData& data);
