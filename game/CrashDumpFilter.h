#pragma once

#include "platform/CrashHandler.h"

// The process's last word on a fatal fault: writes "OrvaleDump.dmp" (a text crash report) in the
// working folder and says on standard output what happened. Runs inside a signal handler, so it uses
// only async-signal-safe calls. Always returns 1: the process ends.
long CrashDumpFilter(const Platform::CrashInfo* info);
