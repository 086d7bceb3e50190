#include "framework/core/game_log.h"

#include <cstdio>

#include "engine/k_log.h"
#include "engine/k_system.h"
#include "engine/k_window.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_file.h"
#include "framework/data/ldv_ini_file.h"

namespace {

// Fixed when logging starts, so each line costs no folder look-ups.
LDvString& LogPath() {
    static LDvString path;
    return path;
}

MessageBoxHook& BoxHook() {
    static MessageBoxHook hook;
    return hook;
}

constexpr const char* kUnreadableSettingsText =
    "Your settings could not be read. The game starts with its defaults and leaves the file as it "
    "is:\n";

// settings.ini is read before there is a log; a file that could not be read is told now.
void ReportUnreadableSettings() {
    const LDvIniFile* settings = Frame().settings.get();
    if (settings == nullptr || !settings->ReadFailed()) return;
    Log("Can't open INI file " + settings->Path() + "; the settings are not saved this run");
    ShowMessage(kUnreadableSettingsText + settings->Path());
}

void OpenMessageBox(const LDvString& caption, const LDvString& text) {
    if (BoxHook()) {
        BoxHook()(caption, text);
        return;
    }
    showMessageBox(caption.c_str(), text.c_str());
}

}  // namespace

void SetMessageBoxHookForTesting(MessageBoxHook hook) { BoxHook() = std::move(hook); }

void StartLogging(const char* name, const char* version, bool console) {
    FrameContext& frame = Frame();
    frame.loggingEnabled = true;
    frame.console = console;
    const LDvString saveFolder = GetSaveFolder();
    startEngineLog(name, version, (saveFolder + "engine_log.txt").c_str());
    // Never truncated: the log accumulates across runs.
    LogPath() = saveFolder + "log.txt";
    CreateFileIfMissing(LogPath());
    ReportUnreadableSettings();
}

void StopLogging() {
    Frame().loggingEnabled = false;
    endEngineLog();
}

void Log(const LDvString& message, int level) {
    const FrameContext& frame = Frame();
    if (!frame.loggingEnabled || level > frame.logLevel) return;
    LDvFile file;
    // "r+" rather than append mode: a log.txt that vanished mid-run is not recreated.
    if (file.Open(LogPath(), kFileModeReadWrite) && file.Seek(0, SEEK_END)) {
        file.Write(message.data(), message.size());
        file.Write("\n", 1);
        file.Flush();
    }
    if (frame.console) {
        std::fwrite(message.data(), 1, message.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

void ShowMessage(const LDvString& text) { OpenMessageBox("Message", text); }

void ShowMessageBox(const LDvString& caption, const LDvString& text) { OpenMessageBox(caption, text); }

void MediaMissing(const LDvString& fileName) {
    FrameContext& frame = Frame();
    if (frame.window != nullptr) frame.window->toggleFullScreen(false);
    if (!frame.quitPending) {
        OpenMessageBox("Error : Media Missing",
                       "Media Missing : " + fileName + " - Please reinstall the game and try again.");
    }
    Log("=== Game Ended Next Update ===");
    frame.quitPending = true;
}
