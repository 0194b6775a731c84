#pragma once

#include <string>

#include <QDialog>
#include <QFile>
#include <QIcon>
#include <QString>

#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"

// Small helpers the program's dialogs share: byte strings to and from Qt
// text, and the common window decoration.
namespace DialogSupport {

inline QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

inline std::string Bytes(const QString& s) {
    return s.toStdString();
}

// File names are bytes in the local encoding, which need not be UTF-8.
inline QString PathText(const std::string& s) {
    return QFile::decodeName(s.c_str());
}

inline std::string PathBytes(const QString& s) {
    return QFile::encodeName(s).toStdString();
}

// Every dialog carries the program icon and no context-help button.
inline void Decorate(QDialog& dialog, const char* objectName, const char* title) {
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setWindowTitle(QString::fromUtf8(title));
    dialog.setWindowIcon(ProgramIcons::Window());
}

} // namespace DialogSupport
