#include "tools/forge/anim/spine_pack.h"

#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

bool packAnimation(Forge& forge, const std::string& name, const std::map<std::string, RgbaImage>& pictures,
                   const std::string& bundleName, SpinePreview& preview) {
    const std::string content = "animations/" + name;
    forge.copyContent(content + "-skeleton.json", "Spine/" + name + "-skeleton.json");
    forge.copyContent(content + "-animation.json", "Spine/" + name + "-animation.json");
    std::string skeletonText;
    std::string animationText;
    forge.readContent(content + "-skeleton.json", skeletonText);
    forge.readContent(content + "-animation.json", animationText);
    std::string error;
    if (!preview.load(skeletonText, animationText, error)) {
        forge.fail(name + ": " + error);
        return false;
    }
    bool complete = true;
    for (const std::string& missing : preview.pictureNames()) {
        if (pictures.count(missing)) continue;
        forge.fail(name + ": no picture \"" + missing + "\" in the " + bundleName + " bundle");
        complete = false;
    }
    return complete;
}

void addPreviewSheet(Forge& forge, const std::string& sheetName, const std::string& name, const SpinePreview& preview,
                     const std::map<std::string, RgbaImage>& pictures, const std::vector<double>& times,
                     const PreviewLayout& layout) {
    if (!forge.wantsContactSheets()) return;
    std::vector<RgbaImage> frames;
    std::vector<std::string> labels;
    for (double t : times) {
        frames.push_back(preview.render(pictures, t, 1600, 900, layout.rootX, layout.rootY, layout.scale));
        labels.push_back(name + " at " + std::to_string(t).substr(0, 4) + " s");
    }
    std::vector<SheetEntry> entries;
    for (size_t i = 0; i < frames.size(); ++i) entries.push_back({labels[i], &frames[i]});
    forge.addContactSheet(sheetName, contactSheet(entries, layout.columns, layout.cellSize));
}
