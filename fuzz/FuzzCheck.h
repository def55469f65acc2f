// A property a fuzz target holds on every input: when it fails, the input is saved as a finding.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                  \
    do                                                                                                         \
    {                                                                                                          \
        if (!(condition))                                                                                      \
        {                                                                                                      \
            std::fprintf(stderr, "%s:%d: FUZZ_CHECK(%s) failed\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                      \
        }                                                                                                      \
    } while (false)
