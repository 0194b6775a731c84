#pragma once

#include <memory>
#include <string>

class CModel;
class CButtonDef;

// The Button Properties dialog's rules. The dialog edits a copy of the
// button; Apply puts the copy in the button's place, anything else leaves the
// button untouched.
class CButtonPropertiesEdit {
  public:
    // `button` sits in a slot of the model, or is a Favorites item.
    CButtonPropertiesEdit(CModel& model, CButtonDef& button);
    ~CButtonPropertiesEdit();

    CButtonDef& Copy() { return *copy_; }
    const CButtonDef& Copy() const { return *copy_; }

    // "Folder:", "Drive:", "Document:" or "Program:".
    std::string FileLabel() const;
    // What the file field shows (the target at opening).
    const std::string& FileField() const { return fileField_; }
    // The Popup Text field is disabled for the special shell-folder buttons.
    bool PopupTextEnabled() const;
    // The play button: the sound field names an existing .wav file.
    bool PlayEnabled() const;
    // The clear buttons are shown only while their field is non-empty.
    bool ClearDirectoryShown() const;
    bool ClearSoundShown() const;
    // Apply is enabled only once something was edited.
    bool Changed() const { return changed_; }
    // A Favorites item shows no button text: its text lines are not offered.
    bool IsFavoritesItem() const { return favoritesItem_; }
    bool TextLinesEnabled() const { return !favoritesItem_; }
    // Whether an Apply put edits in the button's place.
    bool Applied() const { return applied_; }

    // Edits; each marks the dialog changed.
    void SetFileField(const std::string& file);
    void SetName(const std::string& name);
    void SetTextLines(const std::string& line1, const std::string& line2);
    void SetParameters(const std::string& parameters);
    void SetOpenMode(int mode);
    void ClearDirectory();
    void ClearSound();
    // "Browse..." beside Directory and Sound: the folder browser or the sound
    // file dialog, through the platform's choosers.
    void BrowseDirectory();
    void BrowseSound();
    // The play button: plays the sound field's file.
    void PlaySound();
    // The icon button: shows the target in the file manager, or "Bad Button"
    // when it is missing.
    void ShowTarget();

    // Apply: true when the dialog closes; false when the user declined the
    // change of file name (the dialog stays open with its edits).
    bool Apply();

  private:
    CModel& model_;
    CButtonDef* button_; // the button in its slot (after Apply: the one stored)
    std::unique_ptr<CButtonDef> copy_;
    std::string fileField_;
    bool changed_ = false;
    bool favoritesItem_ = false;
    bool applied_ = false;
};
