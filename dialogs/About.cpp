#include "About.h"

#include "DialogResources.h"
#include "plugin/ModuleInstance.h"
#include "texts/EditionTexts.h"

#include <array>

namespace glimmerbox {
namespace {

using namespace forms;

constexpr Colour kSilver = Colour::Rgb(RGB(192, 192, 192));
constexpr Colour kWhite = Colour::Rgb(RGB(255, 255, 255));

const FormLayout& AboutFrmLayout() {
    const AboutFormTexts& texts = kEdition.about;
    static const std::array<ComponentLayout, 8> components = {{
        {.name = "Shape1",
         .kind = ComponentKind::Shape,
         .left = 0,
         .top = 108,
         .width = 337,
         .height = 48,
         .dock = Dock::Bottom,
         .fill = kSilver},
        {.name = "Label1",
         .kind = ComponentKind::Label,
         .left = 131,
         .top = 7,
         .text = AboutPluginName,
         .autoSize = true,
         .font = {19, false}},
        {.name = "Label2",
         .kind = ComponentKind::Label,
         .left = 177,
         .top = 33,
         .text = texts.label2,
         .autoSize = true},
        {.name = "Image1",
         .kind = ComponentKind::Image,
         .left = 9,
         .top = 3,
         .width = 90,
         .height = 84,
         .autoSize = true,
         .picture = {PictureKind::Jpeg, IDR_ABOUT_LOGO, false, false}},
        {.name = "Label3",
         .kind = ComponentKind::Label,
         .left = texts.label3Left,
         .top = texts.label3Top,
         .text = texts.label3,
         .autoSize = true},
        {.name = "Label4",
         .kind = ComponentKind::Label,
         .left = 66,
         .top = 117,
         .text = AboutMaker,
         .autoSize = true,
         .transparent = true,
         .font = {0, true}},
        {.name = "Label5",
         .kind = ComponentKind::Label,
         .left = 24,
         .top = 130,
         .text = AboutAddress,
         .autoSize = true,
         .transparent = true,
         .font = {0, true}},
        {.name = "Button1",
         .kind = ComponentKind::Button,
         .left = 259,
         .top = 115,
         .width = 69,
         .height = 32,
         .text = "OK",
         .tabOrder = 0},
    }};
    static const FormLayout layout = {
        .title = texts.title,
        .clientWidth = 337,
        .clientHeight = 156,
        .colour = kWhite,
        .codePage = kEdition.codePage,
        .components = components,
    };
    return layout;
}

} // namespace

TAboutFrm::TAboutFrm(HWND parent)
    : TForm(AboutFrmLayout(), parent, ModuleInstance()), Shape1(FindComponent("Shape1")),
      Label1(FindComponent("Label1")), Label2(FindComponent("Label2")),
      Image1(FindComponent("Image1")), Label3(FindComponent("Label3")),
      Label4(FindComponent("Label4")), Label5(FindComponent("Label5")),
      Button1(FindComponent("Button1")) {
    Button1.OnClick = [this] { Close(); };
}

} // namespace glimmerbox
