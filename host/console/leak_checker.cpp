// fontconfig, which cairo's text in the PNG preview goes through, keeps its
// configuration for the life of the process. The leak checker of the sanitizer
// build is told so; other builds never call this.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
