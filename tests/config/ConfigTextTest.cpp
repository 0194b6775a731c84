#include "config/ConfigText.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/ButtonRecord.h"
#include "config/ConfigReader.h"
#include "model/Text.h"
#include "schedule/Schedule.h"
#include "utilities/DownloadData.h"

namespace {

// The section search as a plain scan of every line, to hold the indexed one to.
size_t ScanForSection(const ConfigText& text, std::string_view name, size_t from) {
    for (size_t i = from; i < text.LineCount(); ++i) {
        const std::string_view line = TrimView(text.Line(i));
        if (!line.empty() && EqualsNoCase(line, name))
            return i + 1;
    }
    return ConfigText::npos;
}

// Lines end at LF; a CR before it, a byte-order mark before the first line
// and the LF after the last one are no part of any line.
TEST(ConfigText, LinesEndAtLineFeeds) {
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"\xEF\xBB\xBF", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"\xEF\xBB\xBFone\r\ntwo", {"one", "two"}},
        {"one\r\r\ntwo\n\nthree\r", {"one\r", "two", "", "three"}},
        {" in the middle \r a CR\n", {" in the middle \r a CR"}},
        {std::string("nul\0inside\nx", 12), {std::string("nul\0inside", 10), "x"}},
    };
    for (const auto& c : cases) {
        const ConfigText text(c.bytes);
        std::vector<std::string> lines;
        for (size_t i = 0; i < text.LineCount(); ++i)
            lines.emplace_back(text.Line(i));
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.bytes);
        EXPECT_EQ(text.Bytes(), c.bytes);
    }
}

TEST(ConfigText, SectionSearchFindsWhatAScanOfEveryLineFinds) {
    const std::string longName(40, 'X');
    const std::string text = "\xEF\xBB\xBF"
                             "SOUNDS\r\n"
                             "NAME SOUNDS\r\n"
                             "SOUNDS\tX\r\n"
                             "  sounds \t\r\n"
                             "\r\n"
                             "DORVANE CATEGORIES and BUTTONS\r\n"
                             "[InternetShortcut]\n" +
                             longName + "\r\n  " + longName +
                             "\nBUTTONS\n"
                             "\v\fALARMS\f\n"
                             "ALARMS";
    const ConfigText config(text);
    const std::vector<std::string> names = {"SOUNDS",
                                            "sounds",
                                            "BUTTONS",
                                            "ALARMS",
                                            "[InternetShortcut]",
                                            "DORVANE CATEGORIES and BUTTONS",
                                            longName,
                                            "SOUNDS X",
                                            "SOUNDS\tX",
                                            "FAVORITES",
                                            ""};
    for (const std::string& name : names)
        for (size_t from = 0; from <= config.LineCount() + 1; ++from)
            EXPECT_EQ(config.FindSection(name, from), ScanForSection(config, name, from))
                << '"' << name << "\" from " << from;
    // Spot checks that the reference itself reads the file as meant.
    EXPECT_EQ(config.FindSection("SOUNDS"), 1u);
    EXPECT_EQ(config.FindSection("SOUNDS", 1), 4u);
    EXPECT_EQ(config.FindSection("ALARMS"), 11u);
    EXPECT_EQ(config.FindSection("ALARMS", 11), 12u);
}

TEST(ConfigText, LineWordsSplitAtSpacesAndTrimTheRest) {
    const struct {
        std::string_view line;
        std::vector<std::string> words; // taken one after another
        std::string rest;
    } cases[] = {
        {"  BUTTON 12  /opt/a b/tool  ", {"BUTTON", "12"}, "/opt/a b/tool"},
        {"NAME", {"NAME", ""}, ""},
        {"\tSOUND\t/x.wav", {"SOUND\t/x.wav"}, ""},
        {"TEXT   two  spaces ", {"TEXT"}, "two  spaces"},
        {"", {"", ""}, ""},
    };
    for (const auto& c : cases) {
        LineWords words(c.line);
        for (const std::string& expected : c.words)
            EXPECT_EQ(words.Next(), expected) << c.line;
        EXPECT_EQ(words.Rest(), c.rest) << c.line;
        EXPECT_EQ(words.RestView(), c.rest) << c.line;
    }
}

// A record header starts a record afresh: nothing of the record before it
// (read into the same reused record) may carry over.
TEST(ConfigText, EveryRecordHeaderStartsWithEmptyFields) {
    PendingRecord record;
    for (const char* line :
         {"BUTTON_URL 7 http://example.com", "NAME Full", "TEXT Two\\nLines", "ICON 3 /icons/a.png",
          "DIRECTORY /opt", "PARAMETERS -x", "SOUND /s.wav", "OPEN Maximized", "NO_BACKUP",
          "AUTHOR Somebody", "SCHEDULE Daily 9 15 am"})
        ASSERT_NE(ApplyRecordLine(record, line), RecordLine::Unknown) << line;
    ASSERT_TRUE(record.schedule);

    for (const char* header : {"BUTTON 2 /bin/ls", "ITEM /bin/ls"}) {
        SCOPED_TRACE(header);
        ASSERT_EQ(ApplyRecordLine(record, header), RecordLine::Start);
        EXPECT_FALSE(record.url);
        EXPECT_EQ(record.target, std::string_view(header).ends_with(" 2 /bin/ls") ? "/bin/ls" : "");
        EXPECT_TRUE(record.name.empty());
        EXPECT_TRUE(record.text.empty());
        EXPECT_TRUE(record.iconFile.empty());
        EXPECT_EQ(record.iconIndex, 0);
        EXPECT_TRUE(record.directory.empty());
        EXPECT_TRUE(record.parameters.empty());
        EXPECT_TRUE(record.sound.empty());
        EXPECT_EQ(record.openMode, 1);
        EXPECT_TRUE(record.backup);
        EXPECT_FALSE(record.schedule);
        for (const std::string& note : record.download)
            EXPECT_TRUE(note.empty());
        // Fill it again for the next header.
        ApplyRecordLine(record, "NAME Again");
        ApplyRecordLine(record, "NO_BACKUP");
    }
}

// Every keyword is told apart whatever its letter case; words that only
// resemble one are not keywords.
TEST(ConfigText, RecordKeywordsAreToldApartIgnoringCase) {
    const auto download = [](CDownloadData::Field field) {
        return static_cast<RecordKey>(static_cast<int>(RecordKey::Download) + field);
    };
    const struct {
        std::string word;
        RecordKey key;
    } keywords[] = {
        {"BUTTON", RecordKey::Button},
        {"BUTTON_URL", RecordKey::ButtonUrl},
        {"ITEM", RecordKey::Item},
        {"ITEM_URL", RecordKey::ItemUrl},
        {"END", RecordKey::End},
        {"NAME", RecordKey::Name},
        {"TEXT", RecordKey::Text},
        {"DIRECTORY", RecordKey::Directory},
        {"PARAMETERS", RecordKey::Parameters},
        {"SOUND", RecordKey::Sound},
        {"ICON", RecordKey::Icon},
        {"OPEN", RecordKey::Open},
        {"SCHEDULE", RecordKey::Schedule},
        {"NO_BACKUP", RecordKey::NoBackup},
        {"FAVORITE", RecordKey::Ignored},
        {"CREATED", RecordKey::Ignored},
        {"USAGE", RecordKey::Ignored},
        {"CATEGORY", RecordKey::Category},
        {"ZIP_FILE_NAME", download(CDownloadData::ZipFileName)},
        {"ZIP_FILE_VERSION", download(CDownloadData::ZipFileVersion)},
        {"ZIP_FILE_DATE", download(CDownloadData::ZipFileDate)},
        {"ZIP_FILE_SIZE", download(CDownloadData::ZipFileSize)},
        {"AUTHOR", download(CDownloadData::Author)},
        {"AUTHOR_URL", download(CDownloadData::AuthorUrl)},
        {"SHAREWARE_SITE", download(CDownloadData::SharewareSite)},
        {"DOWNLOAD_URL", download(CDownloadData::DownloadUrl)},
        {"DOWNLOAD_DATE", download(CDownloadData::DownloadDate)},
        {"REGISTRATION_CODE", download(CDownloadData::RegistrationCode)},
    };
    for (const auto& k : keywords) {
        std::string mixed = ToLower(k.word);
        mixed[0] = AsciiUpper(mixed[0]);
        for (const std::string& word : {k.word, ToLower(k.word), mixed})
            EXPECT_EQ(ClassifyRecordKey(word), k.key) << word;
    }
    for (const char* word : {"", "E", "EN", "ENDS", "BUTTONS", "BUTTON_", "XUTTON", "END_MENU",
                             "MENU", "REGISTRATION_CODES", "REGISTRATION_CODE_X", "ÉND"})
        EXPECT_EQ(ClassifyRecordKey(word), RecordKey::Unknown) << word;
    EXPECT_EQ(ClassifyRecordKey(std::string_view("NAME\0", 5)), RecordKey::Unknown);
}

// A category's records are read up to the next CATEGORY line or section
// name, whatever the spacing and case of the lines around them.
TEST(ConfigText, CategoryRecordsEndAtTheNextCategoryOrSection) {
    const ConfigSource file("x.cfg", true,
                            "HEADER\r\nBUTTONS\r\nNAME before any category\r\n"
                            "  category First one \r\n\r\n BUTTON 1 /a\r\n\tend\r\n"
                            "CATEGORY\r\nBUTTON 2 /b\r\nCATEGORY Third\r\nWHAT now\r\n"
                            "sounds\r\nBUTTON 3 /c\r\nend\r\n");
    const auto& categories = file.CategoryLines();
    ASSERT_EQ(categories.size(), 3u);
    EXPECT_EQ(categories[0].name, "First one");
    EXPECT_EQ(categories[1].name, "");
    EXPECT_EQ(categories[2].name, "Third");
    const auto keys = [&](size_t c) {
        std::vector<RecordKey> out;
        ConfigSource::RecordEntry entry;
        for (size_t i = categories[c].first; i < categories[c].last; ++i)
            if (file.Record(i, entry))
                out.push_back(entry.key);
        return out;
    };
    EXPECT_EQ(keys(0), (std::vector<RecordKey>{RecordKey::Button, RecordKey::End}));
    EXPECT_EQ(keys(1), (std::vector<RecordKey>{RecordKey::Button}));
    // The section name ends the last category: the record after it is not read.
    EXPECT_EQ(keys(2), (std::vector<RecordKey>{RecordKey::Unknown}));
    ConfigSource::RecordEntry first;
    ASSERT_TRUE(file.Record(categories[0].first + 1, first)) << "after the blank line";
    EXPECT_EQ(first.rest, "1 /a");
}

// Only a line that is nothing but a section name ends the records: not a
// category named like one, nor a record line that starts like one or with a
// C; a second BUTTONS line does.
TEST(ConfigText, OnlyWholeSectionLinesEndTheRecords) {
    const ConfigSource file("x.cfg", true,
                            "BUTTONS\nCATEGORY Sounds\nBUTTON 1 /a\nCREATED 2020\nSOUNDS x\n"
                            "\tcategory\tNo\nend\n  Alarms  \nBUTTON 2 /b\n"
                            "CATEGORY Next\nBUTTON 3 /c\nbuttons\nCATEGORY After\n");
    const auto& categories = file.CategoryLines();
    ASSERT_EQ(categories.size(), 1u) << "a tab after the keyword is no CATEGORY line";
    EXPECT_EQ(categories[0].name, "Sounds");
    std::vector<RecordKey> keys;
    ConfigSource::RecordEntry entry;
    for (size_t i = categories[0].first; i < categories[0].last; ++i)
        if (file.Record(i, entry))
            keys.push_back(entry.key);
    EXPECT_EQ(keys,
              (std::vector<RecordKey>{RecordKey::Button, RecordKey::Ignored, RecordKey::Unknown,
                                      RecordKey::Unknown, RecordKey::End}));

    const ConfigSource second("y.cfg", true,
                              "BUTTONS\nCATEGORY One\nBUTTON 1 /a\nbuttons\nCATEGORY Two\n");
    ASSERT_EQ(second.CategoryLines().size(), 1u);
    EXPECT_EQ(second.CategoryLines()[0].last, 3u);
}

} // namespace
