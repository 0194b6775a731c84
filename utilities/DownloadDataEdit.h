#pragma once

#include "utilities/DownloadData.h"

#include <array>
#include <functional>
#include <string>

class CModel;
class CButtonDef;

// A field the Download Data dialog shows, with its label.
struct DownloadFieldLabel {
    CDownloadData::Field field;
    const char* label;
};

// The nine fields the dialog shows, in its order; the shareware site is kept
// in the record but never shown.
const std::array<DownloadFieldLabel, 9>& VisibleDownloadFields();

// The rules of the Download Data dialog for one button: the texts being
// edited, when Save and the two Go! buttons are enabled, opening an address
// and saving into the button's record.
class CDownloadDataEdit {
  public:
    CDownloadDataEdit(CModel& model, CButtonDef& button);

    const CButtonDef& Button() const { return button_; }
    const std::string& Text(CDownloadData::Field field) const { return texts_.Get(field); }
    void SetText(CDownloadData::Field field, std::string text);

    // Some field differs from the record, ignoring case; without a record,
    // some field holds text.
    bool SaveEnabled() const;
    // Go! beside the author's home page or the download address.
    bool GoEnabled(CDownloadData::Field field) const;
    // Opens the address of that field; says so when nothing could open it.
    void Go(CDownloadData::Field field);
    // Copies the nine fields into the button's record (made when missing),
    // keeping its shareware site, and marks the configuration changed.
    void Save();

  private:
    CModel& model_;
    CButtonDef& button_;
    CDownloadData texts_;
};

// The Download Data command on the right-clicked button: "Properties" plays
// and `show` runs the dialog on the edit. Nothing for an empty slot.
void EditDownloadData(CModel& model, const std::function<void(CDownloadDataEdit&)>& show);
