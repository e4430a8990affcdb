#include "EditActionParams.h"

#include "Edit2.h"
#include "platform/forms/TextCodec.h"
#include "texts/EditionTexts.h"

#include <utility>

namespace glimmerbox {

bool EditActionParams(HostString& objectName, HostString& value) {
    TEditForm2 form(::GetActiveWindow());
    form.SetCaption(forms::WidenText(EditFormTitle, kEdition.codePage));
    form.Edit1.SetText(forms::WidenText(HostStringText(objectName), CP_ACP));
    form.Edit2.SetText(forms::WidenText(HostStringText(value), CP_ACP));
    if (form.ShowModal() != forms::ModalResultOK)
        return false;

    // Both new blocks are made before either variable changes, so a refused
    // block leaves the caller's parameters as they were.
    ScopedHostString newName;
    ScopedHostString newValue;
    AssignHostString(newName.Variable(), forms::NarrowText(form.Edit1.Text(), CP_ACP));
    AssignHostString(newValue.Variable(), forms::NarrowText(form.Edit2.Text(), CP_ACP));
    // Object name first, then value; the old blocks go with the temporaries.
    std::swap(objectName, newName.Variable());
    std::swap(value, newValue.Variable());
    return true;
}

} // namespace glimmerbox
