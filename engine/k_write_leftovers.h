#pragma once
// What an atomic write leaves behind when the process dies between creating its temporary file and
// renaming it (writeFileAtomically in k_files.h): "<file>.tmp-XXXXXX" next to the file. They hold
// nothing the game reads, and every crash during a save would add one.
#include <string>

// Removes the leftover temporaries in `folder` last changed at least `minimumAgeSeconds` ago (so a
// write under way in another process is left alone). Returns how many were removed.
int removeAtomicWriteLeftovers(const std::string& folder, int minimumAgeSeconds);
