#pragma once

#include <string>

class CModel;
class CButtonDef;

// The Button Text dialog's rules: it edits the button in its slot directly,
// so every keystroke shows on the button at once; Cancel puts the text back.
class CButtonTextEdit {
  public:
    // The button must be in (category, slot); category -1 is the current one.
    CButtonTextEdit(CModel& model, int category, int slot);

    // The two lines joined by the backslash-n separator when both are set.
    static std::string ComposeText(const std::string& line1, const std::string& line2);

    const std::string& Line1() const { return line1_; }
    const std::string& Line2() const { return line2_; }
    // Line 2 (and its label) only with two-line button text.
    bool SecondLineEnabled() const;
    // Stores the composed text in the button and redraws it; the
    // configuration is marked changed once the text differs from the start.
    void SetLines(const std::string& line1, const std::string& line2);
    // The text differs from the text at opening (enables Apply).
    bool Changed() const;
    void Apply();
    void Cancel();

  private:
    void Store(const std::string& text);

    CModel& model_;
    CButtonDef* button_;
    int category_;
    int slot_;
    std::string line1_;
    std::string line2_;
    std::string original_;
    std::string originalLine1_;
    std::string originalLine2_;
};
