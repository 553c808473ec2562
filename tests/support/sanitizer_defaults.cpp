// Linked into every test of the sanitizer build (build-asan/): the options the sanitizer
// runtimes start with, so ctest, test discovery and a test run by hand all check the same way.
// Options in ASAN_OPTIONS / UBSAN_OPTIONS are read after these and win.
#include <dlfcn.h>

extern "C" const char* __asan_default_options() {
    return "detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}

namespace {

// The SQLite ODBC driver loads the ODBC installer library at connect, to read the data source
// with SQLGetPrivateProfileString, and unloads it at disconnect while the library's profile
// cache is still allocated: the leak checker would then report that cache, and could not even
// name the frames of the unloaded library. Kept loaded for the life of the process, as in any
// program linked with it, the cache stays reachable and leak checking stays on for everything.
const void* const kOdbcInstaller = dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_NODELETE);

}  // namespace
