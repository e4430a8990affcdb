// The About box: the plug-in's name, version, maker and the maker's logo.
#pragma once

#include "platform/forms/Form.h"

#include <windows.h>

namespace glimmerbox {

class TAboutFrm : public forms::TForm {
public:
    explicit TAboutFrm(HWND parent);

    forms::Component& Shape1;
    forms::Component& Label1;
    forms::Component& Label2;
    forms::Component& Image1;
    forms::Component& Label3;
    forms::Component& Label4;
    forms::Component& Label5;
    forms::Component& Button1;
};

} // namespace glimmerbox
