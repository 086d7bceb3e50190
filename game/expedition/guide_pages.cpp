#include "game/expedition/guide_pages.h"

#include "framework/data/ldv_ini_file.h"

namespace {

GuidePage Page(int32_t type, int32_t sketch, const LDvString& header, const LDvString& body) {
    GuidePage page;
    page.type = type;
    page.sketch = sketch;
    page.header = header;
    page.body = body;
    return page;
}

void AddDouble(LDvList<GuidePage>& pages, const GuidePage& text, const GuidePage& sketch) {
    if (pages.Count() % 2 != 0) pages.Add(Page(kSketchAboveText, kFillerSketch, "", kFillerText));
    pages.Add(text);
    pages.Add(sketch);
}

}  // namespace

LDvList<GuidePage> BuildGuidePages(const LDvIniFile& table, const PageUnlocked& unlocked) {
    LDvList<GuidePage> pages;
    pages.Add(Page(kTaskPage, 0, "", ""));
    for (const auto& section : table.Sections()) {
        const LDvString& key = section->name;
        if (!unlocked(key)) continue;
        const char* name = key.c_str();
        const LDvString type = table.GetString(name, "PAGE_TYPE", "");
        const int32_t sketch = table.GetInt(name, "SKETCH", 0);
        const LDvString header = table.GetString(name, "HEADER", "");
        const LDvString body = table.GetString(name, "BODY", "");
        const GuidePage text = Page(kTextOnly, 0, header, body);
        const GuidePage picture = Page(kSketchOnly, sketch, "", "");
        if (type == "SINGLE_TOP") {
            pages.Add(Page(kTextAboveSketch, sketch, header, body));
        } else if (type == "SINGLE_BOTTOM") {
            pages.Add(Page(kSketchAboveText, sketch, header, body));
        } else if (type == "DOUBLE_LEFT") {
            AddDouble(pages, text, picture);
        } else if (type == "DOUBLE_RIGHT") {
            AddDouble(pages, picture, text);
        }
    }
    if (pages.Count() % 2 != 0) pages.Add(Page(kEmptyPage, 0, "", ""));
    return pages;
}
