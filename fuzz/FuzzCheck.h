#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property stops the run, so libFuzzer saves the input. Unlike assert() this stays on in
// optimised builds.
#define KESTO_FUZZ_CHECK(condition)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
