#include "platform/warmup.h"

#include <QFontDatabase>
#include <QImageReader>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <dlfcn.h>
#include <mutex>
#include <pthread.h>
#include <sched.h>
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
    pthread_t fonts{};
    bool fontsStarted = false;
    InitFn init = nullptr;
    cpu_set_t processors;  // where the font thread may run once it has started
    bool spread = false;   // whether it was started on another processor than this one
    std::thread plugins;
    std::mutex mutex;
    std::condition_variable changed;
    bool haveApplication = false;
    bool released = false;   // the fonts are wanted now: no more waiting for the application
    bool abandoned = false;  // the program is ending
    std::atomic<bool> fontsDone{false};  // the font work is over (done, or given up)

    // Once the configuration is loaded, the font list is filled as soon as the application
    // object exists (Qt reads it through the application's platform).
    void loadFonts() {
        if (spread) pthread_setaffinity_np(pthread_self(), sizeof processors, &processors);
        if (init) init();
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return haveApplication || released; });
        if (haveApplication && !abandoned) {
            lock.unlock();
            QFontDatabase::families();
            lock.lock();
        }
        fontsDone.store(true, std::memory_order_release);
        lock.unlock();
        changed.notify_all();
    }

    static void* runFonts(void* self) {
        static_cast<Warmup*>(self)->loadFonts();
        return nullptr;
    }

    // A new thread waits on the processor that made it until the scheduler next spreads the
    // work (a millisecond or more) while this thread keeps that processor busy. So the font
    // thread is started on another processor, and may go anywhere once it runs.
    void startFonts() {
        CPU_ZERO(&processors);
        const int here = sched_getcpu();
        spread = sched_getaffinity(0, sizeof processors, &processors) == 0 && here >= 0 &&
                 CPU_ISSET(here, &processors) && CPU_COUNT(&processors) > 1;
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        if (spread) {
            cpu_set_t others = processors;
            CPU_CLR(here, &others);
            pthread_attr_setaffinity_np(&attributes, sizeof others, &others);
        }
        fontsStarted = pthread_create(&fonts, &attributes, &Warmup::runFonts, this) == 0;
        pthread_attr_destroy(&attributes);
        if (!fontsStarted) fontsDone.store(true);  // no thread: the first text loads the fonts itself
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
        if (fontsStarted) pthread_join(fonts, nullptr);
        if (plugins.joinable()) plugins.join();
    }
} g_warmup;

}  // namespace

void startWarmup() {
    if (g_warmup.fontsStarted) return;
    g_warmup.init = fontConfigurationInit();
    g_warmup.startFonts();
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
    if (!g_warmup.fontsStarted) return;
    // The font work usually ends within a millisecond or two of this call. Waiting on a lock
    // would put this thread to sleep, and waking a sleeping processor can take longer than
    // that, on a virtual machine above all; so, when the font thread has a processor of its
    // own, the wait spins a few milliseconds before it sleeps. (The thread itself is joined
    // when the program ends.)
    const auto spinUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(g_warmup.spread ? 5 : 0);
    while (!g_warmup.fontsDone.load(std::memory_order_acquire)) {
        if (std::chrono::steady_clock::now() >= spinUntil) {
            std::unique_lock<std::mutex> lock(g_warmup.mutex);
            g_warmup.changed.wait(lock, [] { return g_warmup.fontsDone.load(std::memory_order_acquire); });
            break;
        }
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
}
