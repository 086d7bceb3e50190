#pragma once
// The engine log (engine_log.txt): "%02d:%02d:%02d: %s\n" lines with the local time. Lines
// written before the file is open wait in an 8,192-byte buffer and are written when it opens.

void startEngineLog(const char* titleA, const char* titleB, const char* path);  // writes "Start log: %s %s"
void engineLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
void endEngineLog();                                                           // writes "End log" and closes
