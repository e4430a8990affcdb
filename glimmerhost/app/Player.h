// Plays a document's script in real time: each action is executed once the
// waits before it have passed, while the message loop keeps the page alive.
// With a frames folder it also records what the page shows.
#pragma once

#include "HostSession.h"
#include "Image.h"
#include "glimmerhost/document/ScriptClock.h"

#include <windows.h>

#include <optional>
#include <string>

namespace glimmerhost {

class Player {
public:
    Player(HostSession& session, const Document& document, Log& log);

    // Starts the script from its first line; the clock starts now.
    void Start();
    // Executes whatever is due; call it often.
    void Advance();
    // Every line has run and the last wait is over.
    bool Finished() const;
    int64_t Elapsed() const;
    int64_t ScriptLength() const { return clock_.Length(); }

private:
    HostSession& session_;
    const Document& document_;
    Log& log_;
    ScriptClock clock_;
    ULONGLONG start_ = 0;
    bool endLogged_ = false;
};

// Writes the page as DIR/frame-NNNN.bmp at a fixed rate for a fixed time.
class FrameRecorder {
public:
    FrameRecorder(HWND page, std::string folder, int fps, int64_t durationMs);

    // Writes every frame due by `elapsed`; a late call repeats the current
    // picture for the frames it missed, so the frames keep their timing.
    void Advance(int64_t elapsed);
    bool Finished() const { return written_ >= total_; }
    int Written() const { return written_; }
    const std::string& Folder() const { return folder_; }

private:
    HWND page_;
    std::string folder_;
    int fps_;
    int total_;
    int written_ = 0;
};

} // namespace glimmerhost
