#include "utilities/DownloadData.h"

#include "config/ButtonRecord.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "tests/support/TestPlatform.h"
#include "utilities/DownloadDataEdit.h"

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

namespace {

class DownloadDataEditing : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    CButtonDef* button = nullptr;

    void SetUp() override {
        model.CreateCategory(0, "Tools");
        button = CButtonDef::CreateAt(model, 0, 2, "", dir.Write("tool.zip", "z"), "", 0, 1);
        model.editState.rightClickedSlot = 2;
    }
};

TEST_F(DownloadDataEditing, SaveIsEnabledByADifferenceIgnoringCase) {
    CDownloadDataEdit fresh(model, *button);
    EXPECT_FALSE(fresh.SaveEnabled()); // no record, nothing typed
    fresh.SetText(Field::DownloadDate, "today");
    EXPECT_TRUE(fresh.SaveEnabled());

    auto record = std::make_unique<CDownloadData>();
    record->Set(Field::Author, "Somebody");
    record->Set(Field::SharewareSite, "https://files.example.org");
    button->SetDownloadData(std::move(record));
    CDownloadDataEdit edit(model, *button);
    EXPECT_EQ(edit.Text(Field::Author), "Somebody");
    EXPECT_FALSE(edit.SaveEnabled());
    edit.SetText(Field::Author, "SOMEBODY");
    EXPECT_FALSE(edit.SaveEnabled());
    edit.SetText(Field::Author, "");
    EXPECT_TRUE(edit.SaveEnabled());
}

TEST_F(DownloadDataEditing, SaveKeepsTheHiddenSharewareSite) {
    auto record = std::make_unique<CDownloadData>();
    record->Set(Field::Author, "Somebody");
    record->Set(Field::SharewareSite, "https://files.example.org");
    button->SetDownloadData(std::move(record));

    CDownloadDataEdit edit(model, *button);
    edit.SetText(Field::Author, "");
    edit.SetText(Field::SharewareSite, "typed over"); // not a field of the dialog
    edit.Save();
    EXPECT_TRUE(model.settingsModified);
    ASSERT_NE(button->DownloadData(), nullptr);
    EXPECT_EQ(button->DownloadData()->Get(Field::Author), "");
    EXPECT_EQ(button->DownloadData()->Get(Field::SharewareSite), "https://files.example.org");

    // Cleared entirely, the record stays but writes no line.
    button->DownloadData()->Set(Field::SharewareSite, "");
    EXPECT_EQ(DownloadLines(*button->DownloadData()), "");
}

TEST_F(DownloadDataEditing, GoOpensTheAddressAndReportsAFailure) {
    int shown = 0;
    EditDownloadData(model, [&](CDownloadDataEdit& edit) {
        ++shown;
        EXPECT_FALSE(edit.GoEnabled(Field::AuthorUrl));
        edit.SetText(Field::AuthorUrl, "https://example.org/author");
        edit.SetText(Field::DownloadUrl, "nowhere:at-all");
        EXPECT_TRUE(edit.GoEnabled(Field::AuthorUrl));
        EXPECT_FALSE(edit.GoEnabled(Field::Author));

        edit.Go(Field::AuthorUrl);
        ASSERT_EQ(tp.shell.calls.size(), 1u);
        EXPECT_FALSE(tp.shell.calls[0].execute);
        EXPECT_EQ(tp.shell.calls[0].request.target, "https://example.org/author");
        EXPECT_TRUE(tp.prompter.messages.empty());

        tp.shell.result = ShellResult::Generic;
        edit.Go(Field::DownloadUrl);
        ASSERT_EQ(tp.prompter.messages.size(), 1u);
        EXPECT_EQ(tp.prompter.messages[0].caption, "Can't Connect to WebSite");
        EXPECT_EQ(tp.prompter.messages[0].text, "Unable to connect to:\r\n\r\nnowhere:at-all");
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(button->DownloadData(), nullptr); // nothing saved
    model.editState.rightClickedSlot = 3;       // an empty slot
    EditDownloadData(model, [&](CDownloadDataEdit&) { ++shown; });
    EXPECT_EQ(shown, 1);
}

} // namespace
