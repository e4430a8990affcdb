// The action properties form: the object name and value of an action, with
// the host's object picker behind the speed button.
#pragma once

#include "platform/forms/Form.h"

#include <windows.h>

namespace glimmerbox {

class TEditForm2 : public forms::TForm {
public:
    explicit TEditForm2(HWND parent);

    forms::Component& Image1;
    forms::Component& Label2;
    forms::Component& SpeedButton1;
    forms::Component& Edit1;
    forms::Component& OKBtn;
    forms::Component& CancelBtn;
    forms::Component& Label1;
    forms::Component& Label5;
    forms::Component& Edit2;

    // Lets the host's object picker choose the name in Edit1.
    void SpeedButton1Click();
};

} // namespace glimmerbox
