#pragma once
// The pages of the field guide: page 0 lists the camp's tasks, the others come from the entries of
// "fieldguide.ini" the player has unlocked ("PAGES" / entry key set), in file order. A double entry
// fills a spread of its own, so it starts on a left page: when it would begin on a right page a
// filler page goes first. An odd count is made even with an empty last page.
#include <cstdint>
#include <functional>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"

class LDvIniFile;

inline constexpr const char* kFieldGuideTable = "fieldguide.ini";

enum GuidePageType : int32_t {
    kTaskPage = 0,
    kTextAboveSketch = 1,
    kSketchAboveText = 2,
    kTextOnly = 3,
    kSketchOnly = 4,
    kEmptyPage = 5,
};

struct GuidePage {
    int32_t sketch = 0;                // 0..7
    LDvString header;
    LDvString body;
    int32_t type = kTaskPage;
};

inline constexpr int32_t kFillerSketch = 7;
inline constexpr const char* kFillerText = "Notes continued next page...";

// Whether the player has unlocked the entry with this key.
using PageUnlocked = std::function<bool(const LDvString& key)>;

LDvList<GuidePage> BuildGuidePages(const LDvIniFile& table, const PageUnlocked& unlocked);
