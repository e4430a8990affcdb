#include "AboutBox.h"

#include "About.h"

namespace glimmerbox {

void ShowAboutBox() {
    TAboutFrm form(::GetActiveWindow());
    form.ShowModal();
}

} // namespace glimmerbox
