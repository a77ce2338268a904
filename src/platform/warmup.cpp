#include "platform/warmup.h"

#include <dlfcn.h>
#include <thread>

namespace {

// Joined at the latest when the program ends, so that an early return from main() (a usage
// message) does not leave the thread running.
struct Warmup {
    std::thread thread;
    ~Warmup() {
        if (thread.joinable()) thread.join();
    }
} g_warmup;

// The font configuration library is loaded with the GUI library; when it is not (another
// platform), there is nothing to warm.
void loadFontConfiguration() {
    void* lib = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!lib) return;
    using InitFn = int (*)();
    if (auto init = reinterpret_cast<InitFn>(dlsym(lib, "FcInit"))) init();
    dlclose(lib);
}

}  // namespace

void startWarmup() {
    if (!g_warmup.thread.joinable()) g_warmup.thread = std::thread(loadFontConfiguration);
}

void finishWarmup() {
    if (g_warmup.thread.joinable()) g_warmup.thread.join();
}
