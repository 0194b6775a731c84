#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

#include "tests/support/Fakes.h"

// An icon theme "dvtest" under `dir`, with one square picture of one colour
// for each name in one fixed size, made Qt's theme while the object lives.
class TestIconTheme {
  public:
    TestIconTheme(const TempDir& dir, int size,
                  const std::vector<std::pair<std::string, QColor>>& pictures)
        : oldPaths_(QIcon::themeSearchPaths()), oldTheme_(QIcon::themeName()) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size) + "/mimetypes";
        dir.Write("icons/dvtest/index.theme",
                  "[Icon Theme]\nName=dvtest\nDirectories=" + folder + "\n\n[" + folder +
                      "]\nSize=" + std::to_string(size) + "\nType=Fixed\n");
        dir.Write("icons/dvtest/" + folder + "/.keep", "");
        for (const auto& [name, colour] : pictures) {
            QImage image(size, size, QImage::Format_ARGB32);
            image.fill(colour);
            image.save(QString::fromStdString(dir.File("icons/dvtest/" + folder + "/" + name)));
        }
        QIcon::setThemeSearchPaths({QString::fromStdString(dir.File("icons"))});
        QIcon::setThemeName(QStringLiteral("dvtest"));
    }
    ~TestIconTheme() {
        QIcon::setThemeName(oldTheme_);
        QIcon::setThemeSearchPaths(oldPaths_);
    }
    TestIconTheme(const TestIconTheme&) = delete;
    TestIconTheme& operator=(const TestIconTheme&) = delete;

  private:
    QStringList oldPaths_;
    QString oldTheme_;
};
