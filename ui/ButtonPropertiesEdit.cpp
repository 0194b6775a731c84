#include "ui/ButtonPropertiesEdit.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/ButtonTextEdit.h"
#include "ui/ModalScope.h"
#include "undo/Undo.h"

namespace {
// File dialog 2 remembers the folder of the last sound chosen.
constexpr int kSoundDialog = 2;
} // namespace

CButtonPropertiesEdit::CButtonPropertiesEdit(CModel& model, CButtonDef& button)
    : model_(model), button_(&button), copy_(std::make_unique<CButtonDef>(button)),
      fileField_(button.Target()) {
    int category = -1;
    int slot = -1;
    model.FindButtonLocation(&button, category, slot);
    favoritesItem_ = category < 0;
}

CButtonPropertiesEdit::~CButtonPropertiesEdit() = default;

std::string CButtonPropertiesEdit::FileLabel() const {
    if (copy_->IsFolder())
        return "Folder:";
    if (copy_->IsDrive())
        return "Drive:";
    if (copy_->IsDocument())
        return "Document:";
    return "Program:";
}

bool CButtonPropertiesEdit::PopupTextEnabled() const {
    return !copy_->IsSpecialFolder();
}

bool CButtonPropertiesEdit::PlayEnabled() const {
    const std::string& sound = copy_->Sound();
    return FileExists(model_.platform.fs, sound) && EqualsNoCase(ExtensionOf(sound), "wav");
}

bool CButtonPropertiesEdit::ClearDirectoryShown() const {
    return !copy_->Directory().empty();
}

bool CButtonPropertiesEdit::ClearSoundShown() const {
    return !copy_->Sound().empty();
}

void CButtonPropertiesEdit::SetFileField(const std::string& file) {
    fileField_ = file;
    changed_ = true;
}

void CButtonPropertiesEdit::SetName(const std::string& name) {
    copy_->SetName(name);
    changed_ = true;
}

void CButtonPropertiesEdit::SetTextLines(const std::string& line1, const std::string& line2) {
    copy_->SetText(CButtonTextEdit::ComposeText(line1, line2));
    changed_ = true;
}

void CButtonPropertiesEdit::SetParameters(const std::string& parameters) {
    copy_->SetParameters(parameters);
    changed_ = true;
}

void CButtonPropertiesEdit::SetOpenMode(int mode) {
    copy_->SetOpenMode(mode);
    changed_ = true;
}

void CButtonPropertiesEdit::ClearDirectory() {
    copy_->SetDirectory("");
    changed_ = true;
}

void CButtonPropertiesEdit::ClearSound() {
    copy_->SetSound("");
    changed_ = true;
}

void CButtonPropertiesEdit::BrowseDirectory() {
    PlayActionSound(model_, "Open File Selection Box", true);
    const ModalScope modal(model_);
    const std::optional<std::string> folder =
        model_.platform.prompter.ChooseFolder("Specify the Default Directory", copy_->Directory());
    if (!folder)
        return;
    copy_->SetDirectory(*folder);
    changed_ = true;
}

void CButtonPropertiesEdit::BrowseSound() {
    const FileSystem& fs = model_.platform.fs;
    FileDialogRequest request;
    request.caption = "Select the Sound File to Play upon Launch";
    request.filters = {"Wav Files (*.wav)|*.wav", "All Files (*.*)|*.*"};
    request.folder = copy_->Sound().empty()
                         ? model_.DialogFolder(kSoundDialog, model_.folders.windowsFolder)
                         : FolderOf(fs, copy_->Sound());
    PlayActionSound(model_, "Open File Selection Box", true);
    FileDialogResult result;
    {
        const ModalScope modal(model_);
        result = model_.platform.prompter.ChooseFiles(request);
    }
    if (result.files.empty())
        return;
    copy_->SetSound(result.files.front());
    model_.SetDialogFolder(kSoundDialog, FolderOf(fs, result.files.front()));
    changed_ = true;
}

void CButtonPropertiesEdit::PlaySound() {
    if (PlayEnabled())
        PlayFile(model_, copy_->Sound(), false, true);
}

void CButtonPropertiesEdit::ShowTarget() {
    if (copy_->IsUrl())
        return;
    const FileSystem& fs = model_.platform.fs;
    const std::string& target = copy_->Target();
    if (!FileExists(fs, target) && !IsDriveRoot(fs, target)) {
        model_.Message("Unable to find the file:\r\n\r\n" + target, "Bad Button", MsgIcon::Stop);
        return;
    }
    Shell& shell = model_.platform.shell;
    if (!shell.ShowItems(target))
        shell.Open({FolderOf(fs, target), "", "", ShowMode::Normal});
}

bool CButtonPropertiesEdit::Apply() {
    if (!changed_)
        return true;
    if (!EqualsNoCase(fileField_, button_->Target())) {
        const MsgAnswer answer = model_.Message(
            "The name of the file that is to be launched when the button is pressed has "
            "changed. Are you sure that you want to change it?",
            "Change Filename?", MsgIcon::Exclamation, MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes)
            return false;
        copy_->SetTarget(fileField_);
        copy_->SetIconFile(fileField_);
        copy_->LoadButtonIcon();
    }
    if (button_->IsUrl())
        copy_->SetKind("url");
    int category = -1;
    int slot = -1;
    model_.FindButtonLocation(button_, category, slot);
    if (category < 0) {
        // A Favorites item lives in no slot: it takes the edits in place.
        *button_ = *copy_;
    } else {
        BeginChangeWithEntry(model_, "Change Button Properties", "Delete Button", category, slot,
                             true);
        CCategory* owner = model_.Category(category);
        owner->SetSlot(slot, std::move(copy_)); // destroys the edited button
        button_ = owner->Slot(slot);
        copy_ = std::make_unique<CButtonDef>(*button_);
        if (category == model_.CurrentCategoryIndex())
            model_.View().RedrawSlot(slot);
        AddChangeEntry(model_, "Add Button", category, slot, true);
    }
    changed_ = false;
    applied_ = true;
    model_.SetModified();
    PlayActionSound(model_, "Generic Button Click", true);
    return true;
}
