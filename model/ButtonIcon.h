#pragma once

#include <string>

// Which picture a button shows. The core decides the role; the widgets turn
// it into pixels (program icons by role, icons taken from files, or the
// desktop's icon for a document).
enum class IconRole {
    None,    // not decided yet
    Default, // the program's default button icon
    Folder,
    Url,   // internet address
    Drive, // a lettered drive: see ButtonIcon::driveLetter
    GenericDrive,
    ControlPanel,
    DialUpNetworking,
    Printers,
    MyComputer,
    WindowsFolder,
    StartMenuFolder,
    StartUpFolder,
    File,     // icon `index` of `file`
    Document, // the desktop's icon for the document `file`
};

struct ButtonIcon {
    IconRole role = IconRole::None;
    char driveLetter = 0; // 'A'..'Z' for IconRole::Drive
    std::string file;
    int index = 0;

    bool operator==(const ButtonIcon&) const = default;
};
