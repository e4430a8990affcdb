#include "Player.h"

#include "WindowCapture.h"

#include <cstdio>
#include <filesystem>
#include <variant>

namespace glimmerhost {

Player::Player(HostSession& session, const Document& document, Log& log)
    : session_(session), document_(document), log_(log), clock_(document.script) {}

void Player::Start() {
    clock_ = ScriptClock(document_.script);
    start_ = ::GetTickCount64();
    endLogged_ = false;
    log_.Line(FormatSeconds(0) + "  script starts (" + std::to_string(document_.script.size()) +
              " lines, " + FormatSeconds(clock_.Length()) + " of waits)");
    Advance();
}

int64_t Player::Elapsed() const {
    return static_cast<int64_t>(::GetTickCount64() - start_);
}

void Player::Advance() {
    for (std::size_t index : clock_.TakeDue(Elapsed())) {
        const Step& step = document_.script[index];
        if (const auto* action = std::get_if<ActionStep>(&step)) {
            session_.Execute(*action, Elapsed());
        } else {
            const auto& wait = std::get<WaitStep>(step);
            log_.Line(FormatSeconds(Elapsed()) + "  line " + std::to_string(wait.line) + "  wait " +
                      std::to_string(wait.milliseconds));
        }
    }
    if (!endLogged_ && Finished()) {
        endLogged_ = true;
        log_.Line(FormatSeconds(Elapsed()) + "  script ends");
    }
}

bool Player::Finished() const {
    return clock_.Finished() && Elapsed() >= clock_.Length();
}

FrameRecorder::FrameRecorder(HWND page, std::string folder, int fps, int64_t durationMs)
    : page_(page), folder_(std::move(folder)), fps_(fps),
      total_(static_cast<int>(durationMs * fps / 1000)) {
    const std::filesystem::path directory(std::u8string(folder_.begin(), folder_.end()));
    std::filesystem::create_directories(directory);
    // Frames of an earlier, longer run would otherwise follow this run's.
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("frame-") && name.ends_with(".bmp"))
            std::filesystem::remove(entry.path());
    }
}

void FrameRecorder::Advance(int64_t elapsed) {
    const int due = std::min<int>(total_, static_cast<int>(elapsed * fps_ / 1000) + 1);
    if (written_ >= due)
        return;
    const Image image = CaptureClientArea(page_);
    for (; written_ < due; ++written_) {
        char name[32];
        std::snprintf(name, sizeof(name), "/frame-%04d.bmp", written_);
        WriteBmp(image, folder_ + name);
    }
}

} // namespace glimmerhost
