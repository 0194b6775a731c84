#include "utilities/DownloadDataEdit.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"

#include <memory>

using Field = CDownloadData::Field;

const std::array<DownloadFieldLabel, 9>& VisibleDownloadFields() {
    static const std::array<DownloadFieldLabel, 9> fields = {{
        {Field::ZipFileName, "Zip File"},
        {Field::ZipFileVersion, "Version"},
        {Field::ZipFileDate, "File Date"},
        {Field::ZipFileSize, "File Size"},
        {Field::Author, "Author/Company"},
        {Field::AuthorUrl, "Author Home Page"},
        {Field::DownloadUrl, "Download URL"},
        {Field::DownloadDate, "Download Date"},
        {Field::RegistrationCode, "Registration Code"},
    }};
    return fields;
}

CDownloadDataEdit::CDownloadDataEdit(CModel& model, CButtonDef& button)
    : model_(model), button_(button) {
    if (const CDownloadData* record = button.DownloadData())
        texts_ = *record;
}

void CDownloadDataEdit::SetText(Field field, std::string text) {
    if (field != Field::SharewareSite)
        texts_.Set(field, std::move(text));
}

bool CDownloadDataEdit::SaveEnabled() const {
    const CDownloadData* record = button_.DownloadData();
    for (const DownloadFieldLabel& visible : VisibleDownloadFields()) {
        const std::string& text = texts_.Get(visible.field);
        if (record ? !EqualsNoCase(text, record->Get(visible.field)) : !text.empty())
            return true;
    }
    return false;
}

bool CDownloadDataEdit::GoEnabled(Field field) const {
    return (field == Field::AuthorUrl || field == Field::DownloadUrl) && !texts_.Get(field).empty();
}

void CDownloadDataEdit::Go(Field field) {
    if (!GoEnabled(field))
        return;
    const std::string& address = texts_.Get(field);
    LaunchRequest request;
    request.target = address;
    if (model_.platform.shell.Open(request) <= 32)
        model_.Message("Unable to connect to:\r\n\r\n" + address, "Can't Connect to WebSite",
                       MsgIcon::Stop);
}

void CDownloadDataEdit::Save() {
    if (!button_.DownloadData())
        button_.SetDownloadData(std::make_unique<CDownloadData>());
    CDownloadData& record = *button_.DownloadData();
    for (const DownloadFieldLabel& visible : VisibleDownloadFields())
        record.Set(visible.field, texts_.Get(visible.field));
    model_.SetModified();
}

void EditDownloadData(CModel& model, const std::function<void(CDownloadDataEdit&)>& show) {
    CButtonDef* button = model.GetButton(-1, model.editState.rightClickedSlot);
    if (!button)
        return;
    PlayActionSound(model, "Properties", true);
    CDownloadDataEdit edit(model, *button);
    show(edit);
}
