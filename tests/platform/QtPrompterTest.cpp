#include "platform/qt/QtPrompter.h"

#include <functional>

#include <QApplication>
#include <QFileDialog>
#include <QComboBox>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace {

// Runs `act` on the modal dialog of type T once it is shown.
template <typename T> void WhenShown(std::function<void(T*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog) {
            act(dialog);
            return;
        }
        WhenShown<T>(act); // not up yet
    });
}

TEST(QtPrompterTest, MessageBoxesShowTheMappedIconAndReturnTheClickedButton) {
    struct Case {
        MsgIcon icon;
        MsgButtons buttons;
        QMessageBox::Icon shown;
        QMessageBox::StandardButton click;
        MsgAnswer answer;
    };
    const std::vector<Case> cases = {
        {MsgIcon::Stop, MsgButtons::Ok, QMessageBox::Critical, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgIcon::Exclamation, MsgButtons::OkCancel, QMessageBox::Warning, QMessageBox::Cancel,
         MsgAnswer::Cancel},
        {MsgIcon::Question, MsgButtons::YesNo, QMessageBox::Question, QMessageBox::Yes,
         MsgAnswer::Yes},
        {MsgIcon::Information, MsgButtons::YesNoCancel, QMessageBox::Information, QMessageBox::No,
         MsgAnswer::No},
        {MsgIcon::None, MsgButtons::YesNoCancel, QMessageBox::NoIcon, QMessageBox::Cancel,
         MsgAnswer::Cancel},
    };
    QtPrompter prompter;
    for (const Case& c : cases) {
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QString shownText, shownCaption;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            shownIcon = box->icon();
            shownText = box->text();
            shownCaption = box->windowTitle();
            box->button(c.click)->click();
        });
        EXPECT_EQ(prompter.Message("Line one\r\n\r\nDetail", "Bad Button", c.icon, c.buttons),
                  c.answer);
        EXPECT_EQ(shownIcon, c.shown);
        EXPECT_EQ(shownText, QStringLiteral("Line one\r\n\r\nDetail"));
        EXPECT_EQ(shownCaption, QStringLiteral("Bad Button"));
    }
}

TEST(QtPrompterTest, ClosingAYesNoBoxWithEscapeAnswersNo) {
    QtPrompter prompter;
    WhenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(prompter.Message("Delete?", "Confirm", MsgIcon::Question, MsgButtons::YesNo),
              MsgAnswer::No);
}

TEST(QtPrompterTest, AskTextReturnsTheTypedTextOrNothingWhenCancelled) {
    QtPrompter prompter;
    WhenShown<QInputDialog>([](QInputDialog* dialog) {
        EXPECT_EQ(dialog->textValue(), QStringLiteral("Old name"));
        dialog->setTextValue(QStringLiteral("Neue Kategorie \u00e9"));
        dialog->accept();
    });
    EXPECT_EQ(prompter.AskText("Rename", "Name:", "Old name"), "Neue Kategorie \u00e9");
    WhenShown<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompter.AskText("Rename", "Name:", "x"), std::nullopt);
}

TEST(QtPrompterTest, FiltersBecomeQtNameFiltersWithoutRepeatingThePatterns) {
    const std::vector<std::pair<std::string, QString>> cases = {
        {"Wav Files (*.wav)|*.wav", "Wav Files (*.wav)"},
        {"All Files (*.*)|*.*", "All Files (*)"},
        {"Icon Files|*.ico;*.icl", "Icon Files (*.ico *.icl)"},
        {"Executables (*.exe)|*.exe;*.sh", "Executables (*.exe *.sh)"},
        {"|*.txt", "(*.txt)"},
        {"Anything", "Anything (*)"},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(QtNameFilter(filter), expected) << filter;
}

TEST(QtPrompterTest, FileDialogReportsFilesFolderAndFilterEvenWhenCancelled) {
    TempDir dir;
    const std::string file = dir.Write("Song \xc3\xa9.wav", "RIFF");
    FileDialogRequest request;
    request.caption = "Select the Sound File to Play upon Launch";
    request.folder = dir.Path();
    request.filters = {"Wav Files (*.wav)|*.wav", "All Files (*.*)|*.*"};
    request.filterIndex = 2;
    QtPrompter prompter;

    QStringList shownFilters;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        shownFilters = dialog->nameFilters();
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("All Files (*)"));
        dialog->selectNameFilter(shownFilters.front());
        dialog->selectFile(QFile::decodeName(file.c_str()));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its override
    });
    const FileDialogResult chosen = prompter.ChooseFiles(request);
    EXPECT_EQ(shownFilters, QStringList({"Wav Files (*.wav)", "All Files (*)"}));
    EXPECT_EQ(chosen.files, std::vector<std::string>{file});
    EXPECT_EQ(chosen.filterIndex, 1);
    EXPECT_EQ(chosen.folder, dir.Path());

    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectNameFilter(shownFilters.front());
        dialog->reject();
    });
    const FileDialogResult cancelled = prompter.ChooseFiles(request);
    EXPECT_TRUE(cancelled.files.empty());
    EXPECT_EQ(cancelled.filterIndex, 1);
}

TEST(QtPrompterTest, TestedFilterListsWhatItsTestAcceptsBesideFolders) {
    TempDir dir;
    dir.Write("tool", "#!/bin/sh\n");
    dir.Write("app.desktop", "[Desktop Entry]\n");
    dir.Write("notes.txt", "notes\n");
    dir.Write("sub/.keep", "");
    FileDialogRequest request;
    request.folder = dir.Path();
    request.filters = {"Applications (*.desktop)|*.desktop", "Text Files (*.txt)|*.txt"};
    request.testedFilter = 1;
    request.test = [](const std::string& path) {
        return path.ends_with("/tool") || path.ends_with(".desktop");
    };
    QtPrompter prompter;

    QStringList tested;
    QStringList named;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_NE(view, nullptr);
        const auto listed = [&](int atLeast) {
            QStringList names;
            for (int i = 0; i < 200 && names.size() < atLeast; ++i) {
                QTest::qWait(10);
                names.clear();
                QAbstractItemModel* model = view->model();
                for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
                    names << model->index(row, 0, view->rootIndex()).data().toString();
            }
            names.sort();
            return names;
        };
        tested = listed(3);
        // The user picks the second filter in the dialog's list.
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        QTest::keyClick(types, Qt::Key_Down);
        EXPECT_EQ(dialog->selectedNameFilter(), dialog->nameFilters().at(1));
        named = listed(2);
        dialog->reject();
    });
    prompter.ChooseFiles(request);
    EXPECT_EQ(tested, QStringList({"app.desktop", "sub", "tool"}));
    EXPECT_EQ(named, QStringList({"notes.txt", "sub"}));
}

TEST(QtPrompterTest, FolderChooserReturnsTheChosenFolderOrNothingWhenCancelled) {
    TempDir dir;
    dir.Write("Backup Root/.keep", "");
    const std::string folder = dir.File("Backup Root");
    QtPrompter prompter;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectFile(QFile::decodeName(folder.c_str()));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(prompter.ChooseFolder("Select the Root Folder", dir.Path()), folder);
    WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(prompter.ChooseFolder("Select the Root Folder", dir.Path()), std::nullopt);
}

} // namespace
