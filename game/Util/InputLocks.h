#pragma once

// Three process-wide flags that keep clicks away from the field while a window is shown or the
// tutorial holds the level. While the third is set the level clock stands too.
struct InputLocks
{
    static inline bool first = false;
    static inline bool second = false;
    static inline bool third = false;
};
