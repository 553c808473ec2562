// Linked into every test of the sanitizer build (build-asan/): the options the sanitizer
// runtimes start with, so ctest, test discovery and a test run by hand all check the same way.
// Options in ASAN_OPTIONS / UBSAN_OPTIONS are read after these and win.
extern "C" const char* __asan_default_options() {
    return "detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
