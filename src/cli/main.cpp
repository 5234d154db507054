// textaria-cli: the program's core without windows.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("usage: textaria-cli SUBCOMMAND ...");
        return argc < 2 ? 2 : 0;
    }
    std::fprintf(stderr, "textaria-cli: unknown subcommand '%s'\n", argv[1]);
    return 2;
}
