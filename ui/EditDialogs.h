#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CButtonPropertiesEdit;
class CButtonTextEdit;
class COrganizeCategories;
class COrganizeFavorites;

// What the general text-input dialog shows.
struct TextInputRequest {
    std::string title;
    std::string prompt; // the message above the field
    std::string label;  // the label beside the field
    std::string initial;
    bool selectAll = false; // the initial text starts selected
    std::string okText = "OK";
    std::string cancelText = "Cancel";
    // Live-preview mode: called with the field's text after every change.
    std::function<void(const std::string&)> preview;
};

// The dialogs the editing operations open. The widgets implement them; each
// dialog only collects input and hands every decision to the core object it
// is given, so the rules stay testable without a display.
class EditDialogs {
  public:
    virtual ~EditDialogs() = default;

    // The text-input dialog: the entered text on OK, nullopt on Cancel. The
    // caller decides what an answer means and reopens the dialog if needed.
    virtual std::optional<std::string> TextInput(const TextInputRequest& request) = 0;

    // The Button Text dialog on the live button `edit` is bound to: fields
    // filled from edit.Line1()/Line2(), Line 2 enabled by
    // edit.SecondLineEnabled(), every keystroke passed to edit.SetLines(),
    // Apply enabled by edit.Changed(); closes with edit.Apply() or
    // edit.Cancel().
    virtual void ButtonText(CButtonTextEdit& edit) = 0;

    // The Button Properties dialog on edit.Copy(). Field edits go through the
    // edit's setters; Apply calls edit.Apply() and closes only when it returns
    // true; Cancel or closing discards the copy.
    virtual void ButtonProperties(CButtonPropertiesEdit& edit) = 0;

    // The start-up category list: the chosen name on OK ("" when nothing was
    // selected), nullopt on Cancel.
    virtual std::optional<std::string> StartupCategory(const std::vector<std::string>& names) = 0;

    // The Organize Categories dialog on `organize`, which holds the list, the
    // selection and the button states; it closes itself with organize.Done().
    virtual void OrganizeCategories(COrganizeCategories& organize) = 0;

    // The Organize Favorites dialog on `organize`: it shows the list and the
    // button states and closes once organize.Cancel() returns true.
    virtual void OrganizeFavorites(COrganizeFavorites& organize) = 0;
};
