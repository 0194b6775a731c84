#include "ui/ButtonTextEdit.h"

#include "model/ButtonDef.h"
#include "model/Model.h"

CButtonTextEdit::CButtonTextEdit(CModel& model, int category, int slot)
    : model_(model), button_(model.GetButton(category, slot)),
      category_(category == -1 ? model.CurrentCategoryIndex() : category), slot_(slot) {
    if (button_) {
        original_ = button_->Text();
        originalLine1_ = button_->TextLine1();
        originalLine2_ = button_->TextLine2();
    }
    line1_ = originalLine1_;
    line2_ = originalLine2_;
}

std::string CButtonTextEdit::ComposeText(const std::string& line1, const std::string& line2) {
    if (line1.empty())
        return line2;
    if (line2.empty())
        return line1;
    return line1 + "\\n" + line2;
}

bool CButtonTextEdit::SecondLineEnabled() const {
    return model_.settings.TextOnButtons == 2;
}

void CButtonTextEdit::SetLines(const std::string& line1, const std::string& line2) {
    line1_ = line1;
    line2_ = line2;
    const std::string text = ComposeText(line1_, line2_);
    Store(text);
    if (Changed())
        model_.SetModified();
}

bool CButtonTextEdit::Changed() const {
    return ComposeText(line1_, line2_) != ComposeText(originalLine1_, originalLine2_);
}

void CButtonTextEdit::Apply() {}

void CButtonTextEdit::Cancel() {
    line1_ = originalLine1_;
    line2_ = originalLine2_;
    Store(original_);
}

void CButtonTextEdit::Store(const std::string& text) {
    if (!button_)
        return;
    button_->SetText(text);
    if (category_ == model_.CurrentCategoryIndex())
        model_.View().RedrawSlot(slot_);
}
