#include "utilities/qt/SelectIconsDialog.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

class SelectIconsDialog : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;

    void SetUp() override {
        model.CreateCategory(0, "First");
        model.CreateCategory(1, "Second");
        CButtonDef::CreateAt(model, 0, 1, "Notes", dir.Write("notes.txt", "n"), "", 0, 1);
    }
    std::string Picture(const std::string& name, QRgb colour) {
        const std::string path = dir.Write(name, ""); // makes its folder
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(colour);
        image.save(QString::fromStdString(path));
        tp.icons.counts[path] = 1;
        return path;
    }
    template <typename T> static T* Find(QWidget& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }
};

TEST_F(SelectIconsDialog, AppliesAFolderIconToTheSelectedButton) {
    Picture("set/a.png", qRgb(200, 0, 0));
    const std::string second = Picture("set/b.png", qRgb(0, 200, 0));
    tp.prompter.folders.push_back(dir.File("set"));

    CSelectIconsDlg dialog(model);
    auto* icons = Find<QListWidget>(dialog, "iconList");
    auto* buttons = Find<QListWidget>(dialog, "buttonList");
    auto* apply = Find<QPushButton>(dialog, "apply");
    ASSERT_TRUE(icons && buttons && apply);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Select Icons for Buttons"));
    EXPECT_EQ(buttons->count(), kSlotsPerCategory);
    EXPECT_FALSE(Find<QPushButton>(dialog, "previous")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(dialog, "next")->isEnabled());

    Find<QPushButton>(dialog, "folders")->click();
    ASSERT_EQ(icons->count(), 2);
    EXPECT_EQ(Find<QLineEdit>(dialog, "iconIn")->text().toStdString(), dir.File("set"));
    EXPECT_EQ(dialog.windowTitle().toStdString(), " Icons in Folder " + dir.File("set"));

    icons->setCurrentRow(1);
    EXPECT_FALSE(Find<QLabel>(dialog, "iconPreview")->pixmap().isNull());
    EXPECT_FALSE(apply->isEnabled());
    buttons->setCurrentRow(5); // an empty slot is not taken
    EXPECT_EQ(buttons->currentRow(), -1);
    EXPECT_FALSE(apply->isEnabled());
    buttons->setCurrentRow(1);
    EXPECT_TRUE(apply->isEnabled());

    apply->click();
    EXPECT_EQ(model.GetButton(0, 1)->IconFile(), second);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_TRUE(Find<QLabel>(dialog, "iconPreview")->pixmap().isNull());
    // The button list shows the new icon: green where the empty slot picture is not.
    const QImage shown = buttons->item(1)->icon().pixmap(32, 32).toImage();
    EXPECT_EQ(qGreen(shown.pixel(16, 16)), 200);

    Find<QPushButton>(dialog, "next")->click();
    EXPECT_EQ(model.CurrentCategoryIndex(), 1);
    EXPECT_FALSE(Find<QPushButton>(dialog, "next")->isEnabled());
}

TEST_F(SelectIconsDialog, IconsStandInTheComputedGrid) {
    for (int i = 0; i < 9; ++i)
        Picture("many/i" + std::to_string(i) + ".png", qRgb(0, 0, 200));
    tp.prompter.folders.push_back(dir.File("many"));
    CSelectIconsDlg dialog(model);
    dialog.show();
    Find<QPushButton>(dialog, "folders")->click();
    auto* icons = Find<QListWidget>(dialog, "iconList");
    ASSERT_EQ(icons->count(), 9);
    QApplication::processEvents(); // the list lays its items out later
    const int width = icons->viewport()->width();
    for (int k : {0, 1, 8}) {
        const IconCell cell = IconGridCell(width, k);
        // The list is scrolled to its top, so item rectangles are content positions.
        EXPECT_EQ(icons->visualItemRect(icons->item(k)).topLeft(), QPoint(cell.x, cell.y)) << k;
    }
}

} // namespace
