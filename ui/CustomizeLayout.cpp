#include "ui/CustomizeLayout.h"

#include "model/Model.h"
#include "model/Settings.h"
#include "sounds/PlaySound.h"
#include "ui/FrameGeometry.h"

LayoutChoice LayoutChoice::From(const CSettings& s) {
    LayoutChoice c;
    c.rowType = s.LayoutRowType;
    c.colType = s.LayoutColType;
    c.rows = s.NRowsConstant > 0 ? s.NRowsConstant : 1;
    c.cols = s.NColsConstant > 0 ? s.NColsConstant : 1;
    return c;
}

LayoutControlStates LayoutControlsEnabled(const LayoutChoice& choice) {
    LayoutControlStates st;
    st.rowVariable = choice.colType != LayoutVariable;
    st.colVariable = choice.rowType != LayoutVariable;
    st.rowsEdit = choice.rowType == LayoutUserSpecified;
    st.colsEdit = choice.colType == LayoutUserSpecified;
    return st;
}

void ApplyButtonLayout(CModel& model, const LayoutChoice& choice) {
    PlayActionSound(model, "Generic Button Click", true);
    CSettings& s = model.settings;
    s.LayoutRowType = choice.rowType;
    s.LayoutColType = choice.colType;
    s.NRowsConstant = choice.rowType == LayoutUserSpecified ? choice.rows : 0;
    s.NColsConstant = choice.colType == LayoutUserSpecified ? choice.cols : 0;
    s.SpecialWindowLayout = DockFree;
    model.View().ShowCategory();
    model.SetModified();
}

bool UseDefaultButtonLayout(CModel& model, LayoutChoice& choice) {
    PlayActionSound(model, "Generic Button Click", true);
    const MsgAnswer answer =
        model.Message("Are you sure that you want to use the default button layout?\r\n\r\n"
                      "Number of Rows:  Variable\r\n"
                      "Number of Columns: Set for current main window width",
                      "Use Default Button Layout?", MsgIcon::Stop, MsgButtons::YesNo);
    const bool yes = answer == MsgAnswer::Yes;
    if (yes) {
        choice.rowType = LayoutVariable;
        choice.colType = LayoutFitWindow;
    }
    ApplyButtonLayout(model, choice);
    return yes;
}
