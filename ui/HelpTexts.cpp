#include "ui/HelpTexts.h"

#include "model/Text.h"

namespace {

const TutorialStep kSteps[kTutorialSteps] = {
    {"Create a Button to Launch an Application",
     "Left-click on an empty button.\r\n\r\nA file selection dialog box will appear. Select an "
     "application (a program file, or a \"desktop\" entry that starts one) for the new button. "
     "Then, press the \"Open\" button in the file selection box."},
    {"Go Ahead -- Use that Button!",
     "Left-click on the button that you just created.\r\n\r\nThis will launch the application that "
     "is associated with the button."},
    {"Create a Button to Open a Document",
     "Left-click on an empty button.\r\n\r\nWhen the file selection dialog box appears, "
     "set\r\n\"Files of type\" to \"All Files (*)\".\r\nThen, select a document (say, a \"txt\" "
     "file or a word processor's \"odt\" file), and press the \"Open\" button in the file "
     "selection box."},
    {"Open that Document!", "Left-click on the button that you just created.\r\n\r\nThis will open "
                            "the document that is associated with the button."},
    {"Create a Button to Open a Folder",
     "Right-click on an empty button, and choose \"Add Folder...\" in the popup menu.\r\n\r\nA "
     "folder selection dialog box will appear. Select the folder for the button, then press "
     "\"Choose\" (\"Select\" on some desktops)."},
    {"Test it Out!", "Left-click on the button that you just created.\r\n\r\nThis will open the "
                     "folder that is associated with the button."},
    {"Create a Button via Drag-and-Drop",
     "Here's another way to create a button for launching an application or opening a folder or "
     "document.\r\n\r\nIn your file manager, find an application, file, or a desktop entry (a "
     "\"desktop\" file) for one of those. Left-click on the file's icon and, while keeping the "
     "left mouse button pressed, drag the icon onto an empty button. With the icon directly over "
     "the empty button, release the left mouse button to drop the icon onto the button."},
    {"Create Buttons from the Applications Folder",
     "Left-click on \"Setup\" in the menu bar, then \"Buttons\", then \"View Apps In\", then "
     "on\r\n\"Start Menu/Programs Folder\".\r\n\r\nThis will open the applications folder "
     "(/usr/share/applications) in your file manager. It holds a desktop entry for each of the "
     "programs installed on your computer. Use the \"Drag-and-Drop\" method to create new "
     "buttons for launching those applications."},
    {"Create a Button to Open an Internet Address",
     "Right-click on an empty button, and choose \"Add Internet Address...\" in the popup "
     "menu.\r\n\r\nA dialog box will appear. Specify the internet address, then press "
     "\"Create\". Try out this button when you are ready to go online."},
    {"Delete a Button",
     "Right-click on the button to delete, then select \"Delete\" from the popup menu."},
    {"Move a Button",
     "Right-click on the button to move, then select \"Move\" from the popup menu. This will "
     "temporarily disable the selected button. Next, left-click on a button (in any category) and "
     "the previously selected button will be moved to that location. If the second selected button "
     "is occupied, it will be shifted to the right (if possible) before moving the first "
     "button.\r\n\r\nIf you wish to cancel the move operation after selecting the first button, "
     "press either the \"Esc\" or the \"Home\" key."},
    {"Copy a Button",
     "Right-click on the button to copy, then select \"Copy\" from the popup menu. This will "
     "temporarily disable the selected button. Next, left-click on an empty button (in any "
     "category) and the previously selected button will be copied to the empty one.\r\n\r\nIf you "
     "wish to cancel the copy operation after selecting the first button, press either the \"Esc\" "
     "or the \"Home\" key."},
    {"Change the Popup Text of a Button",
     "When you place the cursor on a button and momentarily pause it there, a small window will "
     "pop up that contains text to help identify the function of the button.\r\n\r\nYou can change "
     "this text. Right-click on the button, and choose \"Popup Text\" from the popup menu. This "
     "will invoke a dialog box that can be used to change the text. Enter the new text in the "
     "dialog box, then press the \"OK\" button."},
    {"Create a New Category",
     "Left-click on \"Categories\" in the menu bar, then on \"Categories\", then on "
     "\"Create\".\r\n\r\nThis will invoke a dialog box for specifying the name of the new "
     "category. Enter the name, then press \"Create\"."},
    {"Change Categories",
     "You can change to a different category (i.e. display the buttons in that category) using the "
     "\"Categories\" menu in the menu bar, or by placing the cursor on the \"menu bar\" of the "
     "DORVANE main window (or on the buttons' background when the menu bar is hidden) and then "
     "pressing the right mouse button. Either method will cause a list of the button categories "
     "that you have created to be displayed. Left-click on the category that you wish to "
     "display. (A right click on the \"title bar\" shows your window manager's menu.)"},
    {"Change Categories -- Other Methods",
     "You can also change categories by pressing the UP and DOWN arrow keys on your keyboard (as "
     "long as the main DORVANE window is the active window). Arrows for changing categories also "
     "exist in the menu bar. Each time that you press an arrow key, the category will change to "
     "the previous or next one in the category list."},
    {"Put a Button in the \"Favorites\" Menu",
     "If you want to be able to access a button from any category, you can enter it in the "
     "\"Favorites\" menu. Right-click on the button, then left-click on \"Add to Favorites\" in "
     "the popup menu.\r\n\r\nTo access a button in the favorites menu, left-click on "
     "\"Favorites\" in the menu bar, and then left-click on the name of the button in the "
     "pull-down menu."},
    {"How to Use the Tray Icon",
     "The DORVANE icon appears in the \"notification area\" (the \"system tray\") of your "
     "desktop's panel. Where it lies depends on your desktop, often in a corner of the "
     "screen.\r\n\r\nLeft-Click the Tray Icon\r\nThis alternates between making DORVANE visible "
     "and invisible.\r\n\r\nRight-Click the Tray Icon\r\nThis invokes a pop-up menu that can be "
     "used to exit the program."},
    {"Enjoy using DORVANE!", "Ombrell"},

};

const QuickHelp kQuickHelp[] = {
    {32904, "DORVANE CONFIGURATIONS",
     "A \"configuration\" is a set of data that you can load into Dorvane and use to launch "
     "applications and open folders and documents. A configuration includes button definitions, "
     "scheduled application launch data, alarms, and custom settings.\r\n\r\nConfigurations allow "
     "different users of a computer on which Dorvane is installed to customize the program just "
     "the way they like it, and then switch to their personal configuration when they are using "
     "the computer.\r\n\r\nAll configuration-related functions are accessible via the "
     "\"Configurations\" menu."},
    {32845, "BRIEF INSTRUCTIONS for CREATING BUTTONS",
     "Drag-and-Drop\r\nDrag the icon for an application or file from your file manager and drop "
     "it onto an empty button.\r\n\r\nSetup->Buttons->View Apps In->Start Menu "
     "Folder\r\nSetup->Buttons->View Apps In->Start Menu/Programs Folder\r\nSetup->Buttons->View "
     "Apps In->Windows Folder\r\nThe first two open your own applications folder "
     "(~/.local/share/applications) and the system's (/usr/share/applications), which hold a "
     "desktop entry for each application; use the drag-and-drop method to quickly create "
     "buttons from them. The third opens the file selection dialog box in the system's program "
     "folder (/usr).\r\n\r\nSetup->Buttons->Add Application or Document...\r\nInvokes a file "
     "selection dialog box for selecting files.\r\n\r\nSetup->Buttons->Add Folder...\r\nCreate a "
     "button for opening a folder.\r\n\r\nSetup->Buttons->Add Internet Address...\r\nCreate a "
     "button for opening your web browser to a particular website.\r\n\r\n"},
    {32791, "HOW to DISPLAY and CHANGE CATEGORIES",
     "You may arrange the buttons in DORVANE into groups, or \"categories\". The buttons in the "
     "current category are on display, and the name of the current category is shown in the "
     "caption area of the main window.\r\n\r\nTo change to another category, select the category "
     "to change to in the \"Categories\" menu. Alternatively, place the cursor anywhere on the "
     "menu bar of the main window (or on the buttons' background when the menu bar is hidden) and "
     "press the right mouse button. This will cause a list of the button categories to pop up. "
     "Place the cursor on the desired category, and press the left mouse button to change to that "
     "category. You can also change categories using the UP and DOWN arrow keys or the PAGE UP and "
     "PAGE DOWN keys, or the arrows in the menu bar."},
    {32847, "HOW to USE the TASKBAR ICON",
     "The DORVANE icon appears in the \"notification area\" (the \"system tray\") of your "
     "desktop's panel. Where it lies depends on your desktop, often in a corner of the "
     "screen.\r\n\r\nLeft-Click the Tray Icon\r\nThis alternates between making DORVANE visible "
     "and invisible.\r\n\r\nRight-Click the Tray Icon\r\nThis presents a command for exiting "
     "Dorvane.\r\n\r\n"},
};

} // namespace

const TutorialStep& TutorialStepAt(int step) {
    if (step < 1)
        step = 1;
    if (step > kTutorialSteps)
        step = kTutorialSteps;
    return kSteps[step - 1];
}

std::string TutorialCaption(int step) {
    return Format(" DORVANE Tutorial -- Step %d of %d", step, kTutorialSteps);
}

const QuickHelp* FindQuickHelp(int commandId) {
    for (const QuickHelp& help : kQuickHelp)
        if (help.commandId == commandId)
            return &help;
    return nullptr;
}
