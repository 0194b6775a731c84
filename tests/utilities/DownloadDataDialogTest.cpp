#include "utilities/qt/DownloadDataDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

using Field = CDownloadData::Field;

class DownloadDataDialog : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    CButtonDef* button = nullptr;

    void SetUp() override {
        model.CreateCategory(0, "Tools");
        button = CButtonDef::CreateAt(model, 0, 0, "", dir.Write("setup.exe", "MZ"), "", 0, 1);
    }
    static QLineEdit* Field_(QDialog& dialog, Field field) {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(DownloadKeyword(field)));
    }
};

TEST_F(DownloadDataDialog, ShowsNineLabelledFieldsAndSavesWhatWasTyped) {
    auto record = std::make_unique<CDownloadData>();
    record->Set(Field::Author, "Somebody");
    record->Set(Field::SharewareSite, "https://files.example.org");
    button->SetDownloadData(std::move(record));
    CDownloadDataEdit edit(model, *button);
    CDownloadDataDlg dialog(edit);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Application/File Download Data"));

    // Every visible field is an edit named by its label; the shareware site has none.
    for (const DownloadFieldLabel& visible : VisibleDownloadFields()) {
        QLineEdit* field = Field_(dialog, visible.field);
        ASSERT_TRUE(field) << visible.label;
        EXPECT_EQ(field->accessibleName(), QString::fromLatin1(visible.label));
    }
    EXPECT_FALSE(Field_(dialog, Field::SharewareSite));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("target"))->text().toStdString(),
              button->Target());
    EXPECT_EQ(Field_(dialog, Field::Author)->text(), QStringLiteral("Somebody"));

    auto* save = dialog.findChild<QPushButton*>(QStringLiteral("save"));
    auto* goAuthor = dialog.findChild<QPushButton*>(QStringLiteral("goAuthorUrl"));
    ASSERT_TRUE(save && goAuthor);
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(goAuthor->isEnabled());
    Field_(dialog, Field::Author)->setText(QStringLiteral("somebody"));
    EXPECT_FALSE(save->isEnabled()); // a change of letter case only
    Field_(dialog, Field::AuthorUrl)->setText(QStringLiteral("https://example.org"));
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(goAuthor->isEnabled());
    goAuthor->click();
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, "https://example.org");

    Field_(dialog, Field::RegistrationCode)->setText(QStringLiteral("KEY-1"));
    save->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(button->DownloadData()->Get(Field::RegistrationCode), "KEY-1");
    EXPECT_EQ(button->DownloadData()->Get(Field::AuthorUrl), "https://example.org");
    EXPECT_EQ(button->DownloadData()->Get(Field::SharewareSite), "https://files.example.org");
}

TEST_F(DownloadDataDialog, CancelLeavesTheButtonAlone) {
    CDownloadDataEdit edit(model, *button);
    CDownloadDataDlg dialog(edit);
    Field_(dialog, Field::Author)->setText(QStringLiteral("Ann"));
    dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    EXPECT_EQ(button->DownloadData(), nullptr);
    EXPECT_FALSE(model.settingsModified);
}

} // namespace
