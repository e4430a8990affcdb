// The ids under which the plug-in registers its five actions, as a host's
// script names them once registration is done.
#pragma once

#include <cstdint>

namespace standin {

enum PlugInActionId : int32_t {
    kCreate = 1,
    kSetText = 3,
    kFontColor = 4,
    kScroll = 5,
    kScrollDelay = 6,
};

} // namespace standin
