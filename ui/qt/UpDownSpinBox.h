#pragma once

#include <functional>

#include <QSpinBox>

// A numeric edit with an up-down control whose clicks go to a handler, which
// decides whether the step is taken (and which sound it makes). Both arrows
// stay live at the limits so that a refused step can be heard.
class UpDownSpinBox : public QSpinBox {
  public:
    using StepHandler = std::function<void(int delta)>;
    explicit UpDownSpinBox(QWidget* parent = nullptr);
    void SetStepHandler(StepHandler handler) { handler_ = std::move(handler); }
    // Called when the user types into the edit (not when the program sets it).
    void SetTypedHandler(std::function<void()> handler) { typed_ = std::move(handler); }
    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    StepHandler handler_;
    std::function<void()> typed_;
};
