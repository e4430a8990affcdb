// Russian edition. This file is UTF-8; the build compiles it with code page
// 1251 as the execution character set, so the binary holds 1251 texts.
#include "texts/EditionTexts.h"

namespace glimmerbox {

const EditionTexts kEdition = {
    "ru",
    1251,
    "Создать светодиодный экран.",
    {
        {"Основные параметры", "Basic Functions"},
        {"GlimmerboxCreate",
         "Создать светодиодный экран. Синтаксис:\"Rectangle\" \"Переменная\"              "},
        {"Текст", "Text Functions"},
        {"GlimmerboxSetText", "Установить текст. \nСинтаксис: \"Rectangle\" \"Текст\""},
        {"GlimmerboxFontColor",
         "Установить цвет шрифта. \nСинтаксис: \"Rectangle\" \"Цвет в формате RRRGGGBBB\""},
        {"GlimmerboxScroll",
         "1/0 = Вкл./Выкл. бегущую строку.\nСинтаксис: \"Rectangle\" \"Значение\""},
        {"GlimmerboxScrollDelay",
         "Задержка движения бегущей строки в миллисекундах. Например 100.\n.Синтаксис: "
         "\"Rectangle\" \"Значение\"."},
    },
    {
        " &Объект Прямоугольник (Rectangle):",
        185,
        "Выбрать объект",
        "Указанный тип объекта должен быть Прямоугольник (Rectangle). Требуется версия NeoBook "
        "4.0.9 или выше.",
        "Значение:",
        51,
        "OK",
        291,
        "Отменить",
        362,
    },
    {
        "О плагине",
        "Версия 1.01",
        "Профессиональные плагины для NeoBook",
        108,
        48,
    },
};

} // namespace glimmerbox
