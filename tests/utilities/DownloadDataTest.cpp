#include "utilities/DownloadData.h"

#include "config/ButtonRecord.h"
#include "model/Text.h"

#include <gtest/gtest.h>

namespace {

using Field = CDownloadData::Field;

// Feeds the written lines to the button-record reader, as a load does.
PendingRecord ReadBack(const std::string& lines) {
    PendingRecord record;
    size_t start = 0;
    for (size_t end; (end = lines.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = Trim(std::string_view(lines).substr(start, end - start));
        EXPECT_EQ(ApplyRecordLine(record, line), RecordLine::Field) << line;
    }
    EXPECT_EQ(start, lines.size()) << "every line ends with CR LF";
    return record;
}

TEST(DownloadData, WritesNonEmptyFieldsInKeywordOrder) {
    CDownloadData data;
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(DownloadLines(data), "");

    data.Set(Field::RegistrationCode, "ABC-123");
    data.Set(Field::Author, "Somebody");
    data.Set(Field::ZipFileName, "tool.zip");
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(DownloadLines(data), "ZIP_FILE_NAME tool.zip\r\n"
                                   "AUTHOR Somebody\r\n"
                                   "REGISTRATION_CODE ABC-123\r\n");
}

TEST(DownloadData, EveryFieldReadsBackThroughTheRecordReader) {
    CDownloadData data;
    for (int i = 0; i < CDownloadData::FieldCount; ++i)
        data.Set(static_cast<Field>(i), "note " + std::to_string(i));
    const PendingRecord record = ReadBack(DownloadLines(data));
    for (int i = 0; i < CDownloadData::FieldCount; ++i)
        EXPECT_EQ(record.download[static_cast<size_t>(i)], data.Get(static_cast<Field>(i)))
            << DownloadKeyword(static_cast<Field>(i));
}

TEST(DownloadData, AHiddenSharewareSiteAloneSurvivesTheRoundTrip) {
    CDownloadData data;
    data.Set(Field::SharewareSite, "https://files.example.org");
    const PendingRecord record = ReadBack(DownloadLines(data));
    EXPECT_EQ(record.download[Field::SharewareSite], "https://files.example.org");
}

TEST(DownloadData, ALineBreakInANoteCannotStartALineOfItsOwn) {
    CDownloadData data;
    data.Set(Field::Author, "Ann\r\nNAME injected");
    EXPECT_EQ(DownloadLines(data), "AUTHOR Ann  NAME injected\r\n");
}

TEST(DownloadData, KeywordsAreFoundIgnoringCaseAndOnlyWhole) {
    EXPECT_EQ(DownloadKeywordIndex("zip_file_name"), Field::ZipFileName);
    EXPECT_EQ(DownloadKeywordIndex("Author_Url"), Field::AuthorUrl);
    EXPECT_EQ(DownloadKeywordIndex("REGISTRATION_CODE"), Field::RegistrationCode);
    EXPECT_EQ(DownloadKeywordIndex("AUTHOR_"), -1);
    EXPECT_EQ(DownloadKeywordIndex("NAME"), -1);
    EXPECT_EQ(DownloadKeywordIndex(""), -1);
}

} // namespace
