#include "DisplayList.h"

#include "DisplayTexts.h"
#include "UnitFormLed.h"
#include "platform/Exceptions.h"
#include "plugin/PlugInUtils.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace glimmerbox {
namespace {

using DisplayListType = std::vector<std::unique_ptr<TNeoLedDisplay>>;

// Absent until the first display is added. A plain pointer on purpose: at
// process exit nothing is torn down, and at unloading the list is released
// explicitly, on the thread that owns the windows.
DisplayListType* displayList = nullptr;

char FoldLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Takes a display out of the list and frees it. It is looked up by address,
// since a host call may have changed the list since it was found.
void EraseDisplay(const TNeoLedDisplay* display) {
    if (displayList == nullptr)
        return;
    const auto found =
        std::find_if(displayList->begin(), displayList->end(),
                     [display](const auto& entry) { return entry.get() == display; });
    if (found == displayList->end())
        return;
    std::unique_ptr<TNeoLedDisplay> removed = std::move(*found);
    displayList->erase(found);
    removed.reset();
}

std::string HandleText(HWND window) {
    return std::to_string(static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
}

} // namespace

bool SameObjectName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldLetter(x) == FoldLetter(y);
           });
}

int32_t FindDisplay(const std::string& name) {
    if (displayList == nullptr)
        return -1;
    for (size_t i = 0; i < displayList->size(); ++i)
        if (SameObjectName((*displayList)[i]->ObjectName, name))
            return static_cast<int32_t>(i);
    return -1;
}

TNeoLedDisplay* DisplayAt(int32_t index) {
    if (displayList == nullptr || index < 0 || static_cast<size_t>(index) >= displayList->size())
        return nullptr;
    return (*displayList)[static_cast<size_t>(index)].get();
}

int32_t DisplayCount() {
    return displayList == nullptr ? 0 : static_cast<int32_t>(displayList->size());
}

void AddDisplay(std::unique_ptr<TNeoLedDisplay> display) {
    if (displayList == nullptr)
        displayList = new DisplayListType;
    displayList->push_back(std::move(display));
}

bool RemoveDisplay(const std::string& name) {
    try {
        TNeoLedDisplay* display = DisplayAt(FindDisplay(name));
        if (display == nullptr)
            return false;
        if (!display->VariableName.empty())
            SetHostVariable(display->VariableName.c_str(), std::string());
        EraseDisplay(display);
        return true;
    } catch (const Exception& e) {
        SetHostVariable(kCreateErrorVariable, e.Message());
        return false;
    }
}

TNeoLedDisplay& CreateDisplayWindow(HWND objectWindow, const std::string& objectName,
                                    const std::string& variableName) {
    if (objectWindow == nullptr || !::IsWindow(objectWindow))
        throw Exception(kNoWindowPrefix + objectName + kNoWindowMiddle + HandleText(objectWindow) +
                        kNoWindowSuffix);

    auto display = std::make_unique<TNeoLedDisplay>(objectWindow, variableName, objectName);
    display->Display.SetCaption(kInitialCaption);

    RECT client{};
    ::GetClientRect(objectWindow, &client);
    ::SetWindowPos(display->Handle(), HWND_TOP, 0, 0, client.right - client.left,
                   client.bottom - client.top, SWP_SHOWWINDOW);

    TNeoLedDisplay& created = *display;
    AddDisplay(std::move(display));
    return created;
}

void DestroyAllDisplays() {
    // The list is taken out first, so that it is absent while its displays
    // are being freed.
    std::unique_ptr<DisplayListType> list(std::exchange(displayList, nullptr));
    if (!list)
        return;
    for (auto& display : *list)
        display.reset();
}

void ReleaseDisplaysAtUnload() {
    DestroyAllDisplays();
    UnregisterDisplayClasses();
}

} // namespace glimmerbox
