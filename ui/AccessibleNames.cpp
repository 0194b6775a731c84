#include "ui/AccessibleNames.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "ui/MenuIds.h"
#include "ui/Tooltips.h"

AccessibleText SlotAccessibleText(const CModel& model, int slot) {
    const CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return {"Empty slot " + std::to_string(slot + 1), {}};
    std::string name = button->Name();
    if (name.empty()) {
        const std::string line1 = button->TextLine1();
        const std::string line2 = button->TextLine2();
        name = line2.empty() ? line1 : line1.empty() ? line2 : line1 + " " + line2;
    }
    if (name.empty())
        name = button->Target();
    return {name, button->Target()};
}

std::string PictureButtonName(int id) {
    const std::string tip = ControlTooltip(id);
    if (!tip.empty())
        return tip;
    switch (id) {
    case IdScheduleBitmap:
        return "Show Schedule";
    case IdCategoryUp:
        return "Previous Category";
    case IdCategoryDown:
        return "Next Category";
    case IdHome:
        return "Home Category";
    default:
        return {};
    }
}
