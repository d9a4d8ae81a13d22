// Linked into every fuzzer. Qt comes without frame pointers, so AddressSanitizer's fast unwinder
// reads junk beyond the first frames of an allocation made inside Qt: nearly every allocation then
// records a stack never seen before, and the sanitizer's stack store grew by kilobytes a run until
// a long run hit the memory limit. Two frames (the allocating call and its caller) are always
// exact; the stack of a fault itself is still unwound in full. For whole allocation stacks when
// replaying a crash: ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0.
extern "C" const char* __asan_default_options()
{
    return "malloc_context_size=2";
}
