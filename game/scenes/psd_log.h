#pragma once
// The Photoshop reader's trace: its detailed lines are written at level 2, so they are only
// formatted when the log would keep them.
#include "framework/core/ldv_string.h"

constexpr int kPsdTraceLevel = 2;

bool PsdTraceOn();
void PsdTrace(const LDvString& line);
void PsdTracef(const char* format, ...) __attribute__((format(printf, 1, 2)));
