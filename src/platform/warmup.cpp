#include "platform/warmup.h"

#include <QFontDatabase>
#include <QImageReader>
#include <condition_variable>
#include <dlfcn.h>
#include <mutex>
#include <thread>

namespace {

using InitFn = int (*)();

// The font configuration library is loaded with the GUI library; when it is not (another
// platform), there is nothing to warm. Looked up here, on the calling thread: a lookup on the
// helper would wait for the loader while the application object loads its platform plug-in.
InitFn fontConfigurationInit() {
    void* lib = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!lib) return nullptr;
    auto init = reinterpret_cast<InitFn>(dlsym(lib, "FcInit"));
    dlclose(lib);  // still loaded: the GUI library holds it
    return init;
}

struct Warmup {
    std::thread fonts;
    std::thread plugins;
    std::mutex mutex;
    std::condition_variable changed;
    bool haveApplication = false;
    bool released = false;   // the fonts are wanted now: no more waiting for the application
    bool abandoned = false;  // the program is ending

    // Once the configuration is loaded, the font list is filled as soon as the application
    // object exists (Qt reads it through the application's platform).
    void loadFonts(InitFn init) {
        if (init) init();
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return haveApplication || released; });
        if (!haveApplication || abandoned) return;
        lock.unlock();
        QFontDatabase::families();
    }

    void release(bool ending) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            released = true;
            abandoned = abandoned || ending;
        }
        changed.notify_all();
    }

    // Joined at the latest when the program ends, so that an early return from main() (a
    // usage message) does not leave a thread running.
    ~Warmup() {
        release(true);
        if (fonts.joinable()) fonts.join();
        if (plugins.joinable()) plugins.join();
    }
} g_warmup;

}  // namespace

void startWarmup() {
    if (g_warmup.fonts.joinable()) return;
    const InitFn init = fontConfigurationInit();
    g_warmup.fonts = std::thread([init] { g_warmup.loadFonts(init); });
}

void warmupWithApplication() {
    {
        std::lock_guard<std::mutex> lock(g_warmup.mutex);
        if (g_warmup.haveApplication) return;
        g_warmup.haveApplication = true;
    }
    g_warmup.changed.notify_all();
}

void warmupPictureFormats() {
    // Asking which formats can be read loads every plug-in; Qt serialises that, so whoever
    // wants a picture first simply waits for the plug-in being loaded.
    if (!g_warmup.plugins.joinable()) g_warmup.plugins = std::thread([] { QImageReader::supportedImageFormats(); });
}

void finishWarmup() {
    g_warmup.release(false);
    if (g_warmup.fonts.joinable()) g_warmup.fonts.join();
}
