// English edition.
#include "texts/EditionTexts.h"

namespace glimmerbox {

const EditionTexts kEdition = {
    "en",
    1252,
    "PlugIn to add LED DISPLAYS.",
    {
        {"Basic Options", "Basic Functions"},
        {"GlimmerboxCreate",
         "Attach a plugin to an existing NeoBook Rectangle object. Rectangle, Variable"},
        {"Text", "Text Functions"},
        {"GlimmerboxSetText", "Set Text. Parameters: Rectangle, Text"},
        {"GlimmerboxFontColor", "Set Color for Font. Parameters: Rectangle, RRRGGGBBB format"},
        {"GlimmerboxScroll", "Scroll 0 OFF 1 ON. Parameters: Rectangle, Value"},
        {"GlimmerboxScrollDelay", "In Msecs. Example, 100, 200. Parameters: Rectangle, Value"},
    },
    {
        "&Rectangle Object to Attach Control:",
        168,
        "Select an Object",
        "The object specified here must be of type Rectangle. Attaching controls to other types "
        "of objects is not recommended. This action requires NeoBook version 4.0.9 or higher.",
        "Value:",
        30,
        "OK",
        363,
        "Cancel",
        5,
    },
    {
        "About",
        "Version 1.01",
        "Professional PlugIns for NeoBook",
        133,
        49,
    },
};

} // namespace glimmerbox
