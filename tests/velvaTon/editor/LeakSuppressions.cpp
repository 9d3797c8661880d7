// fontconfig keeps its pattern caches until the process ends; the leak
// checker of a sanitizer build would report them after every test that
// draws text.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
