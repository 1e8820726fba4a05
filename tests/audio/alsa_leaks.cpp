// ALSA plugins that PortAudio's probe loads keep a few bytes from their library constructors
// for the life of the process. Full unwinding lets the suppression see where they come from.
// Linked into every test program that opens PortAudio.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:snd_dlopen\n";
}
