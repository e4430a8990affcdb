// The user-visible texts of one edition. Every edition fills one
// EditionTexts; the code never spells a user-visible text itself.
// Texts are 8-bit, in the edition's code page.
#pragma once

#include <cstdint>

namespace glimmerbox {

// Name and description of one row of the action table.
struct ActionRowTexts {
    const char* name;
    const char* description;
};

inline constexpr int kActionRowCount = 7;

struct EditFormTexts {
    const char* label1;          // accelerator label of the object name
    int label1Width;             // as laid out
    const char* speedButtonHint; // tooltip of the object picker button
    const char* label2;          // the note on rectangle objects
    const char* label5;          // "Value:"
    int label5Width;             // as laid out
    const char* okCaption;
    int okLeft;
    const char* cancelCaption;
    int cancelLeft;
};

struct AboutFormTexts {
    const char* title;
    const char* label2; // version line
    const char* label3; // tag line
    int label3Left;
    int label3Top;
};

struct EditionTexts {
    const char* editionName; // "en", "ru"
    uint32_t codePage;       // code page of every text below
    const char* plugInHint;
    ActionRowTexts actionRows[kActionRowCount];
    EditFormTexts editForm;
    AboutFormTexts about;
};

// The texts of the edition this binary was built as.
extern const EditionTexts kEdition;

// Texts every edition shares.
inline constexpr const char* PlugInTitle = "Glimmerbox [2011.01]";
inline constexpr const char* PlugInPublisher = "Pellander - Halvorne Software";
inline constexpr const char* EditFormTitle = "Plugin Properties";
inline constexpr const char* EditFormLayoutTitle = "Action Properties";
inline constexpr const char* AboutPluginName = "Glimmerbox Plugin";
inline constexpr const char* AboutMaker = "Halvorne Software";
inline constexpr const char* AboutAddress = "www.halvorne-software.example";

} // namespace glimmerbox
