#include "view/gl_api.h"

#include <dlfcn.h>

namespace sky {

namespace {

// The libraries stay loaded for the rest of the run: the bound pointers point
// into them, and a GlApi may be copied freely.
template <typename Fn>
bool Bind(void* library, const char* symbol, Fn& target) {
    void* const address = dlsym(library, symbol);
    if (address == nullptr) return false;
    target = reinterpret_cast<Fn>(address);
    return true;
}

}  // namespace

bool GlApi::Load(std::string& error, const char* glName, const char* gluName) {
    GlApi bound;
    void* library = dlopen(glName, RTLD_NOW | RTLD_LOCAL);
    bool complete = library != nullptr;
#define SKY_GL_BIND(name) complete = complete && Bind(library, #name, bound.name);
    SKY_GL_ENTRY_POINTS(SKY_GL_BIND)
    if (!complete) {
        error = std::string("Could not load OpenGL from ") + glName;
        return false;
    }
    library = dlopen(gluName, RTLD_NOW | RTLD_LOCAL);
    complete = library != nullptr;
    SKY_GLU_ENTRY_POINTS(SKY_GL_BIND)
#undef SKY_GL_BIND
    if (!complete) {
        error = std::string("Could not load GLu from ") + gluName;
        return false;
    }
    *this = bound;
    return true;
}

}  // namespace sky
