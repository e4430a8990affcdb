#include "Edit2.h"

#include "DialogResources.h"
#include "platform/forms/TextCodec.h"
#include "plugin/ModuleInstance.h"
#include "plugin/PlugInUtils.h"
#include "texts/EditionTexts.h"

#include <array>

namespace glimmerbox {
namespace {

using namespace forms;

const FormLayout& EditForm2Layout() {
    const EditFormTexts& texts = kEdition.editForm;
    static const std::array<ComponentLayout, 9> components = {{
        {.name = "Image1",
         .kind = ComponentKind::Image,
         .left = 4,
         .top = 52,
         .width = 37,
         .height = 39,
         .picture = {PictureKind::Bitmap, IDB_EDITFORM_IMAGE1, true, true}},
        {.name = "Label2",
         .kind = ComponentKind::Label,
         .left = 46,
         .top = 52,
         .width = 381,
         .height = 49,
         .text = texts.label2,
         .wordWrap = true},
        {.name = "SpeedButton1",
         .kind = ComponentKind::SpeedButton,
         .left = 404,
         .top = 26,
         .width = 23,
         .height = 22,
         .hint = texts.speedButtonHint,
         .picture = {PictureKind::Bitmap, IDB_EDITFORM_SPEEDBUTTON1, true, true}},
        {.name = "Edit1",
         .kind = ComponentKind::Edit,
         .left = 4,
         .top = 26,
         .width = 395,
         .height = 21,
         .tabOrder = 0},
        {.name = "OKBtn",
         .kind = ComponentKind::Button,
         .left = texts.okLeft,
         .top = 139,
         .width = 65,
         .height = 25,
         .text = texts.okCaption,
         .tabOrder = 1,
         .role = RoleDefault,
         .modalResult = ModalResultOK,
         .anchors = AnchorLeft | AnchorBottom},
        {.name = "CancelBtn",
         .kind = ComponentKind::Button,
         .left = texts.cancelLeft,
         .top = 139,
         .width = 65,
         .height = 25,
         .text = texts.cancelCaption,
         .tabOrder = 2,
         .role = RoleCancel,
         .modalResult = ModalResultCancel,
         .anchors = AnchorLeft | AnchorBottom},
        {.name = "Label1",
         .kind = ComponentKind::Label,
         .left = 4,
         .top = 8,
         .width = texts.label1Width,
         .height = 13,
         .text = texts.label1,
         .autoSize = true,
         .focusControl = "Edit1"},
        {.name = "Label5",
         .kind = ComponentKind::Label,
         .left = 4,
         .top = 112,
         .width = texts.label5Width,
         .height = 13,
         .text = texts.label5,
         .autoSize = true},
        {.name = "Edit2",
         .kind = ComponentKind::Edit,
         .left = 66,
         .top = 108,
         .width = 361,
         .height = 21,
         .tabOrder = 3},
    }};
    static const FormLayout layout = {
        .title = EditFormLayoutTitle,
        .clientWidth = 433,
        .clientHeight = 175,
        .codePage = kEdition.codePage,
        .components = components,
    };
    return layout;
}

} // namespace

TEditForm2::TEditForm2(HWND parent)
    : TForm(EditForm2Layout(), parent, ModuleInstance()), Image1(FindComponent("Image1")),
      Label2(FindComponent("Label2")), SpeedButton1(FindComponent("SpeedButton1")),
      Edit1(FindComponent("Edit1")), OKBtn(FindComponent("OKBtn")),
      CancelBtn(FindComponent("CancelBtn")), Label1(FindComponent("Label1")),
      Label5(FindComponent("Label5")), Edit2(FindComponent("Edit2")) {
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
}

void TEditForm2::SpeedButton1Click() {
    if (InterfaceAccess == nullptr)
        return;
    ScopedHostString picked;
    AssignHostString(picked.Variable(), forms::NarrowText(Edit1.Text(), CP_ACP));
    if (RequestFromHost(RequestPickObject, picked.Variable()))
        Edit1.SetText(forms::WidenText(picked.Text(), CP_ACP));
}

} // namespace glimmerbox
