// A library with the reminder library's name on the command line but not its export.
extern "C" int kanavoImpostor() {
    return 7;
}
